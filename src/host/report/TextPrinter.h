#pragma once

#include <QString>
#include <QStringList>

// A printer used as a text device, as pre-printed forms need it: the lines
// go down the page one under the other in a fixed-pitch font, a new page
// when one is full.

// The printers a text print can go to; a printer index counts in this list.
QStringList TextPrinterNames();

// Prints the lines. A line "{FONT:name}" is not printed: `name` becomes the
// font of the lines after it. `printerIndex` counts in TextPrinterNames,
// -1 is the default printer; with `pdfPath` the pages go to that PDF file
// instead of a printer. Returns the pages printed; throws EReportError when
// the printer does not exist or cannot start.
int PrintTextLines(const QStringList& lines, int printerIndex, const QString& pdfPath = {});
