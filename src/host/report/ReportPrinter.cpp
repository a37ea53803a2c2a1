#include "ReportPrinter.h"

#include "Printout.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

void SetUpPage(QPagedPaintDevice& device, const TPrintout& printout) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                     printout.landscape() ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
}

int PrintReport(const TPrintout& printout, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer))
        return 0;
    const int pages = printout.paint(painter, printer);
    painter.end();
    return pages;
}

int RenderReportToPdf(const TPrintout& printout, const QString& path) {
    int pages = 0;
    {
        QPdfWriter writer(path);
        writer.setCreator(QStringLiteral("Zarade"));
        writer.setTitle(printout.title());
        SetUpPage(writer, printout);
        QPainter painter;
        if (!painter.begin(&writer))
            return 0;
        pages = printout.paint(painter, writer);
        painter.end();
    }
    return pages > 0 && QFileInfo(path).size() > 0 ? pages : 0;
}

void ShowReportPreview(const TPrintout& printout, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    SetUpPage(printer, printout);
    printer.setDocName(printout.title());
    printer.setCreator(QStringLiteral("Zarade"));
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(printout.title());
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&printout](QPrinter* target) { PrintReport(printout, *target); });
    if (auto* toolBar = preview.findChild<QToolBar*>()) {
        QAction* savePdf = toolBar->addAction(QObject::tr("Sačuvaj kao PDF"));
        savePdf->setObjectName(QStringLiteral("SavePdf"));
        QObject::connect(savePdf, &QAction::triggered, &preview, [&preview, &printout] {
            const QString path = QFileDialog::getSaveFileName(&preview, QObject::tr("Sačuvaj kao PDF"),
                                                              printout.title() + QStringLiteral(".pdf"),
                                                              QObject::tr("PDF dokument (*.pdf)"));
            if (!path.isEmpty() && RenderReportToPdf(printout, path) == 0)
                QMessageBox::critical(&preview, QObject::tr("Greška"),
                                      QObject::tr("Ne mogu da upišem datoteku %1.").arg(path));
        });
    }
    preview.resize(900, 1000);
    preview.exec();
}
