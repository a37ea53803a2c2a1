#include "AnnualReportFiles.h"

#include "Windows1250.h"
#include "db/DbError.h"

#include <QSaveFile>

QPair<QString, QString> SplitAtFirstBlank(const QString& name) {
    const qsizetype blank = name.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return {name, QString()};
    return {name.left(blank), name.mid(blank + 1)};
}

void WriteTextLines(const QStringList& lines, const QString& path) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += EncodeWindows1250(line) + "\r\n";
    // Written whole under a temporary name, so a failed write leaves no file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw EDatabaseError(QStringLiteral("Datoteku \"%1\" nije moguće upisati: %2").arg(path, file.errorString()));
}
