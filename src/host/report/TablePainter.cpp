#include "TablePainter.h"

#include "ReportFonts.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

// Smaller than this a list is no longer readable on paper.
constexpr double SmallestPoints = 5.5;
const QColor HeaderFill(0xe4, 0xe4, 0xe4);
const QColor SubtotalFill(0xef, 0xef, 0xef);
const QColor TotalFill(0xd8, 0xd8, 0xd8);
const QColor RuleColour(0xb8, 0xb8, 0xb8);

int LineCount(const QString& text) { return int(text.count(QLatin1Char('\n'))) + 1; }

double WidestLine(const QFontMetricsF& metrics, const QString& text) {
    if (!text.contains(QLatin1Char('\n')))
        return metrics.horizontalAdvance(text);
    double widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

int RowLines(const TRow& row) {
    int lines = 1;
    if (row.style != TRowStyle::Heading)
        for (const QString& cell : row.cells)
            lines = std::max(lines, LineCount(cell));
    return lines;
}

}  // namespace

TTablePainter::TTablePainter(const TTable& table, const QPaintDevice& device, double width, double points,
                             bool condensed)
    : table_(table), device_(device), width_(width), condensed_(condensed), plainMetrics_(QFont()),
      boldMetrics_(QFont()) {
    setFonts(points);
    measure();
}

void TTablePainter::setFonts(double points) {
    points_ = points;
    plain_ = condensed_ ? CondensedFont(points) : ReportFont(points);
    bold_ = condensed_ ? CondensedFont(points, true) : ReportFont(points, true);
    plainMetrics_ = QFontMetricsF(plain_, &device_);
    boldMetrics_ = QFontMetricsF(bold_, &device_);
    padding_ = plainMetrics_.averageCharWidth() * 0.6;
}

void TTablePainter::measure() {
    const size_t count = table_.columns.size();
    for (int attempt = 0; attempt < 4; ++attempt) {
        std::vector<double> natural(count, 0);
        for (size_t c = 0; c < count; ++c)
            natural[c] = WidestLine(boldMetrics_, table_.columns[c].caption);
        for (const TRow& row : table_.rows) {
            if (row.style == TRowStyle::Heading)
                continue;
            const QFontMetricsF& metrics = row.style == TRowStyle::Plain ? plainMetrics_ : boldMetrics_;
            for (size_t c = 0; c < count && c < size_t(row.cells.size()); ++c)
                natural[c] = std::max(natural[c], WidestLine(metrics, row.cells[int(c)]));
        }
        double fixed = 0;
        double flexible = 0;
        for (size_t c = 0; c < count; ++c) {
            natural[c] += 2 * padding_;
            (table_.columns[c].flex ? flexible : fixed) += natural[c];
        }
        const double flexMinimum = plainMetrics_.averageCharWidth() * 16;
        const int flexCount = int(std::count_if(table_.columns.begin(), table_.columns.end(),
                                                [](const TColumn& column) { return column.flex; }));
        const double needed = fixed + (flexCount ? std::min(flexible, flexMinimum * flexCount) : 0);
        if (needed > width_ && points_ > SmallestPoints && attempt < 3) {
            setFonts(std::max(SmallestPoints, points_ * width_ / needed * 0.98));
            continue;
        }
        widths_ = natural;
        if (flexCount > 0) {
            // The flexible columns share what the others leave, in proportion to their text.
            const double left = std::max(flexMinimum * flexCount, width_ - fixed);
            for (size_t c = 0; c < count; ++c)
                if (table_.columns[c].flex)
                    widths_[c] = flexible > 0 ? left * natural[c] / flexible : left / flexCount;
        } else if (fixed < width_ && count > 0) {
            // Without a flexible column the spare width is spread evenly.
            const double extra = (width_ - fixed) / double(count);
            for (double& w : widths_)
                w += extra;
        }
        break;
    }
    lefts_.assign(count, 0);
    double x = 0;
    for (size_t c = 0; c < count; ++c) {
        lefts_[c] = x;
        x += widths_[c];
    }
}

double TTablePainter::captionHeight() const {
    return table_.caption.isEmpty() ? 0 : boldMetrics_.lineSpacing() * 1.6;
}

double TTablePainter::headerHeight() const {
    if (!table_.showHeader)
        return 0;
    int lines = 1;
    for (const TColumn& column : table_.columns)
        lines = std::max(lines, LineCount(column.caption));
    return lines * boldMetrics_.lineSpacing() + 2 * padding_ * 0.5;
}

