#pragma once

#include <QTextStream>

class TSalaryDM;

// The recapitulation of the document open in the data module, as the
// accountant checks a month before paying it: the parts of the gross, the
// gross, taxes and contributions of both sides, the net, deductions and
// the amount for payment.
void PrintRecapitulation(TSalaryDM& dm, QTextStream& out);
