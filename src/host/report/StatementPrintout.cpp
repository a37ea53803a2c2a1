#include "StatementPrintout.h"

#include "PageFrame.h"
#include "ReportFonts.h"
#include "TablePainter.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

constexpr double TablePoints = 9;
constexpr double DetailPoints = 7.5;

// Labels and values: a box reads left to right, amounts line up on the right.
TTable Pairs(const std::vector<TRow>& rows, double widthMm, bool numeric) {
    TTable table;
    table.columns = {{QString(), false, numeric}, {QString(), numeric, !numeric}};
    table.rows = rows;
    table.showHeader = false;
    table.widthMm = widthMm;
    return table;
}

std::vector<TRow> BoxRows(const QList<QPair<QString, QString>>& box) {
    std::vector<TRow> rows;
    for (const auto& [label, value] : box)
        rows.push_back({TRowStyle::Plain, {label, value}});
    return rows;
}

// Paints a table from `y`; returns its height.
double PaintTable(QPainter& painter, const TTable& table, const QPaintDevice& device, double width, double points,
                  double y, bool paint) {
    if (table.columns.empty())
        return 0;
    const TTablePainter grid(table, device, width, points, false);
    double height = 0;
    if (!table.caption.isEmpty()) {
        if (paint)
            grid.paintCaption(painter, y);
        height += grid.captionHeight();
    }
    if (table.showHeader) {
        if (paint)
            grid.paintHeader(painter, y + height);
        height += grid.headerHeight();
    }
    for (const TRow& row : table.rows) {
        if (paint)
            grid.paintRow(painter, row, y + height);
        height += grid.rowHeight(row);
    }
    return height;
}

}  // namespace

int TStatementPrintout::paint(QPainter& painter, QPagedPaintDevice& device) const {
    const TPageGeometry page(device);
    const double width = page.area().width();
    const TPageHeading heading{book_.company, {}, book_.title, book_.texts};
    const QFont body = ReportFont(TablePoints);
    const QFontMetricsF metrics(body, &device);
    const int pages = int(book_.pages.size());
    for (int index = 0; index < pages; ++index) {
        if (index > 0)
            device.newPage();
        const TStatementPage& sheet = book_.pages[size_t(index)];
        const double top = PaintPageHeading(&painter, device, page, heading, true);
        const double bottom = page.area().height() - PageFootHeight(device) - metrics.lineSpacing() * 5;
        const TTable box = Pairs(BoxRows(sheet.box), 130, false);
        const TTable amounts = Pairs(sheet.amounts, 130, true);
        // The box and the amounts read better narrower than the page.
        const double narrow = std::min(width, page.mm(box.widthMm));
        const auto layout = [&](bool paint, double scale) {
            double y = 0;
            y += PaintTable(painter, box, device, narrow / scale, TablePoints, y, paint) + page.mm(5);
            y += PaintTable(painter, amounts, device, narrow / scale, TablePoints, y, paint) + page.mm(5);
            y += PaintTable(painter, sheet.details, device, width / scale, DetailPoints, y, paint);
            return y;
        };
        // A statement stays on its page: a long one is set smaller.
        const double height = layout(false, 1);
        const double scale = top + height > bottom ? (bottom - top) / height : 1;
        painter.save();
        painter.translate(0, top);
        painter.scale(scale, scale);
        layout(true, scale);
        painter.restore();

        painter.setFont(body);
        painter.setPen(Qt::black);
        const double sign = bottom + metrics.lineSpacing() * 2;
        painter.drawText(QPointF(0, sign), QStringLiteral("Datum izdavanja: %1").arg(book_.issueDate));
        painter.drawText(QPointF(width * 0.42, sign), QStringLiteral("M.P."));
        painter.drawLine(QPointF(width * 0.6, sign), QPointF(width, sign));
        const QString signature = QStringLiteral("Potpis ovlašćenog lica");
        painter.drawText(QPointF(width * 0.8 - metrics.horizontalAdvance(signature) / 2, sign + metrics.lineSpacing()),
                         signature);
        PaintPageFoot(painter, device, page, sheet.person, index + 1, pages);
    }
    return pages;
}
