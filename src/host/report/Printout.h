#pragma once

#include <QString>

class QPagedPaintDevice;
class QPainter;

// A print laid out for A4 pages: what the preview, a printer and a PDF file
// paint the same way.
class TPrintout {
public:
    virtual ~TPrintout() = default;
    virtual QString title() const = 0;
    virtual bool landscape() const = 0;
    // Paints every page; the painter is active on `device` and stands on its
    // first page. Returns the pages painted.
    virtual int paint(QPainter& painter, QPagedPaintDevice& device) const = 0;
};
