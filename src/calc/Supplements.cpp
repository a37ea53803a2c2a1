// Prices of night, overtime, holiday and night-holiday hours (the regular
// hour price raised by the option's percentage) and of absence, which is
// valued at the minimum contribution base.

#include "CalcRounding.h"
#include "CalcSupport.h"
#include "CalcTrace.h"
#include "SalaryDM.h"
#include "Supplements.h"

void TraceSupplement(TCalcTrace& trace, const char* title, long double hours, long double hourPrice,
                     long double percent, long double value) {
    trace.add(TTraceKind::Note, QString::fromUtf8(title), QStringLiteral("sati × cena sata × (1 + dodatak / 100)"),
              {{QStringLiteral("sati"), double(hours)},
               {QStringLiteral("cena sata"), double(hourPrice)},
               {QStringLiteral("dodatak %"), double(percent)}},
              value);
}

double TSalaryDM::CalculateNightWorking(double Price, double Hours, double Base) {
    if (SalaryItemZQ->isEmpty())
        return 0;
    EditLine(*this);
    // Overtime hours are priced with this too, at the night percentage.
    return double(SupplementValue(Price, Hours, Base, Options.NightWorkingCoef, nullptr, nullptr));
}

double TSalaryDM::CalculateHolidayWorking(double Price, double Base, int Hours) {
    if (SalaryItemZQ->isEmpty())
        return 0;
    EditLine(*this);
    return double(SupplementValue(Price, Hours, Base, Options.HolidayWorkingCoef, nullptr, nullptr));
}

double TSalaryDM::CalculateNightHolidayWorking(double Price, double Base, int Hours) {
    if (SalaryItemZQ->isEmpty())
        return 0;
    EditLine(*this);
    return double(SupplementValue(Price, Hours, Base, Options.NightWorkingCoef + Options.HolidayWorkingCoef, nullptr, nullptr));
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
