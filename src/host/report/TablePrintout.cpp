#include "TablePrintout.h"

#include "TablePainter.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <memory>
#include <optional>

namespace {

constexpr double TablePoints = 7.5;
// Portrait A4 inside 15 mm margins.
constexpr double PortraitWidthMm = 180;
// A character of the condensed type at the list's size, and a cell's padding.
constexpr double CharMm = 1.5;
constexpr double PaddingMm = 1.6;
constexpr int FlexChars = 18;

double EstimatedWidthMm(const TTable& table) {
    double width = 0;
    for (size_t c = 0; c < table.columns.size(); ++c) {
        qsizetype chars = 0;
        for (const QString& line : table.columns[c].caption.split(QLatin1Char('\n')))
            chars = std::max(chars, line.size());
        if (table.columns[c].flex) {
            chars = std::max<qsizetype>(chars, FlexChars);
        } else {
            for (const TRow& row : table.rows)
                if (row.style != TRowStyle::Heading && int(c) < row.cells.size())
                    for (const QString& line : row.cells[int(c)].split(QLatin1Char('\n')))
                        chars = std::max(chars, line.size());
        }
        width += double(chars) * CharMm + PaddingMm;
    }
    return width;
}

const TRow& NoData() {
    static const TRow row{TRowStyle::Heading, {QStringLiteral("Nema podataka.")}};
    return row;
}

// Lays the tables out page by page; with a painter it also paints them.
class TPager {
public:
    TPager(const TTableDocument& document, QPagedPaintDevice& device)
        : document_(document), device_(device), page_(device) {
        bottom_ = page_.area().height() - PageFootHeight(device) - page_.mm(1);
        for (const TTable& table : document.tables)
            painters_.push_back(std::make_unique<TTablePainter>(
                table, device,
                table.widthMm > 0 ? std::min(page_.area().width(), page_.mm(table.widthMm)) : page_.area().width(),
                TablePoints));
    }

    int run(QPainter* painter, int pages) {
        painter_ = painter;
        pages_ = pages;
        number_ = 1;
        y_ = PaintPageHeading(painter_, device_, page_, document_.heading, true);
        for (size_t t = 0; t < document_.tables.size(); ++t)
            runTable(document_.tables[t], *painters_[t], t > 0);
        if (painter_)
            PaintPageFoot(*painter_, device_, page_, document_.heading.title, number_, pages_);
        return number_;
    }

private:
    void newPage() {
        if (painter_) {
            PaintPageFoot(*painter_, device_, page_, document_.heading.title, number_, pages_);
            device_.newPage();
        }
        ++number_;
        y_ = PaintPageHeading(painter_, device_, page_, document_.heading, false);
        pageTop_ = y_;
    }

    void header(const TTablePainter& table) {
        if (painter_)
            table.paintHeader(*painter_, y_);
        y_ += table.headerHeight();
    }

    void runTable(const TTable& table, const TTablePainter& painter, bool spaced) {
        if (spaced)
            y_ += page_.mm(5);
        const TRow& first = table.rows.empty() ? NoData() : table.rows.front();
        if (y_ + painter.captionHeight() + painter.headerHeight() + painter.rowHeight(first) > bottom_)
            newPage();
        if (painter_)
            painter.paintCaption(*painter_, y_);
        y_ += painter.captionHeight();
        pageTop_ = y_;
        header(painter);
        if (table.rows.empty()) {
            row(painter, first);
            return;
        }
        // The group a page break falls into is named again at the top of the next page.
        std::optional<TRow> group;
        for (size_t r = 0; r < table.rows.size(); ++r) {
            const TRow& current = table.rows[r];
            if (current.style == TRowStyle::Heading)
                group = TRow{TRowStyle::Heading, {current.cells.value(0) + QStringLiteral(" (nastavak)")}};
            else if (current.style != TRowStyle::Plain)
                group.reset();
            double together = painter.rowHeight(current);
            for (size_t k = r + 1; k <= r + size_t(current.keepWithNext) && k < table.rows.size(); ++k)
                together += painter.rowHeight(table.rows[k]);
            // What cannot fit a page anyway is not worth a page break.
            const bool fitsEmptyPage = together <= bottom_ - pageTop_ - painter.headerHeight();
            if (y_ + together > bottom_ && (fitsEmptyPage || y_ + painter.rowHeight(current) > bottom_)) {
                newPage();
                header(painter);
                if (group && current.style != TRowStyle::Heading)
                    row(painter, *group);
            }
            row(painter, current);
        }
    }

    void row(const TTablePainter& table, const TRow& row) {
        if (painter_)
            table.paintRow(*painter_, row, y_);
        y_ += table.rowHeight(row);
    }

    const TTableDocument& document_;
    QPagedPaintDevice& device_;
    TPageGeometry page_;
    std::vector<std::unique_ptr<TTablePainter>> painters_;
    QPainter* painter_ = nullptr;
    double bottom_ = 0;
    double y_ = 0;
    double pageTop_ = 0;
    int number_ = 1;
    int pages_ = 0;
};

}  // namespace

bool TablesNeedLandscape(const std::vector<TTable>& tables) {
    for (const TTable& table : tables)
        if (EstimatedWidthMm(table) > PortraitWidthMm)
            return true;
    return false;
}

int TTablePrintout::paint(QPainter& painter, QPagedPaintDevice& device) const {
    TPager pager(document_, device);
    // The first run counts the pages for "Strana n od m".
    const int pages = pager.run(nullptr, 0);
    return pager.run(&painter, pages);
}
