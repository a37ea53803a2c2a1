#pragma once

class TSalaryDM;

// The editor's "Primeni na sve zaposlene" of the hours, the meal allowance
// and the holiday allowance: every line of the open document takes the
// document's value. Each line is edited and posted as if typed, so that its
// change handlers recalculate it.

// `column` is a column of both the document and the line ("workinghours", "mealrefund").
void SalaryItemsTakeDocumentValue(TSalaryDM& dm, const char* column);
// The document's holiday allowance; with the option VacOnlyForEffectiveHours,
// a line that worked less than the month's hours gets its share of it.
void SalaryItemsTakeVacationRefund(TSalaryDM& dm);
// A line's holiday allowance: the whole allowance, or its share for the hours worked.
double VacationRefundOfLine(double documentRefund, double documentHours, double workedHours, bool onlyEffectiveHours);
