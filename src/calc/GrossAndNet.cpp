// The gross ("Bruto") of a line from its regular work and other components,
// and the net ("Neto") after the employee's contributions and income tax.

#include "CalcRounding.h"
#include "CalcSupport.h"
#include "SalaryDM.h"
#include "TaxRules.h"

namespace {

long double grossOf(long double regularWork, const TDocumentValues& d, const TLineValues& l) {
    const THours hours = l.hours();
    const long double fund = d.workinghours;
    const long double worked = hours.worked();
    const long double mealHours = hours.meal();
    const long double service = d.workingyearsincrementpercent * l.workingyears / 100;
    long double base = (1 + service) * regularWork;
    long double meal = 0;
    if (worked > 0) {
        // Years of service are paid on all worked hours at the regular hour rate.
        if (l.workinghours > 0)
            base = (1 + worked / l.workinghours * service) * regularWork;
        meal = mealHours > fund ? l.mealrefund : l.mealrefund * mealHours / fund;
    }
    return base + l.increment - l.decrement + l.difference + meal + l.vacationrefund + l.otherValues()
        + l.maternityleavevalue + l.childcareleavevalue;
}

// The absence value is part of the gross so that contributions are paid on
// it; the employee receives none of it, and its employee-borne taxes are
// not taken from the rest of the net.
long double absenceWithheld(const TLineValues& l, const TRateItems& items) {
    if (l.absencevalue <= 0)
        return 0;
    long double taxes = 0;
    for (const TRateItem& item : items)
        if (item.employee)
            taxes += RND(l.absencevalue * item.percent / 100);
    return l.absencevalue - taxes;
}

}  // namespace

double TSalaryDM::CalculateGross(double RegularWork) {
    if (SalaryItemZQ->isEmpty())
        return 0;
    return double(RoundedAmount(grossOf(RegularWork, CurrentDocument(*this), CurrentLine(*this)),
                                Options.RoundTaxes));
}

void TSalaryDM::CalculateNet() {
    if (SalaryItemZQ->isEmpty())
        return;
    CalculatingScope calculating(Calculating);
    EditLine(*this);
    const TCalcFields& f = CalcState().fields;
    const TDocumentValues document = CurrentDocument(*this);
    const TLineValues line = CurrentLine(*this);
    const TRateItems& items = ShownRateItems(*this);
    const long double gross = line.salaryvalue;
    const long double taxes = EmployeeDeductions(document, line, items, gross, Options.RoundTaxes,
                                                 document.salarytype == QLatin1Char('B'));
    long double net = Options.RoundTaxes ? Round(gross - taxes) : gross - taxes;
    net -= absenceWithheld(line, items);
    SetAmount(f.line.paymentvalue, net);
}
