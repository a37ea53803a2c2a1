#include "CompanyInfo.h"
#include "PaymentErrands.h"
#include "SalaryDM.h"
#include "TextModePrint.h"
#include "TextModeSettings.h"

#include <gtest/gtest.h>

// Payment orders on pre-printed forms: three templates, one per place on the
// sheet, whose placeholders take the order's values at fixed widths.

namespace {

struct TextMode : ::testing::Test {
    TSalaryDM dm;
    TCompanyInfo company;
    TTextModeSettings settings;

    void SetUp() override {
        DefinePaymentErrandSets(dm);
        company.Name = QStringLiteral("Javor d.o.o.");
        company.Address = QStringLiteral("Glavna 1");
        company.City = QStringLiteral("Čačak");
        settings.Font = QStringLiteral("Courier New");
    }

    void add(const QString& description, const QString& recipient, double value) {
        dm.PaymentErrandsCDS->appendRecords(
            {{QString(), description, recipient, QStringLiteral("Ulica 5"), QStringLiteral("Niš"), QStringLiteral("240"),
              QStringLiteral("RSD"), value, QStringLiteral("160-0000000456789-28"), QStringLiteral("205-12-34"),
              QStringLiteral("97"), QStringLiteral("2025-03")}});
    }

    QStringList lines() { return TextModeLines(*dm.PaymentErrandsCDS, company, settings); }
};

TEST_F(TextMode, EveryPlaceholderTakesItsValueAtItsWidth) {
    settings.ReportPaymentErrands[0] =
        QStringLiteral("{Font}\n|{NalogKompanija}|{nalogkompanijagrad}|\n|{NalogOpis1}|{NalogOpis2}|\n"
                       "|{NalogPrimalac}|{NalogPrimalacGrad}|\n|{NalogSifraPlacanja}|{NalogMoneta}|{NalogIznos}|\n"
                       "|{KompanijaBanka}|{NalogPrimalacBanka}|{NalogPrimalacModel}|{NalogPrimalacPBO}|{NALOGIZNOS}|\n");
    // 80 characters: the form shows the first 70.
    const QString description = QStringLiteral("Obustava za 3.2025. po rešenju suda broj 123/2024 od 1.2.2024. za Đurđu Ćosić");
    add(description, QStringLiteral("Đurđa Ćosić"), 1234.5);
    const QStringList expected = {
        QStringLiteral("{FONT:Courier New}"),
        QStringLiteral("|Javor d.o.o.                       |Glavna 1 Čačak                     |"),
        QLatin1Char('|') + description.left(35) + QLatin1Char('|') + description.mid(35, 35) + QLatin1Char('|'),
        QStringLiteral("|Đurđa Ćosić                        |Ulica 5 Niš                        |"),
        QStringLiteral("|240 |RSD |1234.50            |"),
        QStringLiteral("|160-0000000456789-28       |205-12-34                  |97 |2025-03                    |"
                       "1234.50            |"),
    };
    EXPECT_EQ(expected, lines());

    // A short description leaves the second line blank; Serbian letters become ASCII only when set.
    dm.PaymentErrandsCDS->emptyDataSet();
    add(QStringLiteral("Zarada za 3.2025."), QStringLiteral("Đurđa Ćosić"), 10);
    settings.ReportPaymentErrands[0] = QStringLiteral("{NalogOpis2}|{NalogPrimalac}|");
    EXPECT_EQ(QStringList{QString(35, QLatin1Char(' ')) + QStringLiteral("|Đurđa Ćosić                        |")}, lines());
    settings.ConvertTo1252 = true;
    // Cut to the width first, so a "Dj" makes the value one longer.
    EXPECT_EQ(QStringList{QString(35, QLatin1Char(' ')) + QStringLiteral("|Djurdja Cosic                        |")},
              lines());
}

TEST_F(TextMode, OrdersTakeThePlacesOfTheSheetInTurnAndOrdersOfZeroNone) {
    settings.ReportPaymentErrands = {QStringLiteral("1: {NalogPrimalac}\r\n"), QStringLiteral("2: {NalogPrimalac}"),
                                     QStringLiteral("3: {NalogPrimalac}\n--\n")};
    for (const char* name : {"A", "B", "nula", "C", "D"})
        add(QStringLiteral("Zarada"), QLatin1String(name), QLatin1String(name) == QLatin1String("nula") ? 0 : 5);
    const auto padded = [](const char* place, const char* name) {
        return QLatin1String(place) + QString::fromLatin1(name).leftJustified(35);
    };
    EXPECT_EQ((QStringList{padded("1: ", "A"), padded("2: ", "B"), padded("3: ", "C"), QStringLiteral("--"),
                           padded("1: ", "D")}),
              lines());

    // To the printer: every line moved by the margin, font lines as they are.
    EXPECT_EQ((QStringList{QStringLiteral("{FONT:Courier New}"), QStringLiteral("   x"), QStringLiteral("   ")}),
              TextModePrinterLines({QStringLiteral("{FONT:Courier New}"), QStringLiteral("x"), QString()}, 3));
}

}  // namespace
