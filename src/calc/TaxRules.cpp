#include "TaxRules.h"

#include "CalcRounding.h"
#include "LineTraceText.h"

#include <algorithm>

TGrossStatus GrossStatus(long double gross, long double minBase, long double maxBase, long double hours,
                         long double fund) {
    const long double g = RND(gross);
    long double effectiveMin = minBase;
    if (fund >= hours)
        effectiveMin = fund > 0 ? RND(hours / fund * minBase) : 0;
    if (g < effectiveMin)
        return TGrossStatus::gsMin;
    if (g > maxBase && maxBase > 0)
        return TGrossStatus::gsMax;
    return TGrossStatus::gsNormal;
}

TCorrection Correction(const TRateItems& items, qint64 workingState) {
    long double percent = 0;
    long double correction = 0;
    for (const TRateItem& item : items) {
        if (!item.employee || ExemptForWorkingState(item, workingState))
            continue;
        percent += item.percent;
        correction += static_cast<long double>(item.percent) * item.freeValue / 100;
    }
    return {double(percent), double(correction)};
}

long double GrossUp(long double net, long double percent, long double relief) {
    return (net - relief) / (1 - percent / 100);
}

bool ExemptForWorkingState(const TRateItem& item, qint64 workingState) {
    return workingState == WorkingStateWithoutHealthAndUnemployment
        && (item.role == TRateRole::EmployeeHealth || item.role == TRateRole::EmployeeUnemployment);
}

long double ContributionBase(const TRateItem& item, TGrossStatus status, long double gross,
                             const TDocumentValues& document, long double hours) {
    const long double fund = document.workinghours;
    if (status == TGrossStatus::gsMin && item.minBase)
        return hours >= fund ? document.minsalaryvalue : document.minsalaryvalue * hours / fund;
    if (status == TGrossStatus::gsMax && item.maxBase)
        return document.maxsalaryvalue;
    return gross;
}

long double PensionRelief(const TRateItem& item, const TLineValues& line, const TDocumentValues& document) {
    if (item.freeValue == 0)
        return 0;
    return std::min(line.voluntarypension, document.voluntarypensiontaxfreevalue);
}

long double TaxableBase(const TRateItem& item, long double base) {
    return item.incomeTax() ? std::max<long double>(0, base) : base;
}

namespace {

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

// Where the amount and the rate of each contribution go.
struct RoleSlot {
    TRateRole role;
    long double TLineComponents::*amount;
    double TLineComponents::*rate;
};

constexpr RoleSlot RoleSlots[] = {
    {TRateRole::EmployeePension, &TLineComponents::employeePension, &TLineComponents::employeePensionRate},
    {TRateRole::EmployeeHealth, &TLineComponents::employeeHealth, &TLineComponents::employeeHealthRate},
    {TRateRole::EmployeeUnemployment, &TLineComponents::employeeUnemployment,
     &TLineComponents::employeeUnemploymentRate},
    {TRateRole::EmployerPension, &TLineComponents::employerPension, &TLineComponents::employerPensionRate},
    {TRateRole::EmployerHealth, &TLineComponents::employerHealth, &TLineComponents::employerHealthRate},
    {TRateRole::EmployerUnemployment, &TLineComponents::employerUnemployment,
     &TLineComponents::employerUnemploymentRate},
};

// Books an item's amount under its role; a contribution without one counts
// only in its side's total.
void share(TLineComponents& c, const TRateItem& item, long double amount) {
    if (item.role == TRateRole::IncomeTax) {
        c.incomeTax += amount;
        c.taxRate = item.percent;
        return;
    }
    for (const RoleSlot& slot : RoleSlots)
        if (slot.role == item.role) {
            c.*slot.amount = amount;
            c.*slot.rate = item.percent;
        }
    (item.employee ? c.employeeContributions : c.employerContributions) += amount;
}

}  // namespace

TGrossParts GrossParts(long double regularWork, const TDocumentValues& d, const TLineValues& l, TCalcTrace* trace) {
    const THours hours = l.hours();
    const long double fund = d.workinghours;
    const long double worked = hours.worked();
    const long double mealHours = hours.meal();
    const long double service = d.workingyearsincrementpercent * l.workingyears / 100;
    long double base = (1 + service) * regularWork;
    TGrossParts parts;
    if (worked > 0) {
        // Years of service are paid on all worked hours at the regular hour rate.
        if (l.workinghours > 0)
            base = (1 + worked / l.workinghours * service) * regularWork;
        parts.meal = mealHours > fund ? l.mealrefund : l.mealrefund * mealHours / fund;
    }
    parts.workingYears = base - regularWork;
    parts.gross = base + l.increment - l.decrement + l.difference + parts.meal + l.vacationrefund + l.otherValues()
        + l.maternityleavevalue + l.childcareleavevalue;
    if (trace)
        TraceGrossParts(*trace, regularWork, parts, d, l);
    return parts;
}

