// Change handlers of the supplement hours of a line: night, overtime,
// holiday and night-holiday work, each priced at the line's hour price.

#include "CalcSupport.h"
#include "SalaryDM.h"
#include "SalaryTriggerSupport.h"

namespace {

// The steps all four handlers share: the gross with the old supplement,
// the new supplement replacing it, the percentages, the holiday allowance.
template <class Pricing>
void repriceSupplement(TSalaryDM& dm, TField* value, Pricing pricing) {
    const SupplementPrice p = LineSupplementPrice(dm);
    const double oldValue = value->asFloat();
    EditLine(dm);
    const TLineFields& f = dm.CalcState().fields.line;
    f.salaryvalue->setAsFloat(dm.CalculateGross(f.regularwork->asFloat()));
    const double newValue = pricing(p);
    value->setAsFloat(newValue);
    ReplaceInGross(dm, oldValue, newValue);
    WriteLinePercentages(dm, false);
    WriteLineVacationRefund(dm);
}

}  // namespace

void TSalaryDM::SalaryItemZQnightworkinghoursChange(TField& Sender) {
    if (!LineHoursWithinFund(*this) || RecalculationSuspended(*this))
        return;
    repriceSupplement(*this, CalcState().fields.line.nightworkingvalue, [&](const SupplementPrice& p) {
        return CalculateNightWorking(p.price, Sender.asFloat(), p.base);
    });
}

void TSalaryDM::SalaryItemZQovertimehoursChange(TField& Sender) {
    if (RecalculationSuspended(*this))
        return;
    repriceSupplement(*this, CalcState().fields.line.overtimevalue, [&](const SupplementPrice& p) {
        return CalculateNightWorking(p.price, Sender.asFloat(), p.base);
    });
}

void TSalaryDM::SalaryItemZQholidayworkinghoursChange(TField& Sender) {
    if (RecalculationSuspended(*this))
        return;
    repriceSupplement(*this, CalcState().fields.line.holidayworkingvalue, [&](const SupplementPrice& p) {
        return CalculateHolidayWorking(p.price, p.base, Sender.asInteger());
    });
}

void TSalaryDM::SalaryItemZQnightholidayworkinghoursChange(TField& Sender) {
    if (RecalculationSuspended(*this))
        return;
    repriceSupplement(*this, CalcState().fields.line.nightholidayworkingvalue, [&](const SupplementPrice& p) {
        return CalculateNightHolidayWorking(p.price, p.base, Sender.asInteger());
    });
}
