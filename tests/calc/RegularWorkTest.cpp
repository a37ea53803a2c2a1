#include "CalcTest.h"

// Expected amounts, worked by hand: the full month's gross of a net N is
// (N − 2 842.30) / 0.701; the minimum gross is 63 985.31 (see CalcTest).

namespace {

using RegularWork = CalcTest;

const Values MealAndHoliday{{QStringLiteral("mealrefund"), 6000},
                            {QStringLiteral("vacationrefund"), 2000},
                            {QStringLiteral("workingyears"), 10}};  // 0.4 % a year: factor 1.04

}  // namespace

TEST_F(RegularWork, MinimumWageIsTheGrossOfTheMinimumNet) {
    AddLine(MinimumWage());
    EXPECT_EQ(63985.31, LineRegularWork());  // (47 696 − 2 842.30) / 0.701
}

TEST_F(RegularWork, MinimumWageWithTheAllowancesInsideLeavesTheRestToRegularWork) {
    dm.Options.MealVacIncludedInMinSal = true;
    AddLine(MinimumWage(), MealAndHoliday);
    // (63 985.31 − 6 000 − 2 000) / 1.04; the floor finds 1.04 × R + 8 000 = 63 985.31.
    EXPECT_EQ(53832.03, LineRegularWork());
}

TEST_F(RegularWork, MinimumWageForHalfTheMonthProratesTheReliefAndTheFloor) {
    AddLine(MinimumWage(), {{QStringLiteral("workinghours"), 88}});
    // The gross of 23 848 with half the relief is 31 992.65, under half the
    // minimum gross (31 992.655): the floor lifts it to that, to the para.
    EXPECT_EQ(31992.66, LineRegularWork());
}

TEST_F(RegularWork, AgreedGrossWithTheAllowancesInsideIsBackedOut) {
    AddLine(AgreedGross(150000), MealAndHoliday);
    EXPECT_EQ(136538.46, LineRegularWork());  // (150 000 − 6 000 − 2 000) / 1.04
    dm.Options.MealVacNotIncludedInArranSal = true;
    EXPECT_EQ(150000.0, LineRegularWork());
}

TEST_F(RegularWork, AgreedNetIsGrossedUp) {
    AddLine(AgreedNet(100000));
    EXPECT_EQ(138598.72, LineRegularWork());  // (100 000 − 2 842.30) / 0.701
    AddLine(AgreedNet(100000), MealAndHoliday);
    EXPECT_EQ(125575.69, LineRegularWork());  // (138 598.72 − 8 000) / 1.04
    dm.Options.MealVacNotIncludedInArranSal = true;
    EXPECT_EQ(138598.72, LineRegularWork());
}

TEST_F(RegularWork, PointCoefficientTimesThePointValue) {
    AddLine(OnPoints(), {{QStringLiteral("coefficient"), 40}, {QStringLiteral("mealrefund"), 6000},
                         {QStringLiteral("workingyears"), 10}});
    EXPECT_EQ(100000.0, LineRegularWork());  // 40 × 2 500
    // The option reads the other way round here: set, the allowances are inside.
    dm.Options.MealVacIncludedInCoeffSal = true;
    EXPECT_EQ(90384.62, LineRegularWork());  // (100 000 − 6 000) / 1.04
}

TEST_F(RegularWork, NetPointCoefficientIsGrossedUp) {
    AddLine(OnPoints(), MealAndHoliday);
    company.SetLine({{QStringLiteral("netcoefficient"), 30}});
    EXPECT_EQ(102935.38, LineRegularWork());  // (30 × 2 500 − 2 842.30) / 0.701
    dm.Options.MealVacIncludedInCoeffSal = true;
    EXPECT_EQ(91284.02, LineRegularWork());  // (102 935.38 − 8 000) / 1.04
}

TEST_F(RegularWork, TheFirstAgreementWinsAndCoefficientsOfOneAreNone) {
    EmployeeSpec both = AgreedGross(90000);
    both.arrangedpaymentvalue = 80000;
    AddLine(both, {{QStringLiteral("coefficient"), 30}});
    EXPECT_EQ(90000.0, LineRegularWork());
    AddLine(OnPoints());  // coefficient 1, net coefficient 1: the minimum wage
    EXPECT_EQ(63985.31, LineRegularWork());
    EmployeeSpec onMinimum = AgreedGross(90000);
    onMinimum.minsalary = true;
    AddLine(onMinimum);
    EXPECT_EQ(63985.31, LineRegularWork());
}

TEST_F(RegularWork, RoundTaxesMakesAgreedAmountsWholeButNotTheMinimumWage) {
    dm.Options.RoundTaxes = true;
    AddLine(AgreedGross(123456.78), {{QStringLiteral("workinghours"), 88}});
    EXPECT_EQ(61728.0, LineRegularWork());  // half of it, 61 728.39, to the dinar
    AddLine(MinimumWage(), {{QStringLiteral("workinghours"), 88}});
    EXPECT_EQ(31992.66, LineRegularWork());
}

TEST_F(RegularWork, NoPayGivesNothingEvenAfterAllowancesAreBackedOut) {
    AddLine(AgreedGross(5000), MealAndHoliday);  // 5 000 − 8 000 is below zero
    EXPECT_EQ(0.0, LineRegularWork());
}

// The minimum gross floor, with the allowances counted as pay (the default:
// they are outside the agreed amounts) and without.

