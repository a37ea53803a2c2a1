#pragma once

#include <QStringList>
#include <QTextStream>

// The command-line program as a function of its arguments and streams, so
// that tests run it in-process. Returns the exit code.
int RunCli(const QStringList& arguments, QTextStream& out, QTextStream& err);
