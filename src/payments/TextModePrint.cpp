#include "TextModePrint.h"

#include "CompanyInfo.h"
#include "DBIniFile.h"
#include "PaymentErrands.h"
#include "SalaryDM.h"
#include "TextModeSettings.h"
#include "TextPrinter.h"
#include "Transliteration.h"

#include <QRegularExpression>

namespace {

// Cut or padded with spaces on the right to the width.
QString fit(const QString& text, qsizetype width) { return text.leftJustified(width, QLatin1Char(' '), true); }

// A template's lines; a line break at its end starts no further line.
QStringList templateLines(const QString& filled) {
    static const QRegularExpression breaks(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = filled.split(breaks);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

}  // namespace

QStringList TextModeLines(const TDataSet& errands, const TCompanyInfo& company, const TTextModeSettings& settings) {
    const auto at = [&errands](const char* name) { return errands.fieldByName(QLatin1String(name))->index(); };
    const int description = at("description"), recipient = at("recipient"), address = at("recipientaddress"),
              city = at("recipientcity"), paycode = at("paycode"), currency = at("currency"), value = at("value"),
              payer = at("companybankaccount"), account = at("recipientbankaccount"), model = at("recipientmodel"),
              code = at("recipientcode");
    const auto converted = [&settings](const QString& text) {
        return settings.ConvertTo1252 ? Convert1250To1252(text) : text;
    };
    QStringList lines;
    size_t position = 0;
    for (int r = 0; r < errands.recordCount(); ++r) {
        const double amount = errands.valueAt(r, value).toDouble();
        if (!(amount > 0))
            continue;
        const auto text = [&](int field) { return errands.valueAt(r, field).toString(); };
        const QString purpose = text(description);
        const std::pair<const char*, QString> values[] = {
            {"{Font}", QStringLiteral("{FONT:") + settings.Font + QLatin1Char('}')},
            {"{NalogKompanija}", fit(company.Name, 35)},
            {"{NalogKompanijaGrad}", fit(company.Address + QLatin1Char(' ') + company.City, 35)},
            {"{NalogOpis1}", fit(purpose.left(35), 35)},
            {"{NalogOpis2}", fit(purpose.mid(35, 35), 35)},
            {"{NalogPrimalac}", fit(text(recipient), 35)},
            {"{NalogPrimalacGrad}", fit(text(address) + QLatin1Char(' ') + text(city), 35)},
            {"{NalogSifraPlacanja}", fit(text(paycode), 4)},
            {"{NalogMoneta}", fit(text(currency), 4)},
            {"{NalogIznos}", fit(QString::number(amount, 'f', 2), 19)},
            {"{KompanijaBanka}", fit(text(payer), 27)},
            {"{NalogPrimalacBanka}", fit(text(account), 27)},
            {"{NalogPrimalacModel}", fit(text(model), 3)},
            {"{NalogPrimalacPBO}", fit(text(code), 27)},
        };
        QString filled = settings.ReportPaymentErrands[position];
        for (const auto& [placeholder, replacement] : values)
            filled.replace(QLatin1String(placeholder), converted(replacement), Qt::CaseInsensitive);
        lines += templateLines(filled);
        position = (position + 1) % settings.ReportPaymentErrands.size();
    }
    return lines;
}

bool GenerateTextModePrint(TSalaryDM& dm, IMessages& messages, QStringList& lines) {
    if (!PreparePaymentErrands(dm, messages, TErrandsRoad::Print))
        return false;
    const TDBIniFile store(*dm.ZConnection());
    lines += TextModeLines(*dm.PaymentErrandsCDS, ReadCompanyInfo(store), ReadTextModeSettings(store));
    return true;
}

QStringList TextModePrinterLines(const QStringList& lines, int leftMargin) {
    const QString margin(std::max(0, leftMargin), QLatin1Char(' '));
    QStringList printed;
    printed.reserve(lines.size());
    for (const QString& line : lines)
        printed << (line.startsWith(QLatin1String("{FONT:")) ? line : margin + line);
    return printed;
}

void PrintTextMode(const QStringList& lines, const TTextModeSettings& settings, const QString& pdfPath) {
    PrintTextLines(TextModePrinterLines(lines, settings.LeftMargin), settings.PrinterIndex, pdfPath);
}
