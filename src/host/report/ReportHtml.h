#pragma once

#include "Report.h"

#include <QString>

#include <vector>

struct TCompanyInfo;
class TDataSet;
class TField;

// The fields a section shows: the chosen ones, or the visible fields
// without unlabelled keys.
std::vector<const TField*> ReportFields(const TReportSection& section);

// A record shown as a grid row, or as a block of label/value pairs when the
// dataset has a single record or too many columns for a row on the page.
bool ShownAsBlocks(const TReportSection& section);

// The report as rich text (the subset of HTML that QTextDocument reads).
QString ReportHtml(const TReport& report, const TCompanyInfo& company);

// Whether the report needs the page turned to landscape for its widest grid.
bool ReportNeedsLandscape(const TReport& report);
