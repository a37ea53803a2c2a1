// From a typed net back to the gross: a closed-form first estimate, then a
// fixed-point iteration over the employee's contributions and tax; the
// gross is then split into regular work and a difference.

#include "CalcRounding.h"
#include "CalcSupport.h"
#include "CalcTrace.h"
#include "NetToGross.h"
#include "PayBasis.h"
#include "SalaryDM.h"
#include "TaxRules.h"

#include <cmath>

namespace {

// The iteration stops once a step moves the gross by a dinar or less, or
// after this many steps with the gross it has then. Under RoundTaxes the
// gross moves in whole dinars and a step of one dinar can still change the
// rounded taxes by two, so there it goes on until a step is zero.
constexpr int MaxGrossSteps = 100;
constexpr long double GrossTolerance = 1.0L;

bool settled(long double step, bool roundTaxes) {
    const long double moved = std::fabs(RND(step));
    return roundTaxes ? moved == 0 : moved <= GrossTolerance;
}

long double grossOfNet(long double net, const TDocumentValues& d, const TLineValues& l, const TRateItems& items,
                       long double firstEstimate, bool roundTaxes, TCalcTrace* trace) {
    long double gross = firstEstimate;
    long double step = 2 * GrossTolerance;
    // Both directions count: a first estimate above the true gross (above the
    // maximum base, with a pension relief, with half hours) comes down.
    for (int n = 0; n < MaxGrossSteps && !settled(step, roundTaxes); ++n) {
        const long double deductions = EmployeeDeductions(d, l, items, gross, roundTaxes, false);
        step = deductions - (gross - net);
        if (trace)
            trace->add(TTraceKind::Note, QStringLiteral("Korak %1 od neta ka brutu").arg(n + 1),
                       QStringLiteral("bruto se pomera za razliku doprinosa i poreza i onoga što bruto iznad neta "
                                      "pokriva"),
                       {{QStringLiteral("bruto"), double(gross)}, {QStringLiteral("doprinosi i porez"), double(deductions)}},
                       roundTaxes ? Round(gross + step) : gross + step);
        gross += step;
        if (roundTaxes)
            gross = Round(gross);
    }
    return gross;
}

// The regular work that, with the line's other components, makes up `gross`,
// by the employee's pay basis.
long double regularWorkOfGross(const TDocumentValues& d, const TLineValues& l, const TCorrection& correction,
                               long double reliefShare, long double minimumGross, long double meal,
                               const TSalaryOptions& o) {
    const long double fund = d.workinghours;
    const long double share = d.partcoefficient / 100 * l.workinghours / fund;
    const long double service = 1 + l.workingyears * d.workingyearsincrementpercent / 100;
    const long double others = l.otherValues() + meal + l.vacationrefund + l.increment - l.decrement + l.difference;
    const auto rounded = [&](long double amount) { return RoundedAmount(amount, o.RoundTaxes); };
    const auto grossUp = [&](long double net) {
        return RND(GrossUp(net, correction.percent, reliefShare * correction.correction));
    };
    const auto inside = [&](long double agreed) { return rounded((agreed - others) / service); };

    switch (PayBasisOf(l, l.coefficient)) {
    case TPayBasis::MinimumWage:
        return o.MealVacIncludedInMinSal ? rounded((minimumGross - meal - l.vacationrefund) / service)
                                         : rounded(minimumGross);
    case TPayBasis::AgreedGross: {
        const long double agreed = share * l.arrangedsalaryvalue;
        return o.MealVacNotIncludedInArranSal ? rounded(agreed) : inside(agreed);
    }
    case TPayBasis::AgreedNet: {
        const long double agreed = grossUp(share * l.arrangedpaymentvalue);
        return o.MealVacNotIncludedInArranSal ? rounded(agreed) : inside(agreed);
    }
    case TPayBasis::Coefficient: {
        const long double agreed = share * l.coefficient * d.baudvalue;
        return o.MealVacIncludedInCoeffSal ? inside(agreed) : rounded(agreed);
    }
    case TPayBasis::NetCoefficient: {
        const long double agreed = grossUp(share * l.netcoefficient * d.baudvalue);
        return o.MealVacIncludedInCoeffSal ? inside(agreed) : rounded(agreed);
    }
    }
    return 0;
}

}  // namespace

