// Regular work ("Redovan rad") from the employee's pay basis, with the
// minimum gross floor, and the agreed pay that leave compensations are
// compared with.

#include "CalcRounding.h"
#include "CalcSupport.h"
#include "CalcTrace.h"
#include "LineTraceText.h"
#include "PayBasis.h"
#include "RegularWorkVariants.h"
#include "SalaryDM.h"
#include "TaxRules.h"

namespace {

// Everything the regular work of one line depends on.
struct RegularWorkInput {
    const TDocumentValues& document;
    const TLineValues& line;
    const THours& hours;          // the hours the regular work is for
    long double share;            // part of a full month's pay these hours earn
    long double coefficient;
    TCorrection correction;       // of the line's working state and the document's rate set
    const TSalaryOptions& options;
    TCalcTrace* trace = nullptr;
};

// The years-of-service factor.
long double serviceFactor(const TDocumentValues& document, const TLineValues& line) {
    return 1 + document.workingyearsincrementpercent * line.workingyears / 100;
}

// The regular work the pay basis gives, before the minimum gross floor.
long double contractualRegularWork(const RegularWorkInput& in) {
    const TDocumentValues& d = in.document;
    const TLineValues& l = in.line;
    const TSalaryOptions& o = in.options;
    const long double fund = d.workinghours;
    const long double w = serviceFactor(d, l);
    // The tax relief follows the hours paid, unless they exceed the month.
    const long double relief =
        in.hours.all() > fund ? in.correction.correction : in.correction.correction * in.hours.allButLongSick() / fund;
    const auto grossUp = [&](long double net) { return GrossUp(net, in.correction.percent, relief); };
    const long double mealHours = in.hours.meal();
    const long double meal = mealHours > fund ? l.mealrefund : l.mealrefund * mealHours / fund;
    // Agreed amounts that include the allowances, raises and differences
    // leave as regular work what remains of them.
    const auto backOut = [&](long double amount) {
        return RND((amount - l.otherValues() - meal - l.vacationrefund - l.increment + l.decrement - l.difference) / w);
    };
    const auto rounded = [&](long double amount) { return RoundedAmount(amount, o.RoundTaxes); };
    const TPayBasis basis = PayBasisOf(l, in.coefficient);
    if (in.trace)
        TracePayBasis(*in.trace, basis, l, d, in.coefficient, in.share, w);
    // What an agreed amount leaves as regular work, recorded when it is backed out.
    const auto inside = [&](long double amount, bool included) {
        if (!included)
            return amount;
        const long double result = backOut(amount);
        if (in.trace)
            in.trace->add(TTraceKind::Note, QStringLiteral("Redovan rad bez dodataka"),
                          QStringLiteral("iz ugovorenog iznosa se izdvajaju naknade, obrok, regres, stimulacija i "
                                         "razlika, pa se deli faktorom minulog rada"),
                          {{QStringLiteral("ugovoreno"), double(amount)}, {QStringLiteral("faktor minulog rada"), double(w)}},
                          result);
        return result;
    };
    const auto agreed = [&](const char* rule, long double value) {
        if (in.trace)
            in.trace->add(TTraceKind::Note, QStringLiteral("Ugovoreno za deo meseca"), QString::fromUtf8(rule),
                          {{QStringLiteral("udeo meseca"), double(in.share)}}, value);
        return value;
    };

    switch (basis) {
    case TPayBasis::MinimumWage: {
        const long double gross =
            agreed("bruto minimalne neto zarade za udeo meseca", RND(grossUp(d.minnetsalaryvalue * in.share)));
        if (!o.MealVacIncludedInMinSal)
            return gross;
        const long double result = RND((gross - meal - l.vacationrefund) / w);
        if (in.trace)
            in.trace->add(TTraceKind::Note, QStringLiteral("Redovan rad bez obroka i regresa"),
                          QStringLiteral("obrok i regres su deo minimalne zarade: izdvajaju se, pa se deli faktorom "
                                         "minulog rada"),
                          {{QStringLiteral("topli obrok"), double(meal)},
                           {QStringLiteral("regres"), double(l.vacationrefund)},
                           {QStringLiteral("faktor minulog rada"), double(w)}},
                          result);
        return result;
    }
    case TPayBasis::AgreedGross: {
        const long double value = agreed("ugovoreni bruto × udeo meseca", rounded(l.arrangedsalaryvalue * in.share));
        return inside(value, !o.MealVacNotIncludedInArranSal);
    }
    case TPayBasis::AgreedNet: {
        const long double value =
            agreed("bruto ugovorenog neta × udeo meseca", rounded(grossUp(l.arrangedpaymentvalue * in.share)));
        return inside(value, !o.MealVacNotIncludedInArranSal);
    }
    case TPayBasis::Coefficient: {
        const long double value =
            agreed("vrednost boda × udeo meseca × koeficijent", rounded(d.baudvalue * in.share * in.coefficient));
        return inside(value, o.MealVacIncludedInCoeffSal);
    }
    case TPayBasis::NetCoefficient: {
        const long double value = agreed("bruto od: vrednost boda × neto koeficijent × udeo meseca",
                                         rounded(grossUp(d.baudvalue * l.netcoefficient * in.share)));
        return inside(value, o.MealVacIncludedInCoeffSal);
    }
    }
    return 0;
}

// Lifts regular work so that the pay reaches the document's minimum gross
// (for the share of the month worked). Supplements count without their premium.
long double minimumGrossFloor(long double regularWork, const RegularWorkInput& in, long double workingHours,
                              long double minimumGross) {
    if (regularWork <= 0)
        return 0;
    const TDocumentValues& d = in.document;
    const TLineValues& l = in.line;
    const TSalaryOptions& o = in.options;
    const long double fund = d.workinghours;
    const long double night = 1 + o.NightWorkingCoef / 100.0L;
    const long double holiday = 1 + o.HolidayWorkingCoef / 100.0L;
    const long double nightHoliday = 1 + (o.NightWorkingCoef + o.HolidayWorkingCoef) / 100.0L;
    const long double plainSupplements = l.nightworkingvalue / night + l.overtimevalue / night
        + l.holidayworkingvalue / holiday + l.nightholidayworkingvalue / nightHoliday;
    const long double raises = l.increment - l.decrement + plainSupplements;
    const long double worked = in.hours.worked();
    const long double mealHours = in.hours.meal();
    // The hour-price probe: one working hour and nothing else.
    const bool probe = worked == 1 && workingHours == 1;

    if (o.MealVacIncludedInMinSal || !o.MealVacNotIncludedInArranSal || o.MealVacIncludedInCoeffSal) {
        const long double w = serviceFactor(d, l);
        const long double allowances =
            l.vacationrefund + (mealHours >= fund ? l.mealrefund : RND(l.mealrefund * mealHours / fund));
        if (mealHours >= fund)
            return RND(w * regularWork + allowances + raises) >= minimumGross
                ? regularWork
                : RND((minimumGross - (allowances + raises)) / w);
        if (probe)
            return minimumGross / fund <= RND(w * regularWork) ? regularWork : minimumGross / fund / w;
        const long double share = worked / fund * minimumGross;
        return share <= RND(w * regularWork + allowances + raises) ? regularWork
                                                                    : RND((share - (allowances + raises)) / w);
    }
    if (worked >= fund)
        return RND(regularWork + raises) >= minimumGross ? regularWork : RND(minimumGross - raises);
    if (probe)
        return minimumGross / fund <= RND(regularWork) ? regularWork : minimumGross / fund;
    const long double share = worked / fund * minimumGross;
    return share <= RND(regularWork + raises) ? regularWork : RND(share - raises);
}

// The pay basis's regular work lifted to the minimum gross.
long double flooredRegularWork(const RegularWorkInput& in, long double workingHours, long double minimumGross) {
    const long double contractual = contractualRegularWork(in);
    const long double result = minimumGrossFloor(contractual, in, workingHours, minimumGross);
    if (in.trace)
        TraceMinimumGrossFloor(*in.trace, contractual, result, minimumGross, in.hours.worked(),
                               in.document.workinghours);
    return result;
}

}  // namespace

