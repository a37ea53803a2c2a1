#pragma once

#include "SalaryValues.h"

class TCalcTrace;
class TSalaryDM;

// The statutory decrease and the deductions of a line whose values are at
// hand; both read the document's rate set and the line's deduction set.

// The net after the document's decrease of net pay.
long double DecreasedNetOfLine(TSalaryDM& dm, const TDocumentValues& document, const TLineValues& line,
                               TCalcTrace* trace);
// The decreased net less the voluntary pension and the deductions.
long double AmountForPayment(TSalaryDM& dm, const TDocumentValues& document, const TLineValues& line,
                             long double decreasedNet, TCalcTrace* trace);
