// Prices of night, overtime, holiday and night-holiday hours (the regular
// hour price raised by the option's percentage) and of absence, which is
// valued at the minimum contribution base.

#include "CalcRounding.h"
#include "CalcSupport.h"
#include "SalaryDM.h"

namespace {

// Hours at the hour price Price / Base, raised by `percent`.
long double supplement(long double price, long double hours, long double base, long double percent) {
    if (base <= 0)
        return 0;
    return RND(hours * price / base * (1 + percent / 100));
}

}  // namespace

double TSalaryDM::CalculateNightWorking(double Price, double Hours, double Base) {
    if (SalaryItemZQ->isEmpty())
        return 0;
    EditLine(*this);
    // Overtime hours are priced with this too, at the night percentage.
    return double(supplement(Price, Hours, Base, Options.NightWorkingCoef));
}

double TSalaryDM::CalculateHolidayWorking(double Price, double Base, int Hours) {
    if (SalaryItemZQ->isEmpty())
        return 0;
    EditLine(*this);
    return double(supplement(Price, Hours, Base, Options.HolidayWorkingCoef));
}

double TSalaryDM::CalculateNightHolidayWorking(double Price, double Base, int Hours) {
    if (SalaryItemZQ->isEmpty())
        return 0;
    EditLine(*this);
    return double(supplement(Price, Hours, Base, Options.NightWorkingCoef + Options.HolidayWorkingCoef));
}

double TSalaryDM::CalculateAbsence(int AbsenceHours, double Fund, double MinBase) {
    if (SalaryItemZQ->isEmpty())
        return 0;
    EditLine(*this);
    if (Fund <= 0)
        return 0;
    const long double part = CalcState().fields.document.partcoefficient->asFloat();
    return double(RND(part / 100 * AbsenceHours / Fund * MinBase));
}
