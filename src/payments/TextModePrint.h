#pragma once

#include <QString>
#include <QStringList>

class IMessages;
class TDataSet;
class TSalaryDM;
struct TCompanyInfo;
struct TTextModeSettings;

// Payment orders printed on pre-printed forms, three to a sheet: each order
// with a positive amount fills the template of its place on the sheet
// (1, 2, 3, then 1 again), whose placeholders take the order's values cut
// or padded with spaces to their widths.

// The filled templates of the orders in `errands`, line by line.
QStringList TextModeLines(const TDataSet& errands, const TCompanyInfo& company, const TTextModeSettings& settings);

// Builds the orders of the current document (the printed road: the paying
// account is asked for) and appends their filled templates to `lines`.
// False when the user cancelled.
bool GenerateTextModePrint(TSalaryDM& dm, IMessages& messages, QStringList& lines);

// The lines as the printer receives them: each moved right by the left
// margin, the "{FONT:...}" lines as they are.
QStringList TextModePrinterLines(const QStringList& lines, int leftMargin);

// Sends the lines to the printer of the settings (to `pdfPath` instead,
// when given). Throws EReportError when the printer cannot print.
void PrintTextMode(const QStringList& lines, const TTextModeSettings& settings, const QString& pdfPath = {});
