#include "CalcTest.h"

namespace {

using Gross = CalcTest;
using Net = CalcTest;

}  // namespace

TEST_F(Gross, RegularWorkWithYearsOfServiceAndEveryComponentOnce) {
    const struct {
        const char* name;
        Values values;
        double regularWork;
        double gross;
    } cases[] = {
        // (1 + 176 / 160 × 4 %) × 100 000 + 12 600 + 6 000 + 2 000
        {"years of service on all worked hours at the regular hour rate",
         {Assign("workinghours", 160), Assign("nightworkinghours", 16), Assign("nightworkingvalue", 12600),
          Assign("workingyears", 10), Assign("mealrefund", 6000), Assign("vacationrefund", 2000)},
         100000, 125000},
        // Powers of two: a missing or doubled component shows in the sum.
        {"every component counts once",
         {Assign("increment", 1000), Assign("decrement", 500), Assign("difference", 250), Assign("vacationvalue", 1),
          Assign("sickvalue", 2), Assign("longsickvalue", 4), Assign("overtimevalue", 8),
          Assign("holidayworkingvalue", 16), Assign("nightholidayworkingvalue", 32), Assign("paidleavevalue", 64),
          Assign("publicholidayvalue", 128), Assign("absencevalue", 256), Assign("maternityleavevalue", 512),
          Assign("childcareleavevalue", 1024), Assign("nightworkingvalue", 2048)},
         50000, 50000 + 1000 - 500 + 250 + 4095},
        // 1.04 × 10 000 + 6 000 × 40 / 176
        {"night hours alone earn the meal allowance and the plain service factor",
         {Assign("workinghours", 0), Assign("nightworkinghours", 40), Assign("workingyears", 10), Assign("mealrefund", 6000)},
         10000, 11763.64},
        {"no meal allowance without worked hours",
         {Assign("workinghours", 0), Assign("vacationhours", 176), Assign("vacationvalue", 80000),
          Assign("mealrefund", 6000), Assign("vacationrefund", 2000)},
         0, 82000},
    };
    for (const auto& c : cases) {
        AddLine(OnPoints(), c.values);
        EXPECT_EQ(c.gross, dm.CalculateGross(c.regularWork)) << c.name;
    }
}

TEST_F(Gross, RoundTaxesRoundsTheGrossToTheDinarHalvesToEven) {
    AddLine(AgreedGross(100000));
    EXPECT_EQ(100000.5, dm.CalculateGross(100000.5));
    dm.Options.RoundTaxes = true;
    EXPECT_EQ(100000.0, dm.CalculateGross(100000.5));
    EXPECT_EQ(100002.0, dm.CalculateGross(100001.5));
}

// With the 176 hours of the month unless the case says otherwise.
TEST_F(Net, ContributionsOnTheirBasesAndTaxAboveTheFreeAmount) {
    const struct {
        const char* name;
        double gross;
        qint64 workingState;
        Values values;
        double net;
    } cases[] = {
        // 14 000 + 5 150 + 750 + 10 % of (100 000 − 28 423) = 27 057.70
        {"a full month", 100000, 1, {}, 72942.30},
        // Contributions on 45 950 × 88 / 176 = 22 975: 3 216.50 + 1 183.21 + 172.31;
        // tax on the real gross with half the free amount: 578.85.
        {"below the prorated minimum base", 20000, 1, {Assign("workinghours", 88)}, 14849.13},
        // 91 899.50 + 33 805.89 + 4 923.19 on 656 425, and 77 157.70 of tax.
        {"above the maximum base", 800000, 1, {}, 592213.72},
        // Contributions on the minimum base; 20 000 is below the free amount.
        {"no negative tax", 20000, 1, {}, 10855.94},
        {"a voluntary pension lowers the tax base", 100000, 1, {Assign("voluntarypension", 3000)}, 73242.30},
        {"working state 9 pays neither health nor unemployment", 100000, 9, {}, 78842.30},  // 14 000 and 7 157.70
        {"working state 19 pays tax on the whole gross", 100000, 19, {Assign("voluntarypension", 3000)},
         70100.0},  // 29.9 % of 100 000
        // The taxes of 101 000 are paid; the 1 000 less its 299 of taxes is withheld.
        {"absence is gross for contributions only", 101000, 1, {Assign("absencevalue", 1000)}, 72942.30},
    };
    for (const auto& c : cases) {
        EmployeeSpec e = AgreedGross(c.gross);
        e.workingstateid = c.workingState;
        AddLine(e, Values{Assign("salaryvalue", c.gross)} + c.values);
        dm.CalculateNet();
        EXPECT_DOUBLE_EQ(c.net, Line("paymentvalue")) << c.name;
        EXPECT_FALSE(dm.Calculating) << c.name;
    }
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