TEST_F(RegularWork, FloorForAFullMonthLiftsToTheMinimumGrossLessAllowancesAndRaises) {
    AddLine(OnPoints(), {{QStringLiteral("coefficient"), 1.5},  // 3 750
                         {QStringLiteral("mealrefund"), 6000},
                         {QStringLiteral("increment"), 1000}});
    EXPECT_EQ(56985.31, LineRegularWork());  // 63 985.31 − 6 000 − 1 000
    dm.Options.MealVacNotIncludedInArranSal = true;  // allowances no longer count
    EXPECT_EQ(62985.31, LineRegularWork());
}

TEST_F(RegularWork, FloorCountsSupplementsWithoutTheirPremium) {
    AddLine(OnPoints(), {{QStringLiteral("coefficient"), 1.5},
                         {QStringLiteral("nightworkingvalue"), 1260},  // 1 000 at 126 %
                         {QStringLiteral("holidayworkingvalue"), 2100},  // 1 000 at 210 %
                         {QStringLiteral("nightholidayworkingvalue"), 2360}});  // 1 000 at 236 %
    EXPECT_EQ(60985.31, LineRegularWork());
}

TEST_F(RegularWork, FloorForTheHourPriceProbeIsTheMinimumGrossOfAnHour) {
    AddLine(OnPoints(), {{QStringLiteral("coefficient"), 1.5}, {QStringLiteral("workingyears"), 10}});
    // One hour at 1.5 points is 21.31, below 63 985.31 / 176; not rounded.
    EXPECT_DOUBLE_EQ(63985.31 / 176 / 1.04, dm.CalculateRegularWork(1, 0, 1.5, 0, 0, 0, 0, 0, 0, 0, 0));
    dm.Options.MealVacNotIncludedInArranSal = true;
    EXPECT_DOUBLE_EQ(63985.31 / 176, dm.CalculateRegularWork(1, 0, 1.5, 0, 0, 0, 0, 0, 0, 0, 0));
}

TEST_F(RegularWork, FloorForPartOfTheMonthIsItsShareOfTheMinimumGross) {
    AddLine(OnPoints(), {{QStringLiteral("coefficient"), 20},  // 25 000 for 88 hours
                         {QStringLiteral("workinghours"), 88},
                         {QStringLiteral("mealrefund"), 6000}});
    EXPECT_EQ(28992.66, LineRegularWork());  // 31 992.655 − 3 000 of meal allowance
    dm.Options.MealVacNotIncludedInArranSal = true;
    EXPECT_EQ(31992.66, LineRegularWork());
}

TEST_F(RegularWork, FloorTestsMealHoursWithAllowancesAndWorkedHoursWithout) {
    // 168 regular and 10 overtime hours: 178 worked, but only 168 earn a meal.
    AddLine(OnPoints(), {{QStringLiteral("coefficient"), 10},
                         {QStringLiteral("workinghours"), 168},
                         {QStringLiteral("overtimehours"), 10}});
    EXPECT_EQ(64712.42, LineRegularWork());  // 178 / 176 of the minimum gross
    dm.Options.MealVacNotIncludedInArranSal = true;
    EXPECT_EQ(63985.31, LineRegularWork());  // the whole month: the minimum gross
}

TEST_F(RegularWork, ArrangedWorkIsTheAgreedPayForTheHoursWithoutTheFloor) {
    AddLine(MinimumWage());
    EXPECT_EQ(63985.31, dm.CalculateArrangedWork(176));
    AddLine(OnPoints(), {{QStringLiteral("coefficient"), 1.5}});
    EXPECT_EQ(3750.0, dm.CalculateArrangedWork(176));
    EXPECT_EQ(0.0, dm.CalculateArrangedWork(0));
}

TEST_F(RegularWork, ArrangedWorkOfAPartPaymentDocument) {
    company.OpenNewDocument({{QStringLiteral("partcoefficient"), 50}});
    dm.Options.MealVacNotIncludedInArranSal = true;
    AddLine(AgreedGross(100000));
    EXPECT_EQ(50000.0, dm.CalculateArrangedWork(176));
}

TEST_F(RegularWork, ArrangedWorkIsDecreasedDownToTheThresholdAndNoFurther) {
    // A threshold net of 44 902.30 is a gross of 60 000.
    company.OpenNewDocument({{QStringLiteral("netdecreasepercent"), 10},
                             {QStringLiteral("netdecreaseminvalue"), 44902.30}});
    dm.Options.MealVacNotIncludedInArranSal = true;
    AddLine(AgreedGross(50000));
    EXPECT_EQ(50000.0, dm.CalculateArrangedWork(176));
    AddLine(AgreedGross(100000));
    EXPECT_EQ(90000.0, dm.CalculateArrangedWork(176));
    AddLine(AgreedGross(64000));
    EXPECT_EQ(60000.0, dm.CalculateArrangedWork(176));
}

TEST_F(RegularWork, ArrangedWorkUnderRoundTaxesDecreasesAWholeAmount) {
    company.OpenNewDocument({{QStringLiteral("netdecreasepercent"), 10},
                             {QStringLiteral("netdecreaseminvalue"), 44902.30}});
    dm.Options.MealVacNotIncludedInArranSal = true;
    AddLine(AgreedGross(100000.50));
    EXPECT_EQ(90000.45, dm.CalculateArrangedWork(176));
    dm.Options.RoundTaxes = true;
    EXPECT_EQ(90000.0, dm.CalculateArrangedWork(176));  // 100 000.50 is 100 000, halves to even
}
