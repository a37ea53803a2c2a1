#include "CalcSupport.h"

#include "SalaryDM.h"

const TRateItems& ShownRateItems(TSalaryDM& dm) {
    TCalcState& state = dm.CalcState();
    const TDataSet* items = dm.SalaryTaxItemZQ;
    if (state.shownRatesOf != items || state.shownRatesChangeCount != items->changeCount()) {
        state.shownRates = ReadRateItems(*items, state.fields.rateItem);
        state.shownRatesOf = items;
        state.shownRatesChangeCount = items->changeCount();
    }
    return state.shownRates;
}

const TRateItems& RateItemsOfSet(TSalaryDM& dm, qint64 salaryTaxId) {
    if (dm.SalaryTaxItemZQ->active()
        && dm.SalaryTaxItemZQ->param(QStringLiteral("IDSalaryTax")).toLongLong() == salaryTaxId)
        return ShownRateItems(dm);
    auto& stored = dm.CalcState().storedRates;
    if (const auto found = stored.find(salaryTaxId); found != stored.end())
        return found->second;
    static const TRateItems none;
    TRateItems items = LoadRateItems(*dm.ZConnection(), salaryTaxId);
    if (items.empty())
        return none;  // not kept: the set may still be being composed
    return stored.emplace(salaryTaxId, std::move(items)).first->second;
}

const TDeductions& DeductionsOfSet(TSalaryDM& dm, qint64 salaryCreditId) {
    static const TDeductions none;
    if (salaryCreditId <= 0)
        return none;
    auto& stored = dm.CalcState().storedDeductions;
    if (const auto found = stored.find(salaryCreditId); found != stored.end())
        return found->second;
    TDeductions deductions = LoadDeductions(*dm.ZConnection(), salaryCreditId);
    if (deductions.empty())
        return none;  // not kept: its deductions may be written only now
    return stored.emplace(salaryCreditId, std::move(deductions)).first->second;
}

void EditLine(TSalaryDM& dm) {
    if (dm.SalaryItemZQ->state() == DataSetState::Browse)
        dm.SalaryItemZQ->edit();
}

void SetAmount(TField* field, long double value) { field->setAsFloat(double(value)); }
