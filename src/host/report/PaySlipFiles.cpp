#include "PaySlipFiles.h"

#include "PaySlip.h"
#include "PaySlipPrintout.h"
#include "ReportError.h"
#include "ReportPrinter.h"

#include <QDir>
#include <QSet>

int WritePaySlipFiles(const TPaySlipBook& book, const QString& folder) {
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")))
        throw EReportError(QStringLiteral("Ne mogu da napravim folder %1.").arg(folder));
    QSet<QString> used;
    int written = 0;
    for (int index = 0; index < book.count(); ++index) {
        QString name = book.fileName(index);
        const QString stem = name.chopped(4);
        for (int copy = 2; used.contains(name); ++copy)
            name = QStringLiteral("%1-%2.pdf").arg(stem).arg(copy);
        used.insert(name);
        const QString path = dir.filePath(name);
        if (RenderReportToPdf(TPaySlipPrintout(book, index, 1), path) == 0)
            throw EReportError(QStringLiteral("Ne mogu da upišem platni listić u datoteku %1.").arg(path));
        ++written;
    }
    return written;
}
