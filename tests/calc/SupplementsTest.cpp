#include "CalcTest.h"

namespace {

using Supplements = CalcTest;

}  // namespace

TEST_F(Supplements, NightHolidayAndOvertimeHoursAtTheRegularHourPriceWithTheirPremium) {
    AddLine(AgreedGross(88000));
    // 88 000 for 176 hours is 500 an hour.
    EXPECT_EQ(5040.0, dm.CalculateNightWorking(88000, 8, 176));           // 126 %
    EXPECT_EQ(1575.0, dm.CalculateNightWorking(88000, 2.5, 176));         // overtime, also 126 %
    EXPECT_EQ(8400.0, dm.CalculateHolidayWorking(88000, 176, 8));         // 210 %
    EXPECT_EQ(9440.0, dm.CalculateNightHolidayWorking(88000, 176, 8));    // 236 %
    EXPECT_EQ(DataSetState::Insert, dm.SalaryItemZQ->state());
}

TEST_F(Supplements, PercentagesComeFromTheOptions) {
    AddLine(AgreedGross(88000));
    dm.Options.NightWorkingCoef = 30;
    dm.Options.HolidayWorkingCoef = 100;
    EXPECT_EQ(5200.0, dm.CalculateNightWorking(88000, 8, 176));
    EXPECT_EQ(1625.0, dm.CalculateNightWorking(88000, 2.5, 176));
    EXPECT_EQ(8000.0, dm.CalculateHolidayWorking(88000, 176, 8));
    EXPECT_EQ(9200.0, dm.CalculateNightHolidayWorking(88000, 176, 8));  // 230 %
}

TEST_F(Supplements, WithoutABaseThereIsNoHourPrice) {
    AddLine(AgreedGross(88000), {{QStringLiteral("workinghours"), 0}});
    EXPECT_EQ(0.0, dm.CalculateNightWorking(88000, 8, 0));
    EXPECT_EQ(0.0, dm.CalculateHolidayWorking(88000, 0, 8));
    EXPECT_EQ(0.0, dm.CalculateNightHolidayWorking(88000, 0, 8));
}

TEST_F(Supplements, WithoutRegularWorkTheHourPriceIsThePriceOfOneHour) {
    AddLine(OnPoints(), {{QStringLiteral("coefficient"), 20}});
    // One hour at 20 points is 284.09, under the minimum gross of an hour.
    const double hour = dm.CalculateRegularWork(1, 0, 20, 0, 0, 0, 0, 0, 0, 0, 0);
    EXPECT_DOUBLE_EQ(63985.31 / 176, hour);
    EXPECT_EQ(3664.61, dm.CalculateNightWorking(hour, 8, 1));
}

TEST_F(Supplements, AbsenceIsValuedAtTheMinimumBaseForItsShareOfTheMonth) {
    AddLine(AgreedGross(88000));
    EXPECT_EQ(4000.0, dm.CalculateAbsence(16, 176, 44000));
    EXPECT_EQ(0.0, dm.CalculateAbsence(16, 0, 44000));
    company.OpenNewDocument({{QStringLiteral("partcoefficient"), 50}});
    AddLine(AgreedGross(88000));
    EXPECT_EQ(2000.0, dm.CalculateAbsence(16, 176, 44000));
}

TEST_F(Supplements, AnEmptyDocumentPricesNothing) {
    EXPECT_EQ(0.0, dm.CalculateNightWorking(88000, 8, 176));
    EXPECT_EQ(0.0, dm.CalculateHolidayWorking(88000, 176, 8));
    EXPECT_EQ(0.0, dm.CalculateNightHolidayWorking(88000, 176, 8));
    EXPECT_EQ(0.0, dm.CalculateAbsence(16, 176, 44000));
    EXPECT_EQ(DataSetState::Browse, dm.SalaryItemZQ->state());
}
