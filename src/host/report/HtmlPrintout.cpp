#include "HtmlPrintout.h"

#include "PageFrame.h"
#include "ReportFonts.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>

int THtmlPrintout::paint(QPainter& painter, QPagedPaintDevice& device) const {
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    document.setDefaultFont(ReportFont(8));
    document.setHtml(html_);

    const TPageGeometry page(device);
    const QSizeF body(page.area().width(), page.area().height() - PageFootHeight(device));
    document.setPageSize(body);
    const int pages = document.pageCount();
    for (int index = 0; index < pages; ++index) {
        if (index > 0)
            device.newPage();
        painter.save();
        const qreal top = index * body.height();
        painter.translate(0, -top);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, top, body.width(), body.height());
        painter.setClipRect(context.clip);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        PaintPageFoot(painter, device, page, title_, index + 1, pages);
    }
    return pages;
}
