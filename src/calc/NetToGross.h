#pragma once

#include "SalaryValues.h"

class TCalcTrace;
class TSalaryDM;

// The gross whose net is `net` for the line: the first estimate, then the
// steps over the employee's contributions and tax until the gross settles.
long double GrossOfNet(TSalaryDM& dm, const TDocumentValues& document, const TLineValues& line, long double net,
                       TCalcTrace* trace);
