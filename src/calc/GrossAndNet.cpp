// The gross ("Bruto") of a line from its regular work and other components,
// and the net ("Neto") after the employee's contributions and income tax.

#include "CalcRounding.h"
#include "CalcSupport.h"
#include "SalaryDM.h"
#include "TaxRules.h"


double TSalaryDM::CalculateGross(double RegularWork) {
    if (SalaryItemZQ->isEmpty())
        return 0;
    return double(GrossOf(RegularWork, CurrentDocument(*this), CurrentLine(*this), Options.RoundTaxes));
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
    const TLineComponents components = LineComponents(document, line, items, line.salaryvalue, Options.RoundTaxes,
                                                      document.salarytype == QLatin1Char('B'));
    SetAmount(f.line.paymentvalue, components.net);
}
