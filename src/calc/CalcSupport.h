#pragma once

#include "CalcFields.h"

class TSalaryDM;

// What the calculation procedures share: the sets they read and the way
// they write the line.

// The values of the current document, read again only after it changed
// (it does not while its lines are calculated).
const TDocumentValues& CurrentDocument(TSalaryDM& dm);

// The values of the current line: field assignments since they were read
// are followed one by one, anything else reads the line again.
const TLineValues& CurrentLine(TSalaryDM& dm);

// The rate items the rate-item dataset holds (the current document's set),
// read again only after the dataset changed.
const TRateItems& ShownRateItems(TSalaryDM& dm);
// The items of any rate set: the shown ones when it is the shown set.
const TRateItems& RateItemsOfSet(TSalaryDM& dm, qint64 salaryTaxId);
// The deductions of a deduction set (none for key 0).
const TDeductions& DeductionsOfSet(TSalaryDM& dm, qint64 salaryCreditId);

// Puts the current line into edit state when it is browsing.
void EditLine(TSalaryDM& dm);
// Stores an amount computed in extended precision.
void SetAmount(TField* field, long double value);

// Sets the flag for a scope and clears it at the end, whatever it was before
// (the calculation's Calculating flag).
class CalculatingScope {
public:
    explicit CalculatingScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~CalculatingScope() { flag_ = false; }
    CalculatingScope(const CalculatingScope&) = delete;
    CalculatingScope& operator=(const CalculatingScope&) = delete;

private:
    bool& flag_;
};
