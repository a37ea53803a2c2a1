#include "TextPrinter.h"

#include "ReportError.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

const QString FontLine = QStringLiteral("{FONT:");

QFont TextFont(const QString& family) {
    QFont font(family.isEmpty() ? QStringLiteral("Courier New") : family, 10);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

}  // namespace

QStringList TextPrinterNames() { return QPrinterInfo::availablePrinterNames(); }

int PrintTextLines(const QStringList& lines, int printerIndex, const QString& pdfPath) {
    QPrinter printer(QPrinter::HighResolution);
    if (!pdfPath.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
    } else {
        const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
        const QPrinterInfo info = printerIndex < 0 ? QPrinterInfo::defaultPrinter()
            : printerIndex < printers.size()      ? printers.at(printerIndex)
                                                  : QPrinterInfo();
        if (info.isNull())
            throw EReportError(printerIndex < 0
                                   ? QStringLiteral("Nije podešen podrazumevani štampač.")
                                   : QStringLiteral("Štampač broj %1 iz podešavanja ne postoji.").arg(printerIndex));
        printer.setPrinterName(info.printerName());
    }
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&printer))
        throw EReportError(pdfPath.isEmpty() ? QStringLiteral("Štampač %1 ne može da počne štampu.").arg(printer.printerName())
                                             : QStringLiteral("Ne mogu da upišem datoteku %1.").arg(pdfPath));
    QFont font = TextFont(QString());
    painter.setFont(font);
    const double bottom = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    double y = 0;
    int pages = 1;
    for (const QString& line : lines) {
        if (line.startsWith(FontLine)) {
            const qsizetype close = line.indexOf(QLatin1Char('}'), FontLine.size());
            font = TextFont(line.mid(FontLine.size(), close < 0 ? -1 : close - FontLine.size()));
            painter.setFont(font);
            continue;
        }
        const QFontMetricsF metrics(font, &printer);
        if (y + metrics.height() > bottom) {
            printer.newPage();
            ++pages;
            y = 0;
        }
        painter.drawText(QPointF(0, y + metrics.ascent()), line);
        y += metrics.lineSpacing();
    }
    painter.end();
    return pages;
}