double TSalaryDM::CalculateRegularWork(double WorkingHours, double OvertimeHours, double Coefficient,
                                       int VacationHours, int SickHours, int LongSickHours, int NightHours,
                                       int HolidayHours, int NightHolidayHours, int PaidLeaveHours,
                                       int PublicHolidayHours) {
    if (SalaryItemZQ->isEmpty())
        return 0;
    EditLine(*this);
    THours hours;
    hours.workinghours = WorkingHours;
    hours.overtimehours = OvertimeHours;
    hours.vacationhours = VacationHours;
    hours.sickhours = SickHours;
    hours.longsickhours = LongSickHours;
    hours.nightworkinghours = NightHours;
    hours.holidayworkinghours = HolidayHours;
    hours.nightholidayworkinghours = NightHolidayHours;
    hours.paidleavehours = PaidLeaveHours;
    hours.publicholidayhours = PublicHolidayHours;
    return double(RegularWorkForHours(*this, hours, Coefficient, nullptr));
}

long double RegularWorkForHours(TSalaryDM& dm, const THours& hours, long double coefficient, TCalcTrace* trace) {
    const TDocumentValues document = CurrentDocument(dm);
    if (document.workinghours <= 0)
        return 0;
    const TLineValues line = CurrentLine(dm);
    const RegularWorkInput in{document,
                              line,
                              hours,
                              document.partcoefficient / 100 * hours.workinghours / document.workinghours,
                              coefficient,
                              ::Correction(RateItemsOfSet(dm, document.salarytaxid), line.workingstateid),
                              dm.Options,
                              trace};
    return flooredRegularWork(in, hours.workinghours, dm.CalculatedMinNetSalaryGross);
}

