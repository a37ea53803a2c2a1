#include "TextModeSettings.h"

#include "DBIniFile.h"
#include "SalaryOptions.h"

namespace {

QString templateKey(size_t i) { return QStringLiteral("TextModeReportPaymentErrands%1").arg(i + 1); }

}  // namespace

TTextModeSettings ReadTextModeSettings(const TDBIniFile& store) {
    TTextModeSettings s;
    s.Font = store.ReadString(SalarySection, QStringLiteral("TextModeFont"), QString());
    for (size_t i = 0; i < s.ReportPaymentErrands.size(); ++i)
        s.ReportPaymentErrands[i] = store.ReadString(SalarySection, templateKey(i), QString());
    s.PrinterIndex = store.ReadInteger(SalarySection, QStringLiteral("TextModePrinterIndex"), -1);
    s.LeftMargin = store.ReadInteger(SalarySection, QStringLiteral("TextModeLeftMargin"), 0);
    s.ConvertTo1252 = store.ReadBool(SalarySection, QStringLiteral("TextModeConvertTo1252"), false);
    return s;
}

void WriteTextModeSettings(TDBIniFile& store, const TTextModeSettings& s) {
    store.WriteString(SalarySection, QStringLiteral("TextModeFont"), s.Font);
    for (size_t i = 0; i < s.ReportPaymentErrands.size(); ++i)
        store.WriteString(SalarySection, templateKey(i), s.ReportPaymentErrands[i]);
    store.WriteInteger(SalarySection, QStringLiteral("TextModePrinterIndex"), s.PrinterIndex);
    store.WriteInteger(SalarySection, QStringLiteral("TextModeLeftMargin"), s.LeftMargin);
    store.WriteBool(SalarySection, QStringLiteral("TextModeConvertTo1252"), s.ConvertTo1252);
}

const std::array<const char*, 14>& TextModePlaceholders() {
    static const std::array<const char*, 14> placeholders = {
        "{Font}",           "{NalogKompanija}",      "{NalogKompanijaGrad}", "{NalogOpis1}",
        "{NalogOpis2}",     "{NalogPrimalac}",       "{NalogPrimalacGrad}",  "{NalogSifraPlacanja}",
        "{NalogMoneta}",    "{NalogIznos}",          "{KompanijaBanka}",     "{NalogPrimalacBanka}",
        "{NalogPrimalacModel}", "{NalogPrimalacPBO}"};
    return placeholders;
}
