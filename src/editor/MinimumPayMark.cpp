#include "MinimumPayMark.h"

#include "Rounding.h"
#include "db/DataSet.h"

namespace {

// The columns the marking reads, in the order of the enum below.
const char* const MarkColumns[] = {"workinghours",        "nightworkinghours",        "holidayworkinghours",
                                   "nightholidayworkinghours", "overtimehours",       "mealrefund",
                                   "vacationrefund",      "nightworkingvalue",        "overtimevalue",
                                   "holidayworkingvalue", "nightholidayworkingvalue", "regularwork",
                                   "increment",           "decrement",                "workingyears",
                                   "paymentnetvalue"};
enum Column {
    Working, Night, Holiday, NightHoliday, Overtime, Meal, Vacation, NightValue, OvertimeValue, HolidayValue,
    NightHolidayValue, Regular, Increment, Decrement, Years, ForPayment
};

}  // namespace

TMinimumPayMarker::TMinimumPayMarker(const TDataSet& lines) : lines_(lines) {
    for (const char* column : MarkColumns)
        columns_.push_back(lines.fieldByName(QLatin1String(column))->index());
}

TLineMark TMinimumPayMarker::MarkOf(const TMinimumPayBasis& b, int row) const {
    const auto v = [&](Column c) -> long double {
        if (lines_.isEditing() && row == lines_.currentIndex())
            return NumberOf((*lines_.currentValues())[size_t(columns_[c])]);
        return NumberOf(lines_.valueAt(row, columns_[c]));
    };
    if (BetterRoundTo(double(v(ForPayment)), -2) < 0)
        return TLineMark::Negative;
    const long double H = b.fundHours;
    if (H <= 0)
        return TLineMark::None;
    const long double N = b.nightCoef, D = b.holidayCoef;
    const long double worked = v(Working) + v(Night) + v(Overtime) + v(Holiday) + v(NightHoliday);
    const long double present = v(Night) + v(Working) + v(Holiday) + v(NightHoliday);
    const long double meal = present >= H
        ? v(Meal) + v(Vacation)
        : BetterRoundTo(double(present / H * v(Meal)), -2) + v(Vacation);
    const long double supplements = v(NightValue) / (N / 100 + 1) + v(OvertimeValue) / (N / 100 + 1)
        + v(HolidayValue) / (D / 100 + 1) + v(NightHolidayValue) / ((N + D) / 100 + 1);
    const TSalaryOptions& o = b.options;
    const long double pay = !o.MealVacIncludedInMinSal && o.MealVacNotIncludedInArranSal && !o.MealVacIncludedInCoeffSal
        ? v(Regular) + v(Increment) - v(Decrement) + supplements
        : (1 + v(Years) * b.workingYearsPercent / 100) * v(Regular) + meal + v(Increment) - v(Decrement) + supplements;
    const long double A = BetterRoundTo(double(pay), -2) + 0.5L;
    const long double floor = worked < H ? BetterRoundTo(double(b.minimumGross / H * worked), -2) : b.minimumGross;
    return A < floor ? TLineMark::Short : TLineMark::None;
}
