// Change handlers of a salary line: hours, regular work, deduction and
// raise, gross and net.

#include "CalcRounding.h"
#include "CalcSupport.h"
#include "SalaryDM.h"
#include "SalaryTriggerSupport.h"
#include "db/Connection.h"

#include <QSqlQuery>

void RepriceLineSupplements(TSalaryDM& dm) {
    const TLineFields& f = dm.CalcState().fields.line;
    const SupplementPrice p = LineSupplementPrice(dm);
    const auto replace = [&dm](TField* value, double newValue) {
        const double oldValue = value->asFloat();
        EditLine(dm);
        value->setAsFloat(newValue);
        ReplaceInGross(dm, oldValue, newValue);
    };
    replace(f.nightworkingvalue, dm.CalculateNightWorking(p.price, f.nightworkinghours->asFloat(), p.base));
    replace(f.overtimevalue, dm.CalculateNightWorking(p.price, f.overtimehours->asFloat(), p.base));
    replace(f.holidayworkingvalue, dm.CalculateHolidayWorking(p.price, p.base, f.holidayworkinghours->asInteger()));
    const double oldNightHoliday = f.nightholidayworkingvalue->asFloat();
    f.salaryvalue->setAsFloat(dm.CalculateGross(f.regularwork->asFloat()));
    const double nightHoliday =
        dm.CalculateNightHolidayWorking(p.price, p.base, f.nightholidayworkinghours->asInteger());
    f.nightholidayworkingvalue->setAsFloat(nightHoliday);
    ReplaceInGross(dm, oldNightHoliday, nightHoliday);
    WriteLinePercentages(dm, true);
}

namespace {

// The transport allowance of a line: the zone's price for the hours the
// line has of the document's fund. Without a zone the net stays.
void priceTransportLine(TSalaryDM& dm) {
    const TDocumentValues d = CurrentDocument(dm);
    if (d.workinghours <= 0)
        return;
    QSqlQuery zone = dm.ZConnection()->exec(
        QStringLiteral("SELECT z.price FROM employee AS e JOIN employeetransportzone AS z "
                       "ON z.employeetransportzoneid = e.employeetransportzoneid WHERE e.employeeid = ?"),
        {LineField(dm, "employeeid")->value()});
    if (!zone.next())
        return;
    const TLineFields& f = dm.CalcState().fields.line;
    SetAmount(f.paymentvalue, RND(f.workinghours->asFloat() * zone.value(0).toDouble() / d.workinghours));
}

// Writes the deduction (or raise) from its percentage of the regular pay
// of the worked hours; without regular work, of the hour price over the
// supplement hours.
void amountFromPercentage(TSalaryDM& dm, TField* amount, double percent) {
    const TLineValues l = CurrentLine(dm);
    const long double worked = l.hours().worked();
    long double value = 0;
    if (l.regularwork != 0) {
        if (l.workinghours != 0)
            value = percent / 100.0L * l.regularwork / l.workinghours * worked;
    } else {
        value = percent / 100.0L * HourPrice(dm, double(l.coefficient)) * (worked - l.workinghours);
    }
    EditLine(dm);
    SetAmount(amount, value);
}

}  // namespace

void TSalaryDM::SalaryItemZQworkinghoursChange(TField&) {
    if (!LineHoursWithinFund(*this) || RecalculationSuspended(*this))
        return;
    const TLineFields& f = CalcState().fields.line;
    if (CurrentDocument(*this).salarytype == QLatin1Char('Z')) {
        const TLineValues l = CurrentLine(*this);
        f.regularwork->setAsFloat(CalculateRegularWork(
            double(l.workinghours), double(l.overtimehours), double(l.coefficient), int(l.vacationhours),
            int(l.sickhours), int(l.longsickhours), int(l.nightworkinghours), int(l.holidayworkinghours),
            int(l.nightholidayworkinghours), int(l.paidleavehours), int(l.publicholidayhours)));
        const double outturn = LineField(*this, "outturn")->asFloat();
        f.regularwork->setAsFloat(double(RND(f.regularwork->asFloat() * outturn / 100)));
        RepriceLineSupplements(*this);
        WriteLineVacationRefund(*this);
        return;
    }
    {
        CalculatingScope calculating(Calculating);
        priceTransportLine(*this);
    }
    CalculateOtherGrossFromNet();
}

void TSalaryDM::SalaryItemZQregularworkChange(TField&) {
    if (RecalculationSuspended(*this))
        return;
    const TLineFields& f = CalcState().fields.line;
    f.salaryvalue->setAsFloat(CalculateGross(f.regularwork->asFloat()));
    WriteLinePercentages(*this, true);
}

void TSalaryDM::SalaryItemZQdecrementpercChange(TField& Sender) {
    if (RecalculationSuspended(*this))
        return;
    amountFromPercentage(*this, CalcState().fields.line.decrement, Sender.asFloat());
}

void TSalaryDM::SalaryItemZQincrementpercChange(TField& Sender) {
    if (RecalculationSuspended(*this))
        return;
    amountFromPercentage(*this, CalcState().fields.line.increment, Sender.asFloat());
}

void TSalaryDM::SalaryItemZQsalaryvalueChange(TField&) {
    if (RecalculationSuspended(*this))
        return;
    const QChar type = CurrentDocument(*this).salarytype;
    if (type == QLatin1Char('Z') || type == QLatin1Char('B'))
        CalculateNet();
}

void TSalaryDM::SalaryItemZQpaymentvalueChange(TField&) {
    if (!SuspendRecalculation && !Calculating) {
        const QChar type = CurrentDocument(*this).salarytype;
        if (type == QLatin1Char('Z') || type == QLatin1Char('B'))
            CalculateGrossFromNet();
        else
            CalculateOtherGrossFromNet();
    }
    // Every net, typed or calculated, is followed by its decreased net.
    if (!SuspendRecalculation)
        CalculateDecreasedNet();
}
