#pragma once

#include <QStringList>
#include <QTextStream>

class CliSession;

// zarade-cli line add | add-all | difference | coefficients, on an open document.
// Each returns the exit code; the document is applied when they succeed.
int LineAddEmployees(CliSession& session, const QStringList& codes);
int LineAddAllEmployees(CliSession& session, QTextStream& out);
int LineDifferences(CliSession& session, const QString& code, const QStringList& differences);
int LineCoefficients(CliSession& session, const QString& code, const QStringList& rows);