double TTablePainter::rowHeight(const TRow& row) const {
    const int lines = RowLines(row);
    const double extra = row.style == TRowStyle::Heading ? 0.6 : 0.35;
    return lines * plainMetrics_.lineSpacing() + plainMetrics_.lineSpacing() * extra;
}

void TTablePainter::paintCaption(QPainter& painter, double y) const {
    if (table_.caption.isEmpty())
        return;
    painter.setFont(bold_);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(0, y + boldMetrics_.lineSpacing() * 0.3 + boldMetrics_.ascent()), table_.caption);
}

void TTablePainter::paintHeader(QPainter& painter, double y) const {
    if (!table_.showHeader)
        return;
    const double height = headerHeight();
    painter.fillRect(QRectF(0, y, width_, height), HeaderFill);
    painter.setFont(bold_);
    painter.setPen(Qt::black);
    // Captions of fewer lines stand on the header's bottom line.
    int lines = 1;
    for (const TColumn& column : table_.columns)
        lines = std::max(lines, LineCount(column.caption));
    for (size_t c = 0; c < table_.columns.size(); ++c) {
        const QString& caption = table_.columns[c].caption;
        const double top = y + padding_ * 0.5 + (lines - LineCount(caption)) * boldMetrics_.lineSpacing();
        paintCell(painter, c, caption, top, boldMetrics_, false);
    }
    painter.setPen(QPen(Qt::black, device_.logicalDpiX() / 25.4 * 0.2));
    painter.drawLine(QPointF(0, y + height), QPointF(width_, y + height));
}

void TTablePainter::paintRow(QPainter& painter, const TRow& row, double y) const {
    const double height = rowHeight(row);
    const double hairline = device_.logicalDpiX() / 25.4 * 0.1;
    const double top = y + (height - plainMetrics_.lineSpacing() * RowLines(row)) / 2;
    switch (row.style) {
    case TRowStyle::Heading:
        painter.setFont(bold_);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(padding_, y + height - plainMetrics_.lineSpacing() * 0.3 - boldMetrics_.descent()),
                         row.cells.value(0));
        painter.setPen(QPen(Qt::black, hairline));
        painter.drawLine(QPointF(0, y + height), QPointF(width_, y + height));
        return;
    case TRowStyle::Subtotal:
        painter.fillRect(QRectF(0, y, width_, height), SubtotalFill);
        painter.setFont(bold_);
        painter.setPen(Qt::black);
        paintCells(painter, row.cells, top, boldMetrics_, true);
        break;
    case TRowStyle::Total:
        painter.fillRect(QRectF(0, y, width_, height), TotalFill);
        painter.setPen(QPen(Qt::black, hairline * 2));
        painter.drawLine(QPointF(0, y), QPointF(width_, y));
        painter.setFont(bold_);
        paintCells(painter, row.cells, top, boldMetrics_, true);
        break;
    case TRowStyle::Plain:
        painter.setFont(plain_);
        painter.setPen(Qt::black);
        paintCells(painter, row.cells, top, plainMetrics_, true);
        break;
    }
    painter.setPen(QPen(RuleColour, hairline));
    painter.drawLine(QPointF(0, y + height), QPointF(width_, y + height));
}

void TTablePainter::paintCells(QPainter& painter, const QStringList& cells, double y, const QFontMetricsF& metrics,
                               bool elide) const {
    for (size_t c = 0; c < widths_.size() && c < size_t(cells.size()); ++c)
        paintCell(painter, c, cells[int(c)], y, metrics, elide);
}

void TTablePainter::paintCell(QPainter& painter, size_t column, const QString& cell, double y,
                              const QFontMetricsF& metrics, bool elide) const {
    if (cell.isEmpty())
        return;
    const bool numeric = table_.columns[column].numeric;
    const double room = widths_[column] - 2 * padding_;
    const QStringList lines = cell.split(QLatin1Char('\n'));
    for (int l = 0; l < lines.size(); ++l) {
        QString line = lines[l];
        double advance = metrics.horizontalAdvance(line);
        // The column was measured for its widest text: that one fits, give or take rounding.
        if (elide && advance > room + 1 && !numeric) {
            line = metrics.elidedText(line, Qt::ElideRight, room);
            advance = metrics.horizontalAdvance(line);
        }
        const double x = numeric ? lefts_[column] + widths_[column] - padding_ - advance : lefts_[column] + padding_;
        painter.drawText(QPointF(x, y + l * metrics.lineSpacing() + metrics.ascent()), line);
    }
}
