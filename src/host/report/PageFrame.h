#pragma once

#include "CompanyInfo.h"
#include "ReportDocument.h"

#include <QRectF>
#include <QString>
#include <QStringList>

class QPaintDevice;
class QPainter;

// Device units of a page: the painter's origin is the corner of the
// printable area inside the margins.
class TPageGeometry {
public:
    explicit TPageGeometry(const QPaintDevice& device);
    double mm(double millimetres) const { return millimetres * perMm_; }
    const QRectF& area() const { return area_; }

private:
    double perMm_;
    QRectF area_;
};

// What the top of every page of a list shows.
struct TPageHeading {
    TCompanyInfo company;
    TDocumentInfo document;
    QString title;
    QStringList texts;  // under the title on the first page; empty ones are left out
};

// Paints the heading of a page (company and document, title, on the first
// page the texts) and returns where the body starts. With no painter it
// only measures.
double PaintPageHeading(QPainter* painter, const QPaintDevice& device, const TPageGeometry& page,
                        const TPageHeading& heading, bool firstPage);

// The foot line: print date, title, "Strana n od m"; returns its height.
double PageFootHeight(const QPaintDevice& device);
void PaintPageFoot(QPainter& painter, const QPaintDevice& device, const TPageGeometry& page, const QString& title,
                   int pageNumber, int pages);
