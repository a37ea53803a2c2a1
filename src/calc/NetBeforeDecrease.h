#pragma once

#include "SalaryValues.h"

class TSalaryDM;

// A stored line of a document that decreased net pay, as it would have been
// without the decrease: what averages and certificates of earnings rest on.
struct TNetBeforeDecrease {
    long double net = 0;            // the net before the decrease
    long double factor = 1;         // the share of the regular pay that stays
    long double pensionRelief = 0;  // tax the voluntary pension saved in the decreased net
};

// For a document without a decrease (or without month hours): the line's
// own net and a factor of 1.
TNetBeforeDecrease NetBeforeDecrease(TSalaryDM& dm, const TDocumentValues& document, const TLineValues& line);
