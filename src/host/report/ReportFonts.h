#pragma once

#include <QFont>

// The one family of the prints: DejaVu has every Serbian Latin letter and is
// embedded in the PDF files.
QFont ReportFont(double points, bool bold = false);
// The narrow cut of the same family, for dense lists.
QFont CondensedFont(double points, bool bold = false);
