#include "CalcTest.h"

// One employee's month from the hours to the amount for payment, in the
// order the editor calculates a line.

namespace {

using WholeLine = CalcTest;

}  // namespace

TEST_F(WholeLine, AgreedGrossWithNightHolidayOvertimeNetDecreaseAndDeductions) {
    company.OpenNewDocument({{QStringLiteral("netdecreasepercent"), 10},
                             {QStringLiteral("netdecreaseminvalue"), 60000}});
    dm.Options.MealVacNotIncludedInArranSal = true;
    const EmployeeSpec e = AgreedGross(120000);
    const qint64 employee = company.AddEmployee(e);
    const qint64 deductions = company.AddDeductionSet(
        employee, {{{QStringLiteral("creditpercent"), 5}}, {{QStringLiteral("creditvalue"), 3000}}});
    company.AddLine(employee, e,
                    {{QStringLiteral("workinghours"), 152},
                     {QStringLiteral("nightworkinghours"), 16},
                     {QStringLiteral("holidayworkinghours"), 8},
                     {QStringLiteral("overtimehours"), 2.5},
                     {QStringLiteral("workingyears"), 5},
                     {QStringLiteral("mealrefund"), 6000},
                     {QStringLiteral("vacationrefund"), 2000},
                     {QStringLiteral("voluntarypension"), 1000},
                     {QStringLiteral("salarycreditid"), deductions}});
    company.CalculateLine();

    EXPECT_EQ(103636.36, Line("regularwork"));        // 120 000 × 152 / 176
    EXPECT_EQ(13745.45, Line("nightworkingvalue"));   // 16 hours at 126 % of 681.82
    EXPECT_EQ(2147.73, Line("overtimevalue"));
    EXPECT_EQ(11454.55, Line("holidayworkingvalue"));
    // Years of service on 178.5 worked hours, meal, holiday allowance, supplements.
    EXPECT_EQ(141418.18, Line("salaryvalue"));
    EXPECT_DOUBLE_EQ(102076.43, Line("paymentvalue"));
    EXPECT_EQ(92723.83, Line("paymentdecreasedvalue"));
    EXPECT_DOUBLE_EQ(8636.19, Line("credits"));  // 1 000 + 4 636.19 + 3 000
    EXPECT_DOUBLE_EQ(84087.64, Line("paymentnetvalue"));

    // The line is stored as calculated.
    company.Apply();
    EXPECT_DOUBLE_EQ(84087.64, Line("paymentnetvalue"));
    EXPECT_DOUBLE_EQ(8636.19, Line("credits"));
}
