#pragma once

#include <QString>

class QPrinter;
class QWidget;

// A laid-out report: its rich text, its title for the page footer and
// whether the pages are turned.
struct TReportLayout {
    QString html;
    QString title;
    bool landscape = false;
};

// Sets the printer up for the report: A4, its orientation, 15 mm margins.
void SetUpPrinter(QPrinter& printer, const TReportLayout& layout);

// Paints the report on the printer's pages, with the title, the page number
// and the print date at the foot of every page. Returns the pages painted
// (0 when the printer could not be started).
int PrintReport(const TReportLayout& layout, QPrinter& printer);

// Writes the report to a PDF file; returns the page count, 0 on failure.
int RenderReportToPdf(const TReportLayout& layout, const QString& path);

// The print preview: print, or save as PDF.
void ShowReportPreview(const TReportLayout& layout, QWidget* parent);
