// The statutory reduction of net pay ("Umanj. neto"): the net of regular
// work is reduced by the document's percentage, but not below the threshold
// for the hours worked; then the deductions give the amount for payment.

#include "CalcRounding.h"
#include "CalcSupport.h"
#include "CalcTrace.h"
#include "DecreasedNet.h"
#include "PreDecreasedNet.h"
#include "SalaryDM.h"
#include "TaxRules.h"
#include "db/Connection.h"

#include <QSqlQuery>

#include <algorithm>
#include <optional>

namespace {

using PreDecreasedNet = TPreDecreasedNet;

// Adds one item's deduction of base `base`; `pensionRelief`, when given,
// collects the tax the voluntary pension saves on it.
void deductItem(long double& total, long double* pensionRelief, const TRateItem& item, long double base,
                const TDocumentValues& d, const TLineValues& l, long double workedHours) {
    if (ExemptForWorkingState(item, l.workingstateid))
        return;
    const long double rate = item.percent / 100.0L;
    if (l.workingstateid == WorkingStateWithoutTaxFreeAmount) {
        total += RND(rate * TaxableBase(item, base));
        return;
    }
    const long double fund = d.workinghours;
    const long double free = workedHours > fund ? item.freeValue : item.freeValue * Round(workedHours) / fund;
    total += RND(rate * TaxableBase(item, base - free));
    if (const long double relief = PensionRelief(item, l, d); pensionRelief && relief != 0)
        *pensionRelief += RND(rate * relief);
}

// What every reduction of a line starts from: its regular part, the regular
// work of its worked hours, and where both stand against the contribution bases.
struct LineParts {
    LineParts(const TDocumentValues& d, const TLineValues& l) {
        const THours hours = l.hours();
        fund = d.workinghours;
        paidHours = hours.allButLongSick();
        worked = hours.worked();
        gross = l.salaryvalue;
        regularPart = gross - l.vacationvalue - l.sickvalue - l.paidleavevalue - l.publicholidayvalue
            - l.absencevalue - l.mealrefund * hours.meal() / fund - l.vacationrefund - l.difference;
        status = GrossStatus(gross, d.minsalaryvalue, d.maxsalaryvalue, paidHours, fund);
        // Leave hours left out.
        work = l.workinghours > 0 ? l.regularwork / l.workinghours * worked : l.regularwork;
        workStatus = GrossStatus(work, d.minsalaryvalue, d.maxsalaryvalue, worked, fund);
    }
    long double fund, paidHours, worked, gross, regularPart, work;
    TGrossStatus status, workStatus;
};

// What the employee-borne items take from `amount`, reduced by `kept`: an
// item whose base is the amount itself takes its share of `ownBase` (the
// reduced regular part or work), one on a contribution base its share of
// that base, reduced. `pensionRelief`, when given, collects the relief.
long double reducedDeductions(const TRateItems& items, const LineParts& parts, TGrossStatus status,
                              long double amount, long double ownBase, long double kept,
                              long double* pensionRelief, const TDocumentValues& d, const TLineValues& l,
                              bool roundTaxes) {
    long double deductions = 0;
    for (const TRateItem& item : items) {
        if (!item.employee)
            continue;
        const long double base = ContributionBase(item, status, amount, d, parts.paidHours);
        deductItem(deductions, pensionRelief, item, base == amount ? ownBase : RND(kept * base), d, l,
                   parts.worked);
        if (roundTaxes)
            deductions = Round(deductions);
    }
    return deductions;
}

PreDecreasedNet preDecreasedNet(const LineParts& parts, const TDocumentValues& d, const TLineValues& l,
                                const TRateItems& items, long double percent, bool roundTaxes) {
    const long double kept = 1 - percent / 100;
    PreDecreasedNet result;

    // Most items share one base; it is reduced and rounded once.
    const long double regularBase = RND(kept * parts.regularPart);
    const long double deductions = reducedDeductions(items, parts, parts.status, parts.gross, regularBase, kept,
                                                     &result.pensionRelief, d, l, roundTaxes);
    result.regularNet = RoundedAmount(parts.regularPart * kept - deductions, roundTaxes);
    result.otherNet = l.paymentvalue - result.pensionRelief - result.regularNet;

    const long double workBase = RND(kept * parts.work);
    const long double workDeductions = reducedDeductions(items, parts, parts.workStatus, parts.work, workBase, kept,
                                                         nullptr, d, l, roundTaxes);
    result.workNet = RND(kept * parts.work - workDeductions);
    result.workGross = workBase;
    return result;
}

struct StoredLine {
    TDocumentValues document;
    TLineValues line;
};

std::optional<StoredLine> loadStoredLine(Connection& connection, qint64 salaryId, qint64 salaryItemId) {
    QSqlQuery document = connection.exec(QStringLiteral("SELECT * FROM salary WHERE salaryid = ?"), {salaryId});
    if (!document.next())
        return std::nullopt;
    QSqlQuery line = connection.exec(
        QStringLiteral("SELECT si.*, (e.workingstateid + 0) AS workingstateid FROM salaryitem AS si "
                       "LEFT JOIN employee AS e ON e.employeeid = si.employeeid WHERE si.salaryitemid = ?"),
        {salaryItemId});
    if (!line.next())
        return std::nullopt;
    return StoredLine{DocumentOfRow(document), LineOfRow(line)};
}

// The deduction rule: the voluntary pension and the set's deductions are
// taken from the decreased net of regular and sick-leave documents.
long double amountForPayment(const TDocumentValues& d, const TLineValues& l, const TDeductions& deductions,
                             long double decreasedNet, TCalcTrace* trace) {
    long double forPayment = decreasedNet;
    if (d.salarytype == QLatin1Char('Z') || d.salarytype == QLatin1Char('B'))
        forPayment -= DeductionsTotal(deductions, l.voluntarypension, decreasedNet, l.salaryvalue, d.paymentdate,
                                      trace);
    if (trace)
        trace->add(TTraceKind::AmountForPayment, QStringLiteral("Za isplatu"),
                   QStringLiteral("umanjeni neto − obustave"), {{QStringLiteral("umanjeni neto"), double(decreasedNet)}},
                   forPayment);
    return forPayment;
}

void writeAmountForPayment(TSalaryDM& dm, const TDocumentValues& d, const TLineValues& l,
                           const TDeductions& deductions, long double decreasedNet) {
    const TLineFields& f = dm.CalcState().fields.line;
    const long double forPayment = amountForPayment(d, l, deductions, decreasedNet, nullptr);
    SetAmount(f.paymentnetvalue, forPayment);
    SetAmount(f.credits, decreasedNet - forPayment);
}

}  // namespace

