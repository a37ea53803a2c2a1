#pragma once

#include <QString>

#include <array>

class TDBIniFile;

// How payment orders are printed on pre-printed forms: section "Salary" of
// the settings store, keys named by the members with the prefix "TextMode".
struct TTextModeSettings {
    QString Font;                              // "TextModeFont"
    std::array<QString, 3> ReportPaymentErrands;  // "TextModeReportPaymentErrands1" to "…3"
    int PrinterIndex = -1;                     // "TextModePrinterIndex"; -1: the default printer
    int LeftMargin = 0;                        // "TextModeLeftMargin", in spaces
    bool ConvertTo1252 = false;                // "TextModeConvertTo1252"

    bool operator==(const TTextModeSettings&) const = default;
};

TTextModeSettings ReadTextModeSettings(const TDBIniFile& store);
void WriteTextModeSettings(TDBIniFile& store, const TTextModeSettings& settings);

// The placeholders a template may hold, in the order the options page lists them.
const std::array<const char*, 14>& TextModePlaceholders();