double TSalaryDM::CalculateArrangedWork(int Hours) {
    if (SalaryItemZQ->isEmpty())
        return 0;
    const TDocumentValues document = CurrentDocument(*this);
    if (document.workinghours <= 0 || Hours <= 0)
        return 0;
    const TLineValues line = CurrentLine(*this);
    const THours hours = line.hours();
    const TCorrection correction =
        ::Correction(RateItemsOfSet(*this, document.salarytaxid), line.workingstateid);
    const RegularWorkInput in{document,
                              line,
                              hours,
                              document.partcoefficient / 100 * Hours / document.workinghours,
                              line.coefficient,
                              correction,
                              Options};
    const long double regularWork = contractualRegularWork(in);
    if (regularWork <= 0)
        return 0;
    // The document's net decrease takes the pay down, but not below the
    // gross of the decrease threshold.
    long double factor = 1;
    const long double decrease = document.netdecreasepercent;
    if (decrease > 0) {
        const long double threshold = RND(GrossUp(document.netdecreaseminvalue, correction.percent,
                                                  correction.correction));
        const long double fullMonth = document.workinghours * regularWork / Hours;
        if (RND(fullMonth) < threshold)
            factor = 1;
        else if (RND(fullMonth * (1 - decrease / 100)) >= threshold)
            factor = 1 - decrease / 100;
        else
            factor = threshold / fullMonth;
    }
    return double(RND(regularWork * factor));
}

double CoefficientRowRegularWorkFloor(TSalaryDM& dm, double regularWork, const THours& hours,
                                      const TLineValues& line) {
    const TDocumentValues document = CurrentDocument(dm);
    if (document.workinghours <= 0)
        return 0;
    TSalaryOptions options = dm.Options;
    options.MealVacIncludedInMinSal = false;
    options.MealVacNotIncludedInArranSal = true;
    const RegularWorkInput in{document, line, hours, 0, line.coefficient, {}, options};
    return double(minimumGrossFloor(regularWork, in, hours.workinghours, dm.CalculatedMinNetSalaryGross));
}

double WholeMonthRegularWork(TSalaryDM& dm) {
    if (dm.SalaryItemZQ->isEmpty())
        return 0;
    const TDocumentValues document = CurrentDocument(dm);
    if (document.workinghours <= 0)
        return 0;
    const TLineValues line = CurrentLine(dm);
    const RegularWorkInput in{document,
                              line,
                              line.hours(),
                              document.partcoefficient / 100,
                              line.coefficient,
                              ::Correction(RateItemsOfSet(dm, document.salarytaxid), line.workingstateid),
                              dm.Options};
    return double(contractualRegularWork(in));
}