long double GrossOf(long double regularWork, const TDocumentValues& d, const TLineValues& l, bool roundTaxes,
                    TCalcTrace* trace) {
    const TGrossParts parts = GrossParts(regularWork, d, l, trace);
    const long double gross = RoundedAmount(parts.gross, roundTaxes);
    if (trace) {
        if (RND(gross - parts.gross) != 0)
            trace->add(TTraceKind::GrossItem, QStringLiteral("Zaokruživanje bruta"),
                       roundTaxes ? QStringLiteral("na ceo dinar (opcija zaokruživanja poreza)")
                                  : QStringLiteral("na dve decimale"),
                       {}, gross - parts.gross);
        trace->add(TTraceKind::Gross, QStringLiteral("Bruto"), QStringLiteral("zbir svih delova bruta"), {}, gross);
    }
    return gross;
}

double IncreasedServiceRate(qint64 workingState) {
    switch (workingState) {
    case 11: return 3.7;
    case 12: return 5.5;
    case 13: return 7.3;
    case 14: return 11.0;
    default: return 0;
    }
}

namespace {

// One body for both: the untraced instance has no test of the recorder in
// its loop, so that a calculation no one watches runs as it did without one.
template <bool Traced>
TLineComponents lineComponents(const TDocumentValues& document, const TLineValues& line, const TRateItems& items,
                               long double gross, bool roundTaxes, bool sickLeaveDocument, TCalcTrace* trace) {
    TLineComponents c;
    const THours hours = line.hours();
    const long double fund = document.workinghours;
    const long double paidHours = hours.allButLongSick();
    c.status = GrossStatus(gross, document.minsalaryvalue, document.maxsalaryvalue, paidHours, fund);
    c.contributionBase = gross;
    if constexpr (Traced)
        TraceGrossStatus(*trace, c.status, gross, document, paidHours);
    const long double sickShare = (line.longsickhours + line.maternityleavehours + line.childcareleavehours) / fund;
    bool baseTaken = false;
    long double total = 0;
    for (const TRateItem& item : items) {
        const long double base = ContributionBase(item, c.status, gross, document, paidHours);
        if (!item.employee) {
            if (item.hasContributionBase()) {
                const long double amount = RND(base * item.percent / 100);
                share(c, item, amount);
                if constexpr (Traced)
                    TraceContribution(*trace, item, base, 0, 0, amount, false, line.workingstateid);
            }
            continue;
        }
        if (item.hasContributionBase() && !baseTaken) {
            c.contributionBase = base;
            baseTaken = true;
        }
        const long double relief = PensionRelief(item, line, document);
        const long double percent = item.percent;
        const long double before = total;
        long double free = 0;
        bool relieved = true;
        if (ExemptForWorkingState(item, line.workingstateid)) {
            relieved = false;  // contributes nothing
        } else if (line.workingstateid == WorkingStateWithoutTaxFreeAmount) {
            relieved = false;
            total += RND(percent / 100 * TaxableBase(item, base));
            if (item.incomeTax())
                c.taxBase = TaxableBase(item, base);
        } else {
            if (sickLeaveDocument)
                free = item.freeValue * sickShare;
            else if (paidHours >= fund)
                free = item.freeValue;
            else  // the tax-free amount follows the whole hours paid
                free = item.freeValue * Round(paidHours) / fund;
            total += RND(TaxableBase(item, base - free - relief) * percent / 100);
            if (item.incomeTax())
                c.taxBase = TaxableBase(item, base - free - relief);
        }
        if (roundTaxes)
            total = Round(total);
        if (item.incomeTax() && relieved) {
            c.taxRelief += free + relief;
            c.pensionRelief += relief;
        }
        share(c, item, total - before);
        if constexpr (Traced)
            TraceContribution(*trace, item, base, free, relief, total - before, roundTaxes, line.workingstateid);
    }
    if (const double rate = IncreasedServiceRate(line.workingstateid); rate > 0) {
        c.increasedService = RND(rate / 100 * (c.contributionBase - line.sickvalue));
        if constexpr (Traced)
            trace->add(TTraceKind::Note, QStringLiteral("Doprinos za staž sa uvećanim trajanjem"),
                       QStringLiteral("stopa radnog statusa na osnovicu bez bolovanja; plaća ga poslodavac"),
                       {{QStringLiteral("osnovica"), double(c.contributionBase - line.sickvalue)},
                        {QStringLiteral("stopa %"), rate}},
                       c.increasedService);
    }
    c.employeeTotal = total;
    c.absenceWithheld = absenceWithheld(line, items);
    c.net = (roundTaxes ? Round(gross - total) : gross - total) - c.absenceWithheld;
    if constexpr (Traced)
        TraceNet(*trace, gross, c, roundTaxes);
    return c;
}

}  // namespace

TLineComponents LineComponents(const TDocumentValues& document, const TLineValues& line, const TRateItems& items,
                               long double gross, bool roundTaxes, bool sickLeaveDocument, TCalcTrace* trace) {
    return trace ? lineComponents<true>(document, line, items, gross, roundTaxes, sickLeaveDocument, trace)
                 : lineComponents<false>(document, line, items, gross, roundTaxes, sickLeaveDocument, nullptr);
}

long double EmployeeDeductions(const TDocumentValues& document, const TLineValues& line, const TRateItems& items,
                               long double gross, bool roundTaxes, bool sickLeaveDocument) {
    return LineComponents(document, line, items, gross, roundTaxes, sickLeaveDocument).employeeTotal;
}
