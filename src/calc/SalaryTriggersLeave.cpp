// Change handlers of the leave, sick-leave and absence hours of a line:
// the hours are checked against the month's fund, then the compensation
// replaces its old value in the gross. In a sick-leave document the long
// sick leave, maternity and child care make up the gross on their own.

#include "CalcResourceStrings.h"
#include "CalcRounding.h"
#include "CalcSupport.h"
#include "SalaryDM.h"
#include "SalaryTriggerSupport.h"

namespace {

bool sickLeaveDocument(TSalaryDM& dm) { return CurrentDocument(dm).salarytype == QLatin1Char('B'); }

// The hours a sick-leave document pays, against its fund; the error names
// the employee as the line hours check does.
bool sickLeaveHoursWithinFund(TSalaryDM& dm) {
    const TLineValues& l = CurrentLine(dm);
    if (l.longsickhours + l.maternityleavehours + l.childcareleavehours <= CurrentDocument(dm).workinghours)
        return true;
    const QString name = LineField(dm, "lastname")->asString() + QLatin1Char(' ') + LineField(dm, "firstname")->asString();
    dm.Messages().error(QString::fromUtf8(_SALARY_ITEM_HOURS_ERR).arg(name));
    return false;
}

// The hours check a handler makes: a sick-leave document's own in such a
// document, else the line's.
bool hoursWithinFund(TSalaryDM& dm) {
    return sickLeaveDocument(dm) ? sickLeaveHoursWithinFund(dm) : LineHoursWithinFund(dm);
}

// Writes a compensation and keeps the gross in step with it.
void replaceCompensation(TSalaryDM& dm, TField* value, double amount) {
    EditLine(dm);
    const double old = value->asFloat();
    value->setAsFloat(amount);
    ReplaceInGross(dm, old, amount);
}

// Writes a compensation of a sick-leave document: its value handler makes the gross.
void writeSickLeaveValue(TSalaryDM& dm, TField* value, double amount) {
    EditLine(dm);
    value->setAsFloat(amount);
}

}  // namespace

void TSalaryDM::SalaryItemZQvacationhoursChange(TField&) {
    if (!LineHoursWithinFund(*this) || RecalculationSuspended(*this))
        return;
    replaceCompensation(*this, CalcState().fields.line.vacationvalue, CalculateVacation());
}

void TSalaryDM::SalaryItemZQsickhoursChange(TField&) {
    if (!LineHoursWithinFund(*this) || RecalculationSuspended(*this))
        return;
    replaceCompensation(*this, CalcState().fields.line.sickvalue, CalculateSick());
}

void TSalaryDM::SalaryItemZQpaidleavehoursChange(TField& Sender) {
    if (!LineHoursWithinFund(*this) || RecalculationSuspended(*this))
        return;
    replaceCompensation(*this, CalcState().fields.line.paidleavevalue, CalculatePaidLeave(Sender.asInteger()));
}

void TSalaryDM::SalaryItemZQpublicholidayhoursChange(TField& Sender) {
    if (!LineHoursWithinFund(*this) || RecalculationSuspended(*this))
        return;
    replaceCompensation(*this, CalcState().fields.line.publicholidayvalue, CalculatePaidLeave(Sender.asInteger()));
}

void TSalaryDM::SalaryItemZQabsencehoursChange(TField& Sender) {
    if (!LineHoursWithinFund(*this) || RecalculationSuspended(*this))
        return;
    const TDocumentValues& d = CurrentDocument(*this);
    replaceCompensation(*this, CalcState().fields.line.absencevalue,
                        CalculateAbsence(Sender.asInteger(), double(d.workinghours), double(d.minsalaryvalue)));
}

void TSalaryDM::SalaryItemZQsickpercentChange(TField&) {
    if (!hoursWithinFund(*this) || RecalculationSuspended(*this))
        return;
    const TLineFields& f = CalcState().fields.line;
    replaceCompensation(*this, f.sickvalue, CalculateSick());
    if (sickLeaveDocument(*this))
        writeSickLeaveValue(*this, f.longsickvalue, CalculateLongSick());
}

void TSalaryDM::SalaryItemZQlongsickhoursChange(TField&) {
    if (!hoursWithinFund(*this) || RecalculationSuspended(*this) || !sickLeaveDocument(*this))
        return;
    writeSickLeaveValue(*this, CalcState().fields.line.longsickvalue, CalculateLongSick());
}

void TSalaryDM::SalaryItemZQchildcareleavehoursChange(TField&) {
    if (!sickLeaveDocument(*this))
        return;
    if (!sickLeaveHoursWithinFund(*this) || RecalculationSuspended(*this))
        return;
    writeSickLeaveValue(*this, CalcState().fields.line.childcareleavevalue, CalculateChildCare());
}

void TSalaryDM::SalaryItemZQmaternityleavehoursChange(TField&) {
    if (!sickLeaveHoursWithinFund(*this) || RecalculationSuspended(*this) || !sickLeaveDocument(*this))
        return;
    writeSickLeaveValue(*this, CalcState().fields.line.maternityleavevalue, CalculateMaternityLeave());
}

void TSalaryDM::SalaryItemZQlongsickvalueChange(TField&) {
    if (!sickLeaveDocument(*this) || RecalculationSuspended(*this))
        return;
    const TLineValues& l = CurrentLine(*this);
    const long double gross = l.maternityleavevalue + l.longsickvalue + l.childcareleavevalue + l.increment
        - l.decrement + l.difference + l.mealrefund + l.vacationrefund;
    EditLine(*this);
    SetAmount(CalcState().fields.line.salaryvalue, RoundedAmount(gross, Options.RoundTaxes));
}
