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

namespace {

// Brings the kept line values up to `now` when everything since they were
// read was an assignment of a number field; false when the line must be
// read again.
bool followAssignments(TCalcState& state, const TDataSet& lines, quint64 now) {
    const std::vector<QVariant>* values = lines.currentValues();
    if (!values)
        return false;
    for (quint64 change = state.lineChangeCount + 1; change <= now; ++change) {
        const int field = lines.assignedField(change);
        if (field < 0)
            return false;
        switch (state.fields.lineValueKind(field)) {
        case TCalcFields::LineValueKind::None: break;
        case TCalcFields::LineValueKind::Other: return false;
        case TCalcFields::LineValueKind::Number:
            state.line.*state.fields.lineNumber(field) = NumberOf((*values)[size_t(field)]);
            break;
        }
    }
    state.lineChangeCount = now;
    return true;
}

}  // namespace

const TLineValues& CurrentLine(TSalaryDM& dm) {
    TCalcState& state = dm.CalcState();
    const TDataSet& lines = *dm.SalaryItemZQ;
    const quint64 now = lines.changeCount();
    if (state.lineRow == lines.currentIndex() && state.lineChangeCount == now)
        return state.line;
    if (state.lineRow != lines.currentIndex() || !followAssignments(state, lines, now)) {
        state.line = ReadLine(state.fields.line);
        state.lineRow = lines.currentIndex();
        state.lineChangeCount = now;
    }
    return state.line;
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