TPreDecreasedNet PreDecreasedNetOfLine(TSalaryDM& dm, const TDocumentValues& d, const TLineValues& l,
                                       long double percent) {
    return preDecreasedNet(LineParts(d, l), d, l, RateItemsOfSet(dm, d.salarytaxid), percent,
                           dm.Options.RoundTaxes);
}

void TSalaryDM::CalculatePreDecreasedNetValueFromGrossValue(qint64 SalaryID, qint64 SalaryItemID, double Percent,
                                                             double& RegularNet, double& OtherNet, double& WorkNet,
                                                             double& WorkGross, double& PensionRelief) {
    std::optional<StoredLine> stored;
    if (SalaryID == 0 && SalaryItemID == 0) {
        if (SalaryItemZQ->isEmpty())
            return;
        stored = StoredLine{CurrentDocument(*this), CurrentLine(*this)};
    } else {
        stored = loadStoredLine(*ZConnection(), SalaryID, SalaryItemID);
        if (!stored)
            return;
    }
    const PreDecreasedNet result = PreDecreasedNetOfLine(*this, stored->document, stored->line, Percent);
    RegularNet = double(result.regularNet);
    OtherNet = double(result.otherNet);
    WorkNet = double(result.workNet);
    PensionRelief = double(result.pensionRelief);
    WorkGross = double(result.workGross);  // last: callers may pass one variable for both
}