long double GrossOfNet(TSalaryDM& dm, const TDocumentValues& d, const TLineValues& l, long double net,
                       TCalcTrace* trace) {
    const THours hours = l.hours();
    const long double fund = d.workinghours;
    const TCorrection correction = ::Correction(RateItemsOfSet(dm, d.salarytaxid), l.workingstateid);
    const long double reliefShare = hours.all() <= fund ? hours.allButLongSick() / fund : 1;
    const long double estimate =
        RoundedAmount(GrossUp(net, correction.percent, reliefShare * correction.correction), dm.Options.RoundTaxes);
    if (trace)
        trace->add(TTraceKind::Note, QStringLiteral("Prva procena bruta od neta"),
                   QStringLiteral("(neto − olakšica srazmerno satima) / (1 − zbir stopa zaposlenog / 100)"),
                   {{QStringLiteral("neto"), double(net)},
                    {QStringLiteral("zbir stopa %"), correction.percent},
                    {QStringLiteral("olakšica"), double(reliefShare * correction.correction)}},
                   estimate);
    return grossOfNet(net, d, l, ShownRateItems(dm), estimate, dm.Options.RoundTaxes, trace);
}

void TSalaryDM::CalculateGrossFromNet() {
    if (SalaryItemZQ->isEmpty())
        return;
    {
        CalculatingScope calculating(Calculating);
        EditLine(*this);
        const TCalcFields& f = CalcState().fields;
        if (Options.RoundTaxes)
            SetAmount(f.line.paymentvalue, Round(f.line.paymentvalue->asFloat()));
        const TDocumentValues d = CurrentDocument(*this);
        TLineValues l = CurrentLine(*this);
        const THours hours = l.hours();
        const long double fund = d.workinghours;
        const TCorrection correction = ::Correction(RateItemsOfSet(*this, d.salarytaxid), l.workingstateid);
        const long double reliefShare = hours.all() <= fund ? hours.allButLongSick() / fund : 1;
        const long double minimumGross = RND(GrossUp(d.partcoefficient / 100 * l.workinghours / fund
                                                         * d.minnetsalaryvalue,
                                                     correction.percent, reliefShare * correction.correction));
        const long double gross = GrossOfNet(*this, d, l, l.paymentvalue, nullptr);
        SetAmount(f.line.salaryvalue, gross);

        const long double mealHours = hours.meal();
        const long double meal = mealHours <= fund ? mealHours / fund * l.mealrefund : l.mealrefund;
        const long double regularWork =
            regularWorkOfGross(d, l, correction, reliefShare, minimumGross, meal, Options);
        SetAmount(f.line.regularwork, regularWork);
        // Whatever the components do not explain is the difference.
        const long double service = 1 + l.workingyears * d.workingyearsincrementpercent / 100;
        SetAmount(f.line.difference, RND(gross - meal - l.vacationrefund - service * regularWork - l.otherValues()));
    }
    CalculateNet();
}

void TSalaryDM::CalculateOtherGrossFromNet() {
    if (SalaryItemZQ->isEmpty())
        return;
    CalculatingScope calculating(Calculating);
    EditLine(*this);
    const TCalcFields& f = CalcState().fields;
    const TDocumentValues d = CurrentDocument(*this);
    const long double net = f.line.paymentvalue->asFloat();
    long double freeValue = d.taxfreevalue;
    // The tax-free amount may follow the hours the transport is paid for.
    if (d.workinghours > 0 && Options.ProportionallyCalculateTaxTransport)
        freeValue = RND(freeValue / d.workinghours * f.line.workinghours->asFloat());
    const long double gross = net <= freeValue ? net : RND((net - freeValue) / (1 - d.taxpercent / 100) + freeValue);
    SetAmount(f.line.salaryvalue, gross);
}
