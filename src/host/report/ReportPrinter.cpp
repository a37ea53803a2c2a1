#include "ReportPrinter.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QDate>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QToolBar>

namespace {

QFont BodyFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(8);
    return font;
}

QFont FooterFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(7);
    return font;
}

void PaintFooter(QPainter& painter, const QRectF& area, const QString& title, int page, int pages) {
    painter.save();
    painter.setFont(FooterFont());
    painter.setPen(QPen(Qt::gray, 0));
    painter.drawLine(area.topLeft(), area.topRight());
    painter.setPen(Qt::black);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Štampano %1").arg(QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy."))));
    painter.drawText(area, Qt::AlignHCenter | Qt::AlignVCenter, title);
    painter.drawText(area, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Strana %1 od %2").arg(page).arg(pages));
    painter.restore();
}

}  // namespace

void SetUpPrinter(QPrinter& printer, const TReportLayout& layout) {
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                      layout.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    printer.setDocName(layout.title);
    printer.setCreator(QStringLiteral("Zarade"));
}

int PrintReport(const TReportLayout& layout, QPrinter& printer) {
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&printer);
    document.setDefaultFont(BodyFont());
    document.setHtml(layout.html);

    QPainter painter;
    if (!painter.begin(&printer))
        return 0;
    // The painter's origin is the top left corner of the printable area.
    const QRectF page(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
    const qreal footerHeight = QFontMetricsF(FooterFont(), &printer).height() * 2;
    const QSizeF body(page.width(), page.height() - footerHeight);
    document.setPageSize(body);
    const int pages = document.pageCount();
    for (int index = 0; index < pages; ++index) {
        if (index > 0)
            printer.newPage();
        painter.save();
        const qreal top = index * body.height();
        painter.translate(0, -top);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, top, body.width(), body.height());
        painter.setClipRect(context.clip);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        PaintFooter(painter, QRectF(0, body.height(), body.width(), footerHeight), layout.title, index + 1, pages);
    }
    painter.end();
    return pages;
}

int RenderReportToPdf(const TReportLayout& layout, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    SetUpPrinter(printer, layout);
    const int pages = PrintReport(layout, printer);
    return pages > 0 && QFileInfo(path).size() > 0 ? pages : 0;
}

void ShowReportPreview(const TReportLayout& layout, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer, layout);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(layout.title);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&layout](QPrinter* target) { PrintReport(layout, *target); });
    if (auto* toolBar = preview.findChild<QToolBar*>()) {
        QAction* savePdf = toolBar->addAction(QObject::tr("Sačuvaj kao PDF"));
        savePdf->setObjectName(QStringLiteral("SavePdf"));
        QObject::connect(savePdf, &QAction::triggered, &preview, [&preview, &layout] {
            const QString path = QFileDialog::getSaveFileName(&preview, QObject::tr("Sačuvaj kao PDF"),
                                                              layout.title + QStringLiteral(".pdf"),
                                                              QObject::tr("PDF dokument (*.pdf)"));
            if (!path.isEmpty() && RenderReportToPdf(layout, path) == 0)
                QMessageBox::critical(&preview, QObject::tr("Greška"),
                                      QObject::tr("Ne mogu da upišem datoteku %1.").arg(path));
        });
    }
    preview.resize(900, 1000);
    preview.exec();
}
