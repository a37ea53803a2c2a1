#include "CalcTest.h"

#include <vector>

namespace {

using Supplements = CalcTest;

}  // namespace

TEST_F(Supplements, NightHolidayAndOvertimeHoursAtTheRegularHourPriceWithThePremiumOfTheOptions) {
    // 8 night, 2.5 overtime, 8 holiday and 8 night holiday hours of 88 000 for the hours given.
    const auto prices = [this](double hours) {
        return std::vector<double>{dm.CalculateNightWorking(88000, 8, hours), dm.CalculateNightWorking(88000, 2.5, hours),
                                   dm.CalculateHolidayWorking(88000, hours, 8),
                                   dm.CalculateNightHolidayWorking(88000, hours, 8)};
    };
    const std::vector<double> nothing(4, 0.0);
    EXPECT_EQ(nothing, prices(176)) << "an empty document prices nothing";
    EXPECT_EQ(0.0, dm.CalculateAbsence(16, 176, 44000));
    EXPECT_EQ(DataSetState::Browse, dm.SalaryItemZQ->state());

    AddLine(AgreedGross(88000));
    EXPECT_EQ((std::vector<double>{5040, 1575, 8400, 9440}), prices(176));  // 500 an hour at 126, 126, 210, 236 %
    EXPECT_EQ(DataSetState::Insert, dm.SalaryItemZQ->state());
    EXPECT_EQ(nothing, prices(0)) << "without a base there is no hour price";
    dm.Options.NightWorkingCoef = 30;
    dm.Options.HolidayWorkingCoef = 100;
    EXPECT_EQ((std::vector<double>{5200, 1625, 8000, 9200}), prices(176));  // 130, 130, 200, 230 %
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
