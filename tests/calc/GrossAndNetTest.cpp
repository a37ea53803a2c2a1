#include "CalcTest.h"

namespace {

using Gross = CalcTest;
using Net = CalcTest;

}  // namespace

TEST_F(Gross, YearsOfServiceArePaidOnAllWorkedHoursAtTheRegularHourRate) {
    AddLine(AgreedGross(100000), {{QStringLiteral("workinghours"), 160},
                                  {QStringLiteral("nightworkinghours"), 16},
                                  {QStringLiteral("nightworkingvalue"), 12600},
                                  {QStringLiteral("workingyears"), 10},
                                  {QStringLiteral("mealrefund"), 6000},
                                  {QStringLiteral("vacationrefund"), 2000}});
    // (1 + 176 / 160 × 4 %) × 100 000 + 12 600 + 6 000 + 2 000
    EXPECT_EQ(125000.0, dm.CalculateGross(100000));
}

TEST_F(Gross, EveryComponentCountsOnce) {
    // Powers of two: a missing or doubled component shows in the sum.
    AddLine(AgreedGross(50000), {{QStringLiteral("increment"), 1000},
                                 {QStringLiteral("decrement"), 500},
                                 {QStringLiteral("difference"), 250},
                                 {QStringLiteral("vacationvalue"), 1},
                                 {QStringLiteral("sickvalue"), 2},
                                 {QStringLiteral("longsickvalue"), 4},
                                 {QStringLiteral("overtimevalue"), 8},
                                 {QStringLiteral("holidayworkingvalue"), 16},
                                 {QStringLiteral("nightholidayworkingvalue"), 32},
                                 {QStringLiteral("paidleavevalue"), 64},
                                 {QStringLiteral("publicholidayvalue"), 128},
                                 {QStringLiteral("absencevalue"), 256},
                                 {QStringLiteral("maternityleavevalue"), 512},
                                 {QStringLiteral("childcareleavevalue"), 1024},
                                 {QStringLiteral("nightworkingvalue"), 2048}});
    EXPECT_EQ(50000.0 + 1000 - 500 + 250 + 4095, dm.CalculateGross(50000));
}

TEST_F(Gross, NightHoursAloneEarnTheMealAllowanceAndThePlainServiceFactor) {
    AddLine(OnPoints(), {{QStringLiteral("workinghours"), 0},
                         {QStringLiteral("nightworkinghours"), 40},
                         {QStringLiteral("workingyears"), 10},
                         {QStringLiteral("mealrefund"), 6000}});
    EXPECT_EQ(11763.64, dm.CalculateGross(10000));  // 1.04 × 10 000 + 6 000 × 40 / 176
}

TEST_F(Gross, WithoutWorkedHoursThereIsNoMealAllowance) {
    AddLine(AgreedGross(80000), {{QStringLiteral("workinghours"), 0},
                                 {QStringLiteral("vacationhours"), 176},
                                 {QStringLiteral("vacationvalue"), 80000},
                                 {QStringLiteral("mealrefund"), 6000},
                                 {QStringLiteral("vacationrefund"), 2000}});
    EXPECT_EQ(82000.0, dm.CalculateGross(0));
}

TEST_F(Gross, RoundTaxesRoundsTheGrossToTheDinarHalvesToEven) {
    AddLine(AgreedGross(100000));
    EXPECT_EQ(100000.5, dm.CalculateGross(100000.5));
    dm.Options.RoundTaxes = true;
    EXPECT_EQ(100000.0, dm.CalculateGross(100000.5));
    EXPECT_EQ(100002.0, dm.CalculateGross(100001.5));
}

TEST_F(Net, AFullMonthPaysEveryContributionOnTheGrossAndTaxAboveTheFreeAmount) {
    AddLine(AgreedGross(100000), {{QStringLiteral("salaryvalue"), 100000}});
    dm.CalculateNet();
    // 14 000 + 5 150 + 750 + 10 % of (100 000 − 28 423) = 27 057.70
    EXPECT_DOUBLE_EQ(72942.30, Line("paymentvalue"));
    EXPECT_FALSE(dm.Calculating);
}

TEST_F(Net, BelowTheProratedMinimumBaseOnlyContributionsUseIt) {
    AddLine(AgreedGross(40000), {{QStringLiteral("workinghours"), 88}, {QStringLiteral("salaryvalue"), 20000}});
    dm.CalculateNet();
    // Contributions on 45 950 × 88 / 176 = 22 975: 3 216.50 + 1 183.21 + 172.31;
    // tax on the real gross with half the free amount: 578.85.
    EXPECT_DOUBLE_EQ(14849.13, Line("paymentvalue"));
}

TEST_F(Net, AboveTheMaximumBaseOnlyContributionsUseIt) {
    AddLine(AgreedGross(800000), {{QStringLiteral("salaryvalue"), 800000}});
    dm.CalculateNet();
    // 91 899.50 + 33 805.89 + 4 923.19 on 656 425, and 77 157.70 of tax.
    EXPECT_DOUBLE_EQ(592213.72, Line("paymentvalue"));
}

