#include "SalaryTriggerSupport.h"

#include "CalcResourceStrings.h"
#include "CalcRounding.h"
#include "CalcSupport.h"
#include "RegularWorkVariants.h"
#include "SalaryDM.h"

bool RecalculationSuspended(const TSalaryDM& dm) { return dm.SuspendRecalculation || dm.Calculating; }

bool LineHoursWithinFund(TSalaryDM& dm) {
    const TLineValues& l = CurrentLine(dm);
    // Overtime is worked on top of the fund and never counts against it.
    const long double hours = l.vacationhours + l.workinghours + l.sickhours + l.longsickhours + l.nightworkinghours
        + l.holidayworkinghours + l.nightholidayworkinghours + l.paidleavehours + l.publicholidayhours
        + l.absencehours;
    if (hours <= CurrentDocument(dm).workinghours)
        return true;
    const QString name = LineField(dm, "lastname")->asString() + QLatin1Char(' ') + LineField(dm, "firstname")->asString();
    dm.Messages().error(QString::fromUtf8(_SALARY_ITEM_HOURS_ERR).arg(name));
    return false;
}

double HourPrice(TSalaryDM& dm, double coefficient) {
    THours hour;
    hour.workinghours = 1;
    return double(RegularWorkForHours(dm, hour, coefficient, nullptr));
}

SupplementPrice LineSupplementPrice(TSalaryDM& dm) {
    const TLineValues& l = CurrentLine(dm);
    if (l.regularwork == 0)
        return {HourPrice(dm, double(l.coefficient)), 1};
    return {double(l.regularwork), double(l.workinghours)};
}

void WriteLinePercentages(TSalaryDM& dm, bool priceWithoutRegularWork) {
    CalculatingScope calculating(dm.Calculating);
    EditLine(dm);
    const TLineValues l = CurrentLine(dm);
    const long double worked = l.hours().worked();
    const long double supplementHours = worked - l.workinghours;
    long double decrement = 0, increment = 0;
    if (l.regularwork > 0) {
        if (worked > 0) {
            decrement = l.decrement / l.regularwork * 100 * l.workinghours / worked;
            increment = l.increment / l.regularwork * 100 * l.workinghours / worked;
        }
    } else if (priceWithoutRegularWork && worked > 0 && supplementHours > 0) {
        const long double price = HourPrice(dm, double(l.coefficient));
        if (price != 0) {
            decrement = l.decrement / price * 100 / supplementHours;
            increment = l.increment / price * 100 / supplementHours;
        }
    }
    SetAmount(LineField(dm, "decrementperc"), decrement);
    SetAmount(LineField(dm, "incrementperc"), increment);
}

void ReplaceInGross(TSalaryDM& dm, double oldValue, double newValue) {
    TField* gross = dm.CalcState().fields.line.salaryvalue;
    const long double value = static_cast<long double>(gross->asFloat()) - oldValue + newValue;
    SetAmount(gross, dm.Options.RoundTaxes ? Round(value) : value);
}

void WriteLineVacationRefund(TSalaryDM& dm) {
    const TDocumentValues d = CurrentDocument(dm);
    const long double worked = CurrentLine(dm).hours().worked();
    long double refund = d.vacationrefund;
    if (dm.Options.VacOnlyForEffectiveHours && worked < d.workinghours)
        refund = d.vacationrefund / d.workinghours * worked;
    EditLine(dm);
    SetAmount(dm.CalcState().fields.line.vacationrefund, refund);
}

TField* LineField(TSalaryDM& dm, const char* name) { return dm.SalaryItemZQ->fieldByName(QLatin1String(name)); }
