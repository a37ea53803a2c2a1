#include "CalcSupport.h"

#include "SalaryDM.h"

const TDocumentValues& CurrentDocument(TSalaryDM& dm) {
    TCalcState& state = dm.CalcState();
    const TDataSet& document = *dm.SalaryZQ;
    if (state.documentRow != document.currentIndex() || state.documentChangeCount != document.changeCount()) {
        state.document = ReadDocument(state.fields.document);
        state.documentRow = document.currentIndex();
        state.documentChangeCount = document.changeCount();
    }
    return state.document;
}

const TLineValues& CurrentLine(TSalaryDM& dm) {
    TCalcState& state = dm.CalcState();
    const TDataSet& lines = *dm.SalaryItemZQ;
    if (state.lineRow != lines.currentIndex() || state.lineChangeCount != lines.changeCount()) {
        state.line = ReadLine(state.fields.line);
        state.lineRow = lines.currentIndex();
        state.lineChangeCount = lines.changeCount();
    }
    return state.line;
}

void SetLineAmount(TSalaryDM& dm, long double TLineValues::*member, TField* field, long double value) {
    TCalcState& state = dm.CalcState();
    const TDataSet& lines = *dm.SalaryItemZQ;
    const quint64 before = lines.changeCount();
    const bool known = state.lineRow == lines.currentIndex() && state.lineChangeCount == before;
    field->setAsFloat(double(value));
    // Only this assignment happened (no handler changed the line): the kept
    // values need just this one.
    if (known && state.lineChangeCount == before && lines.changeCount() == before + 1) {
        state.line.*member = NumberOf(field->value());
        state.lineChangeCount = lines.changeCount();
    }
}

const TRateItems& ShownRateItems(TSalaryDM& dm) {
    TCalcState& state = dm.CalcState();
    const TDataSet* items = dm.SalaryTaxItemZQ;
    if (state.shownRatesOf != items || state.shownRatesChangeCount != items->changeCount()) {
        state.shownRates = ReadRateItems(*items, state.fields.rateItem);
        state.shownRatesKey = dm.SalaryTaxItemZQ->param(QStringLiteral("IDSalaryTax")).toLongLong();
        state.shownRatesOf = items;
        state.shownRatesChangeCount = items->changeCount();
    }
    return state.shownRates;
}

const TRateItems& RateItemsOfSet(TSalaryDM& dm, qint64 salaryTaxId) {
    if (dm.SalaryTaxItemZQ->active()) {
        const TRateItems& shown = ShownRateItems(dm);
        if (dm.CalcState().shownRatesKey == salaryTaxId)
            return shown;
    }
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