TEST_F(Net, AnIncomeTaxIsNeverNegative) {
    AddLine(AgreedGross(20000), {{QStringLiteral("salaryvalue"), 20000}});
    dm.CalculateNet();
    // Contributions on the minimum base; 20 000 is below the free amount.
    EXPECT_DOUBLE_EQ(10855.94, Line("paymentvalue"));
}

TEST_F(Net, VoluntaryPensionLowersTheTaxBaseUpToTheDocumentsCap) {
    AddLine(AgreedGross(100000), {{QStringLiteral("salaryvalue"), 100000}, {QStringLiteral("voluntarypension"), 3000}});
    dm.CalculateNet();
    EXPECT_DOUBLE_EQ(73242.30, Line("paymentvalue"));
    dm.SalaryZQ->edit();
    dm.SalaryZQ->fieldByName(QStringLiteral("voluntarypensiontaxfreevalue"))->setAsFloat(2000);
    dm.CalculateNet();
    EXPECT_DOUBLE_EQ(73142.30, Line("paymentvalue"));
}

TEST_F(Net, WorkingState9PaysNeitherHealthNorUnemployment) {
    EmployeeSpec e = AgreedGross(100000);
    e.workingstateid = 9;
    AddLine(e, {{QStringLiteral("salaryvalue"), 100000}});
    dm.CalculateNet();
    EXPECT_DOUBLE_EQ(78842.30, Line("paymentvalue"));  // 14 000 and 7 157.70
}

TEST_F(Net, WorkingState19PaysTaxOnTheWholeGross) {
    EmployeeSpec e = AgreedGross(100000);
    e.workingstateid = 19;
    AddLine(e, {{QStringLiteral("salaryvalue"), 100000}, {QStringLiteral("voluntarypension"), 3000}});
    dm.CalculateNet();
    EXPECT_DOUBLE_EQ(70100.0, Line("paymentvalue"));  // 29.9 % of 100 000
}

TEST_F(Net, SickLeaveDocumentsProrateTheFreeAmountByLongSickHours) {
    company.OpenNewDocument({{QStringLiteral("salarytype"), QStringLiteral("B")}});
    AddLine(AgreedGross(90000), {{QStringLiteral("workinghours"), 0},
                                 {QStringLiteral("longsickhours"), 176},
                                 {QStringLiteral("longsickvalue"), 60000},
                                 {QStringLiteral("salaryvalue"), 60000}});
    dm.CalculateNet();
    EXPECT_DOUBLE_EQ(44902.30, Line("paymentvalue"));  // 11 940 of contributions, 3 157.70 of tax
    company.SetLine({{QStringLiteral("longsickhours"), 88}, {QStringLiteral("maternityleavehours"), 44},
                     {QStringLiteral("childcareleavehours"), 44}});
    dm.CalculateNet();
    EXPECT_DOUBLE_EQ(44902.30, Line("paymentvalue"));
    company.SetLine({{QStringLiteral("maternityleavehours"), 0}, {QStringLiteral("childcareleavehours"), 0}});
    dm.CalculateNet();
    EXPECT_DOUBLE_EQ(60000 - 11940 - 4578.85, Line("paymentvalue"));  // half the free amount
}

TEST_F(Net, AbsenceIsGrossForContributionsButNothingOfItIsPaid) {
    AddLine(AgreedGross(100000), {{QStringLiteral("absencevalue"), 1000}, {QStringLiteral("salaryvalue"), 101000}});
    dm.CalculateNet();
    // The taxes of 101 000 are paid; the 1 000 less its 299 of taxes is withheld.
    EXPECT_DOUBLE_EQ(72942.30, Line("paymentvalue"));
}

TEST_F(Net, RoundTaxesRoundsTheRunningTaxAfterEachItem) {
    AddLine(AgreedGross(123456.78), {{QStringLiteral("salaryvalue"), 123456.78}});
    dm.CalculateNet();
    EXPECT_DOUBLE_EQ(89385.50, Line("paymentvalue"));
    dm.Options.RoundTaxes = true;
    dm.CalculateNet();
    // 17 283.95, then 9 503.38 of tax, 6 358.02, 925.93: 34 071 in whole dinars.
    EXPECT_DOUBLE_EQ(89386.0, Line("paymentvalue"));
}

TEST_F(Net, TheNetIsWrittenWhileCalculatingIsSet) {
    AddLine(AgreedGross(100000), {{QStringLiteral("salaryvalue"), 100000}});
    std::vector<bool> seen;
    dm.SalaryItemZQ->fieldByName(QStringLiteral("paymentvalue"))->OnChange = [&](TField&) {
        seen.push_back(dm.Calculating);
    };
    dm.CalculateNet();
    EXPECT_EQ(std::vector<bool>{true}, seen);
    EXPECT_FALSE(dm.Calculating);
}

TEST_F(Net, AnEmptyDocumentHasNothingToCalculate) {
    dm.CalculateNet();
    EXPECT_EQ(0.0, dm.CalculateGross(100000));
    EXPECT_EQ(0, dm.SalaryItemZQ->recordCount());
    EXPECT_EQ(DataSetState::Browse, dm.SalaryItemZQ->state());
}
