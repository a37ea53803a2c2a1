#include "CalcTest.h"

#include <optional>

// Expected amounts, worked by hand: the full month's gross of a net N is
// (N − 2 842.30) / 0.701; the minimum gross is 63 985.31 (see CalcTest).

namespace {

using RegularWork = CalcTest;

const Values MealAndHoliday{{QStringLiteral("mealrefund"), 6000},
                            {QStringLiteral("vacationrefund"), 2000},
                            {QStringLiteral("workingyears"), 10}};  // 0.4 % a year: factor 1.04

}  // namespace

// Each case is a line of its own; `withOption` is its regular work again
// once the option is set (the options are reset for every case).
TEST_F(RegularWork, FollowsThePayBasisTheAllowancesAndTheMinimumGrossFloor) {
    using Option = bool TSalaryOptions::*;
    constexpr Option inMinimum = &TSalaryOptions::MealVacIncludedInMinSal;
    constexpr Option outsideAgreed = &TSalaryOptions::MealVacNotIncludedInArranSal;
    constexpr Option inPoints = &TSalaryOptions::MealVacIncludedInCoeffSal;
    EmployeeSpec bothAgreements = AgreedGross(90000);
    bothAgreements.arrangedpaymentvalue = 80000;
    EmployeeSpec agreedOnMinimum = AgreedGross(90000);
    agreedOnMinimum.minsalary = true;
    const struct {
        const char* name;
        EmployeeSpec employee;
        Values values;
        std::optional<double> expected;
        Option option = nullptr;
        double withOption = 0;
    } cases[] = {
        {"minimum wage: the gross of the minimum net", MinimumWage(), {}, 63985.31},
        // (63 985.31 − 6 000 − 2 000) / 1.04; the floor finds 1.04 × R + 8 000 = 63 985.31.
        {"minimum wage, allowances inside", MinimumWage(), MealAndHoliday, {}, inMinimum, 53832.03},
        // The gross of 23 848 with half the relief is 31 992.65, under half the
        // minimum gross (31 992.655): the floor lifts it to that, to the para.
        // RoundTaxes leaves the minimum wage as it is.
        {"minimum wage for half the month", MinimumWage(), {Assign("workinghours", 88)}, 31992.66, &TSalaryOptions::RoundTaxes,
         31992.66},
        // RoundTaxes makes an agreed amount whole.
        {"agreed gross for half the month", AgreedGross(123456.78), {Assign("workinghours", 88)}, 61728.39,
         &TSalaryOptions::RoundTaxes, 61728},
        // (150 000 − 6 000 − 2 000) / 1.04
        {"agreed gross, allowances inside", AgreedGross(150000), MealAndHoliday, 136538.46, outsideAgreed, 150000},
        {"agreed net", AgreedNet(100000), {}, 138598.72},  // (100 000 − 2 842.30) / 0.701
        // (138 598.72 − 8 000) / 1.04
        {"agreed net, allowances inside", AgreedNet(100000), MealAndHoliday, 125575.69, outsideAgreed, 138598.72},
        // 40 × 2 500; the option reads the other way round here: set, the
        // allowances are inside: (100 000 − 6 000) / 1.04.
        {"points", OnPoints(), {Assign("coefficient", 40), Assign("mealrefund", 6000), Assign("workingyears", 10)}, 100000, inPoints,
         90384.62},
        // (30 × 2 500 − 2 842.30) / 0.701, then (102 935.38 − 8 000) / 1.04
        {"net points", OnPoints(), MealAndHoliday + Values{Assign("netcoefficient", 30)}, 102935.38, inPoints, 91284.02},
        {"the first agreement wins", bothAgreements, {Assign("coefficient", 30)}, 90000},
        {"coefficients of one are none", OnPoints(), {}, 63985.31},
        {"the minimum wage before an agreed gross", agreedOnMinimum, {}, 63985.31},
        {"no pay after the allowances", AgreedGross(5000), MealAndHoliday, 0},  // 5 000 − 8 000 is below zero
        // The floor, with the allowances counted as pay (the default: they
        // are outside the agreed amounts) and without. 1.5 points are 3 750;
        // 63 985.31 − 6 000 − 1 000.
        {"floor less allowances and raises", OnPoints(),
         {Assign("coefficient", 1.5), Assign("mealrefund", 6000), Assign("increment", 1000)}, 56985.31, outsideAgreed, 62985.31},
        // 1 000 each at 126, 210 and 236 %.
        {"floor counts supplements without their premium", OnPoints(),
         {Assign("coefficient", 1.5), Assign("nightworkingvalue", 1260), Assign("holidayworkingvalue", 2100),
          Assign("nightholidayworkingvalue", 2360)},
         60985.31},
        // 25 000 for 88 hours; 31 992.655 less 3 000 of meal allowance.
        {"floor for part of the month", OnPoints(), {Assign("coefficient", 20), Assign("workinghours", 88), Assign("mealrefund", 6000)},
         28992.66, outsideAgreed, 31992.66},
        // 168 regular and 10 overtime hours: with the allowances the floor is
        // 178 / 176 of the minimum gross (only 168 hours earn a meal); without, the whole month's.
        {"floor of meal hours and of worked hours", OnPoints(),
         {Assign("coefficient", 10), Assign("workinghours", 168), Assign("overtimehours", 10)}, 64712.42, outsideAgreed, 63985.31},
    };
    const TSalaryOptions defaults = dm.Options;
    for (const auto& c : cases) {
        dm.Options = defaults;
        AddLine(c.employee, c.values);
        if (c.expected) {
            EXPECT_EQ(*c.expected, LineRegularWork()) << c.name;
        }
        if (c.option) {
            dm.Options.*c.option = true;
            EXPECT_EQ(c.withOption, LineRegularWork()) << c.name << ", with the option";
        }
    }
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
