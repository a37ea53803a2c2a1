#pragma once

#include "CalcTrace.h"

class TSalaryDM;

// The steps by which the current line of the open document comes to its
// stored values: each stage is worked out again by the calculation's own
// functions from the stored values it starts from, with a recorder, and
// nothing is written. Where a stored value is not what its stage gives (a
// typed amount), the trace says so and goes on from the stored value.
TCalcTrace ExplainLine(TSalaryDM& dm);
