#include "CalcTest.h"
#include "RateGlobals.h"

namespace {

using Rates = CalcTest;

RateSpec Employee(const char* name, double percent, const char* account) {
    RateSpec r{QString::fromUtf8(name), percent};
    r.account = QLatin1String(account);
    return r;
}

}  // namespace

TEST_F(Rates, ADocumentTakesTheDefaultSetAndItsRatesFillTheGlobalsByPosition) {
    EXPECT_EQ(rateSet, dm.SalaryZQ->fieldByName(QStringLiteral("salarytaxid"))->asLargeInt());
    EXPECT_EQ(6, dm.SalaryTaxItemZQ->recordCount());  // the chamber fee takes no part
    EXPECT_EQ(1, dm.SalaryTaxItemZQ->recNo());
    EXPECT_DOUBLE_EQ(0.14, PIO_COEF1);
    EXPECT_DOUBLE_EQ(0.0515, ZO_COEF1);
    EXPECT_DOUBLE_EQ(0.0075, ON_COEF1);
    EXPECT_DOUBLE_EQ(0.10, PIO_COEF2);
    EXPECT_DOUBLE_EQ(0.0515, ZO_COEF2);
    EXPECT_DOUBLE_EQ(0.0, ON_COEF2);
    EXPECT_DOUBLE_EQ(0.10, LD_COEF);
}

TEST_F(Rates, NamesDoNotMatterOnlyPercentagesAndTiesGoByKey) {
    RateSpec tax{QStringLiteral("PIO"), 10, 25000, true, false, false};
    tax.account = QStringLiteral("840-4848-37");
    company.AddRateSet({Employee("Porez", 10.3, "840-1"), Employee("Nezaposlenost", 14, "840-2"),
                        Employee("Zdravstvo A", 0.75, "840-3"), Employee("Zdravstvo B", 0.75, "840-4"), tax});
    company.OpenNewDocument();
    EXPECT_DOUBLE_EQ(0.14, PIO_COEF1);
    EXPECT_EQ(QStringLiteral("840-2"), PIO_ACC1);
    EXPECT_DOUBLE_EQ(0.103, ZO_COEF1);
    EXPECT_EQ(QStringLiteral("840-1"), ZO_ACC1);
    EXPECT_DOUBLE_EQ(0.0075, ON_COEF1);
    EXPECT_EQ(QStringLiteral("840-3"), ON_ACC1);  // the second 0.75 % item finds no free place
    EXPECT_DOUBLE_EQ(0.10, LD_COEF);
    EXPECT_EQ(QStringLiteral("840-4848-37"), LD_ACC);
    EXPECT_DOUBLE_EQ(0.0, PIO_COEF2);
    EXPECT_EQ(QString(), PIO_ACC2);
}

TEST_F(Rates, WithoutADefaultSetANewDocumentIsRefused) {
    db.connection().exec(QStringLiteral("UPDATE salarytax SET defaulttax = 'n'"));
    dm.SalaryZQ->append();
    messages.shown.clear();
    EXPECT_FALSE(dm.SalaryTaxItemsOpen());
    ASSERT_EQ(1u, messages.shown.size());
    EXPECT_EQ(MessageKind::Error, messages.shown[0].kind);
    EXPECT_EQ(QStringLiteral("Morate prvo definisati stope poreza i doprinosa!"), messages.shown[0].text);
    EXPECT_TRUE(dm.SalaryZQ->fieldByName(QStringLiteral("salarytaxid"))->isNull());
}

TEST_F(Rates, GrossStatusProratesTheMinimumBaseByTheHoursOfTheMonth) {
    // 88 of 176 hours with a minimum base of 30 000: 15 000 is the minimum.
    EXPECT_EQ(TGrossStatus::gsMin, dm.GetGrossStatus(14999.99, 30000, 0, 0, 80, 8, 0, 0, 0, 0, 0, 0, 176));
    EXPECT_EQ(TGrossStatus::gsNormal, dm.GetGrossStatus(15000, 30000, 0, 0, 80, 8, 0, 0, 0, 0, 0, 0, 176));
    // The gross is taken to the para first.
    EXPECT_EQ(TGrossStatus::gsNormal, dm.GetGrossStatus(14999.995, 30000, 0, 0, 80, 8, 0, 0, 0, 0, 0, 0, 176));
    // Overtime above the fund does not raise the minimum.
    EXPECT_EQ(TGrossStatus::gsNormal, dm.GetGrossStatus(30000, 30000, 0, 10.5, 176, 0, 0, 0, 0, 0, 0, 0, 176));
    EXPECT_EQ(TGrossStatus::gsMin, dm.GetGrossStatus(29999.99, 30000, 0, 10.5, 176, 0, 0, 0, 0, 0, 0, 0, 176));
    // A maximum base of 0 means no maximum.
    EXPECT_EQ(TGrossStatus::gsNormal, dm.GetGrossStatus(9e6, 45950, 0, 0, 176, 0, 0, 0, 0, 0, 0, 0, 176));
    EXPECT_EQ(TGrossStatus::gsMax, dm.GetGrossStatus(656425.01, 45950, 656425, 0, 176, 0, 0, 0, 0, 0, 0, 0, 176));
    EXPECT_EQ(TGrossStatus::gsNormal, dm.GetGrossStatus(656425, 45950, 656425, 0, 176, 0, 0, 0, 0, 0, 0, 0, 176));
    // Every kind of paid hour counts: 8 of each of the nine is 72 of 176.
    EXPECT_EQ(TGrossStatus::gsMin, dm.GetGrossStatus(18797.72, 45950, 0, 8, 8, 8, 8, 8, 8, 8, 8, 8, 176));
    EXPECT_EQ(TGrossStatus::gsNormal, dm.GetGrossStatus(18797.73, 45950, 0, 8, 8, 8, 8, 8, 8, 8, 8, 8, 176));
}

TEST_F(Rates, CorrectionSumsWhatTheEmployeePaysAndLeavesOutHealthForWorkingState9) {
    double percent = 0, correction = 0;
    dm.CalculateCorrection(percent, correction, 1, rateSet);
    EXPECT_DOUBLE_EQ(29.9, percent);
    EXPECT_DOUBLE_EQ(2842.3, correction);
    dm.CalculateCorrection(percent, correction, 9, rateSet);
    EXPECT_DOUBLE_EQ(24.0, percent);
    EXPECT_DOUBLE_EQ(2842.3, correction);
}

TEST_F(Rates, CorrectionReadsAnotherSetByItsKeyAndLeavesTheDocumentsSetShown) {
    const qint64 older = rateSet;
    const qint64 newer = company.AddRateSet({Employee("PIO", 13, "1"), {QStringLiteral("Porez"), 12, 20000, true,
                                                                        false, false}});
    dm.SalaryTaxItemsOpen();  // the open document keeps its own, older set
    double percent = 0, correction = 0;
    dm.CalculateCorrection(percent, correction, 1, newer);
    EXPECT_DOUBLE_EQ(25.0, percent);
    EXPECT_DOUBLE_EQ(2400.0, correction);
    EXPECT_EQ(older, dm.SalaryTaxItemZQ->param(QStringLiteral("IDSalaryTax")).toLongLong());
    EXPECT_EQ(6, dm.SalaryTaxItemZQ->recordCount());
}
