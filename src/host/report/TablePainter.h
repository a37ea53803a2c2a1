#pragma once

#include "ReportTable.h"

#include <QFont>
#include <QFontMetricsF>

#include <vector>

class QPaintDevice;
class QPainter;

// Measures a table's columns for a width and paints its caption, header and
// rows at a given height. The columns get their text's width; the flexible
// ones share what is left or shrink first, and when even that is not enough
// the type gets smaller.
class TTablePainter {
public:
    // `condensed`: the narrow type of the dense lists.
    TTablePainter(const TTable& table, const QPaintDevice& device, double width, double points,
                  bool condensed = true);

    double captionHeight() const;
    double headerHeight() const;
    double rowHeight(const TRow& row) const;

    void paintCaption(QPainter& painter, double y) const;
    void paintHeader(QPainter& painter, double y) const;
    void paintRow(QPainter& painter, const TRow& row, double y) const;

    double points() const { return points_; }

private:
    void setFonts(double points);
    void measure();
    void paintCells(QPainter& painter, const QStringList& cells, double y, const QFontMetricsF& metrics,
                    bool elide) const;
    void paintCell(QPainter& painter, size_t column, const QString& cell, double y, const QFontMetricsF& metrics,
                   bool elide) const;

    const TTable& table_;
    const QPaintDevice& device_;
    double width_;
    double points_ = 0;
    bool condensed_;
    double padding_ = 0;
    QFont plain_;
    QFont bold_;
    QFontMetricsF plainMetrics_;
    QFontMetricsF boldMetrics_;
    std::vector<double> widths_;
    std::vector<double> lefts_;
};
