#include "TaxRules.h"

#include "CalcRounding.h"
#include "RateGlobals.h"

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
        && (item.rate == ZO_COEF1 || item.rate == ON_COEF1);
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

long double EmployeeDeductions(const TDocumentValues& document, const TLineValues& line, const TRateItems& items,
                               long double gross, bool roundTaxes, bool sickLeaveDocument) {
    const THours hours = line.hours();
    const long double fund = document.workinghours;
    const long double paidHours = hours.allButLongSick();
    const TGrossStatus status =
        GrossStatus(gross, document.minsalaryvalue, document.maxsalaryvalue, paidHours, fund);
    long double total = 0;
    for (const TRateItem& item : items) {
        if (!item.employee)
            continue;
        const long double base = ContributionBase(item, status, gross, document, paidHours);
        const long double relief = PensionRelief(item, line, document);
        const long double percent = item.percent;
        if (ExemptForWorkingState(item, line.workingstateid)) {
            // contributes nothing
        } else if (line.workingstateid == WorkingStateWithoutTaxFreeAmount) {
            total += RND(percent / 100 * TaxableBase(item, base));
        } else if (sickLeaveDocument) {
            const long double share =
                (line.longsickhours + line.maternityleavehours + line.childcareleavehours) / fund;
            total += RND(TaxableBase(item, base - item.freeValue * share - relief) * percent / 100);
        } else if (paidHours >= fund) {
            total += RND(TaxableBase(item, base - item.freeValue - relief) * percent / 100);
        } else {
            // The tax-free amount follows the whole hours paid.
            total += RND(TaxableBase(item, base - item.freeValue * Round(paidHours) / fund - relief) * percent / 100);
        }
        if (roundTaxes)
            total = Round(total);
    }
    return total;
}
