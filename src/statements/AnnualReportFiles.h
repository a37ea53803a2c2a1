#pragma once

#include <QPair>
#include <QString>
#include <QStringList>

// What the files of the annual reports share.

// The name split at its first blank: before it, and the rest (the files name
// the first name and the surname apart).
QPair<QString, QString> SplitAtFirstBlank(const QString& name);

// Writes lines of text as the outside files take them: Windows-1250, CRLF,
// whole or not at all.
void WriteTextLines(const QStringList& lines, const QString& path);
