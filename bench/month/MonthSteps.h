#pragma once

class TSalaryDM;

// The steps of a regular month as a user takes them, each ending with the
// document applied; every step returns the number of lines it worked on.

// A new regular document for the month, with the last document's values, applied empty.
void OpenMonthDocument(TSalaryDM& dm, int year, int month);
// (1) Every active employee added, then applied.
int AddAllEmployeesAndApply(TSalaryDM& dm);
// (2) The point value raised, which recalculates every line, then applied.
int RaisePointValueAndApply(TSalaryDM& dm);
// (3) Vacation hours typed on `count` lines spread over the document, the
// line's hours lowered first to leave room, as `zarade-cli line set` types them.
int TypeVacationAndApply(TSalaryDM& dm, int count);
// (4) The document posted.
int PostDocument(TSalaryDM& dm);
