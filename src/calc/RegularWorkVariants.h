#pragma once

#include "SalaryValues.h"

class TCalcTrace;
class TSalaryDM;

// Regular work outside the line's own hours and rules.

// The minimum gross floor of regular work for hours other than the line's
// own (a coefficient row): `line` carries the row's supplement values; the
// allowances count exactly when they are part of the points' pay.
double CoefficientRowRegularWorkFloor(TSalaryDM& dm, double regularWork, const THours& hours, const TLineValues& line);

// The regular work the current line's pay basis gives for a whole month at
// the document's share, without the minimum gross floor (a line just added).
double WholeMonthRegularWork(TSalaryDM& dm);

// The regular work of `hours` at `coefficient` for the current line, with
// the minimum gross floor and before the outturn, without editing the line.
long double RegularWorkForHours(TSalaryDM& dm, const THours& hours, long double coefficient, TCalcTrace* trace);
