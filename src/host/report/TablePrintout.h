#pragma once

#include "PageFrame.h"
#include "Printout.h"
#include "ReportTable.h"

#include <vector>

// A list: its tables one after the other under the page heading, the column
// header repeated on every page, the foot line with the page numbers.
struct TTableDocument {
    TPageHeading heading;
    std::vector<TTable> tables;
    bool landscape = false;
};

// Whether the widest of the tables needs the page turned, judged by the
// length of its texts before any page exists.
bool TablesNeedLandscape(const std::vector<TTable>& tables);

class TTablePrintout : public TPrintout {
public:
    explicit TTablePrintout(TTableDocument document) : document_(std::move(document)) {}
    QString title() const override { return document_.heading.title; }
    bool landscape() const override { return document_.landscape; }
    int paint(QPainter& painter, QPagedPaintDevice& device) const override;

private:
    TTableDocument document_;
};
