#pragma once

#include <QString>

class QPagedPaintDevice;
class QPrinter;
class QWidget;
class TPrintout;

// A4, the printout's orientation, 15 mm margins.
void SetUpPage(QPagedPaintDevice& device, const TPrintout& printout);

// Paints the printout on the printer's pages. Returns the pages painted
// (0 when the printer could not be started).
int PrintReport(const TPrintout& printout, QPrinter& printer);

// Writes the printout to a PDF file; returns the page count, 0 on failure.
int RenderReportToPdf(const TPrintout& printout, const QString& path);

// The print preview: print, or save as PDF.
void ShowReportPreview(const TPrintout& printout, QWidget* parent);
