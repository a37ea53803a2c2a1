#pragma once

#include <QString>

class TDataSet;
class TField;
class TSalaryDM;

// What the change handlers of a line share: the guard, the hours check, the
// hour price of the supplements and the percentage columns.

// True when a handler must not run: a bulk fill or a calculation writing.
bool RecalculationSuspended(const TSalaryDM& dm);

// The line's hours (overtime aside) against the document's fund; shows the
// error with the employee's name and answers false when they exceed it.
bool LineHoursWithinFund(TSalaryDM& dm);

// The price of one working hour of the line at the given coefficient.
double HourPrice(TSalaryDM& dm, double coefficient);

// Price and base of the line's supplements: its regular work over its
// working hours, or without regular work the price of one hour.
struct SupplementPrice {
    double price = 0;
    double base = 0;
};
SupplementPrice LineSupplementPrice(TSalaryDM& dm);

// The line's deduction and raise as percentages of the regular pay of its
// worked hours; without regular work, of the hour price over the
// supplement hours, when `priceWithoutRegularWork` (else both 0).
void WriteLinePercentages(TSalaryDM& dm, bool priceWithoutRegularWork);

// salaryvalue − old + new, rounded to dinars under RoundTaxes.
void ReplaceInGross(TSalaryDM& dm, double oldValue, double newValue);

// The holiday allowance for the hours worked (or the document's whole one).
void WriteLineVacationRefund(TSalaryDM& dm);

// Non-number columns of the line the handlers use, looked up by name.
TField* LineField(TSalaryDM& dm, const char* name);

// After new regular work: the night, overtime and holiday values at the new
// hour price, each replacing its old value in the gross; then the gross
// again with the night-holiday value replaced the same way; then the
// percentage columns. The line stays in edit.
void RepriceLineSupplements(TSalaryDM& dm);