long double DecreasedNetOfLine(TSalaryDM& dm, const TDocumentValues& d, const TLineValues& l, TCalcTrace* trace) {
    long double decreasedNet = l.paymentvalue;
    const long double percent = d.netdecreasepercent;
    if (percent <= 0) {
        if (trace)
            trace->add(TTraceKind::DecreasedNet, QStringLiteral("Umanjeni neto"),
                       QStringLiteral("zarada ne umanjuje neto: jednak je netu"), {}, decreasedNet);
        return decreasedNet;
    }
    const TRateItems& items = ShownRateItems(dm);
    const LineParts parts(d, l);
    const PreDecreasedNet full = preDecreasedNet(parts, d, l, items, 0, dm.Options.RoundTaxes);
    const THours hours = l.hours();
    const long double fund = d.workinghours;
    const long double threshold = parts.worked * d.netdecreaseminvalue / fund;
    const char* rule = nullptr;
    // Whether the net is reduced at all needs only the full net; the
    // reduced one is worked out only for a net above the threshold.
    if (threshold >= full.workNet) {
        decreasedNet = l.paymentvalue;
        rule = "neto rada nije iznad praga: ne umanjuje se";
    } else if (const PreDecreasedNet reduced = preDecreasedNet(parts, d, l, items, percent, dm.Options.RoundTaxes);
               threshold < reduced.workNet) {
        decreasedNet = RND(reduced.regularNet + full.otherNet + reduced.pensionRelief);
        rule = "i umanjeni neto rada je iznad praga: redovni deo umanjen za ceo procenat";
    } else if (!dm.Options.CompareNetDecreaseMinValueRegularWork) {
        decreasedNet = RND(std::max(threshold, reduced.regularNet) + full.otherNet + reduced.pensionRelief);
        rule = "umanjeni neto rada bi pao ispod praga: redovni deo se umanjuje samo do praga";
    } else {
        // The regular work whose net is the threshold, and the net of its gross.
        const TCorrection c = ::Correction(RateItemsOfSet(dm, d.salarytaxid), l.workingstateid);
        const long double share = hours.all() < fund ? hours.all() / fund : 1;
        const long double regularWork = RND(GrossUp(RND(threshold), c.percent, share * c.correction));
        const long double gross = dm.CalculateGross(double(regularWork));
        decreasedNet = RND((1 - c.percent / 100.0L) * gross + share * c.correction);
        rule = "umanjeni neto rada bi pao ispod praga: neto bruta čiji je redovan rad prag";
    }
    if (trace)
        trace->add(TTraceKind::DecreasedNet, QStringLiteral("Umanjeni neto"), QString::fromUtf8(rule),
                   {{QStringLiteral("neto"), double(l.paymentvalue)},
                    {QStringLiteral("umanjenje %"), double(percent)},
                    {QStringLiteral("prag za odrađene sate"), double(threshold)},
                    {QStringLiteral("neto rada"), double(full.workNet)}},
                   decreasedNet);
    return decreasedNet;
}

long double AmountForPayment(TSalaryDM& dm, const TDocumentValues& d, const TLineValues& l, long double decreasedNet,
                             TCalcTrace* trace) {
    return amountForPayment(d, l, DeductionsOfSet(dm, l.salarycreditid), decreasedNet, trace);
}

void TSalaryDM::CalculateDecreasedNet() {
    if (SalaryItemZQ->isEmpty())
        return;
    EditLine(*this);
    const TCalcFields& f = CalcState().fields;
    const TDocumentValues d = CurrentDocument(*this);
    const TLineValues l = CurrentLine(*this);
    const long double decreasedNet = DecreasedNetOfLine(*this, d, l, nullptr);
    SetAmount(f.line.paymentdecreasedvalue, decreasedNet);
    writeAmountForPayment(*this, d, l, DeductionsOfSet(*this, l.salarycreditid), decreasedNet);
}

void TSalaryDM::CalculateDeductions() {
    if (SalaryItemZQ->isEmpty())
        return;
    EditLine(*this);
    const TLineValues l = CurrentLine(*this);
    writeAmountForPayment(*this, CurrentDocument(*this), l, DeductionsOfSet(*this, l.salarycreditid),
                          l.paymentdecreasedvalue);
}

void TSalaryDM::AssignLineDeductionSet(qint64 salaryCreditId) {
    if (SalaryItemZQ->isEmpty())
        return;
    EditLine(*this);
    CalcState().fields.line.salarycreditid->setAsLargeInt(salaryCreditId);
    CalculateDeductions();
    SalaryItemZQ->post();
}

void TSalaryDM::RemoveLineDeductionSet() {
    if (SalaryItemZQ->isEmpty())
        return;
    EditLine(*this);
    const TLineFields& f = CalcState().fields.line;
    f.salarycreditid->setAsLargeInt(0);
    SetAmount(f.paymentnetvalue, f.paymentdecreasedvalue->asFloat());
    SetAmount(f.credits, 0);
    SalaryItemZQ->post();
}
