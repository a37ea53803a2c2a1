#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// A grid as the lists, the recapitulations and the pay slip print it.
struct TColumn {
    QString caption;  // '\n' breaks it over two header lines
    bool numeric = false;  // right-aligned
    // Takes the width the others leave and gives it back first when the page
    // is too narrow (a name, a description): its text is shortened.
    bool flex = false;
};

enum class TRowStyle {
    Plain,
    Heading,   // one text over the whole width: a group or a part of a slip
    Subtotal,
    Total,
};

struct TRow {
    TRowStyle style = TRowStyle::Plain;
    QStringList cells;  // a cell with '\n' takes several lines
    // Rows after this one that must stay on its page (a heading with its first
    // rows, a short block).
    int keepWithNext = 0;
};

struct TTable {
    QString caption;  // above the grid, when not empty
    std::vector<TColumn> columns;
    std::vector<TRow> rows;
    bool showHeader = true;
    // Millimetres; 0 spans the page. A short two-column block reads better narrow.
    double widthMm = 0;
};
