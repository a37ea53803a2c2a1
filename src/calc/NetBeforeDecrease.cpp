#include "NetBeforeDecrease.h"

#include "CalcRounding.h"
#include "PreDecreasedNet.h"
#include "CalcSupport.h"
#include "SalaryDM.h"
#include "TaxRules.h"

// The gross the net before the decrease corresponds to, against the gross
// stored, both without leave pay and allowances, gives the factor.
TNetBeforeDecrease NetBeforeDecrease(TSalaryDM& dm, const TDocumentValues& d, const TLineValues& l) {
    TNetBeforeDecrease result;
    result.net = l.paymentvalue;
    const long double monthHours = d.workinghours;
    if (d.netdecreasepercent <= 0 || monthHours == 0)
        return result;
    const TPreDecreasedNet full = PreDecreasedNetOfLine(dm, d, l, 0);
    const TPreDecreasedNet reduced = PreDecreasedNetOfLine(dm, d, l, d.netdecreasepercent);
    result.pensionRelief = reduced.pensionRelief;
    const THours h = l.hours();
    const long double worked = h.worked();
    const long double threshold = worked * d.netdecreaseminvalue / monthHours;
    long double& net = result.net;
    if (threshold >= full.workNet)
        net = l.paymentvalue;
    else if (threshold < reduced.workNet || threshold < reduced.regularNet)
        net = RND(reduced.regularNet + full.otherNet);
    else
        net = RND(threshold + full.otherNet);
    if (double(l.paymentvalue) == double(net) || RND(l.paymentvalue - reduced.pensionRelief - full.otherNet) == 0)
        return result;
    const TCorrection c = Correction(RateItemsOfSet(dm, d.salarytaxid), l.workingstateid);
    const long double paid = h.all();
    const long double relief = paid <= monthHours ? paid / monthHours * c.correction : c.correction;
    const long double gross = RND(GrossUp(net, c.percent, relief));
    long double kept = l.vacationvalue + l.sickvalue + l.longsickvalue + l.maternityleavevalue + l.childcareleavevalue
        + l.paidleavevalue + l.publicholidayvalue + l.absencevalue + h.meal() / monthHours * l.mealrefund
        + l.vacationrefund + l.difference;
    if (dm.Options.CompareNetDecreaseMinValueRegularWork) {
        kept += l.increment - l.decrement;
        if (l.workinghours != 0)
            kept += l.workingyears * l.regularwork * d.workingyearsincrementpercent / 100 * worked / l.workinghours;
    }
    if (l.salaryvalue != kept)
        result.factor = (gross - kept) / (l.salaryvalue - kept);
    return result;
}
