#pragma once

#include "RateItems.h"

#include <QString>

// The rates of the rate set of the document last opened, as fractions
// (14 % is 0.14), with the recipients' accounts. SalaryTaxItemsOpen fills
// them; the net calculation (working state 9) and the reports read them.
// They are zero and empty until a document is opened.
extern double PIO_COEF1;  // employee: pension and disability
extern double ZO_COEF1;   // employee: health
extern double ON_COEF1;   // employee: unemployment
extern double PIO_COEF2;  // employer: pension and disability
extern double ZO_COEF2;   // employer: health
extern double ON_COEF2;   // employer: unemployment
extern double LD_COEF;    // income tax

extern QString PIO_ACC1;
extern QString ZO_ACC1;
extern QString ON_ACC1;
extern QString PIO_ACC2;
extern QString ZO_ACC2;
extern QString ON_ACC2;
extern QString LD_ACC;

void ResetRateGlobals();

// Assigns the globals by position: items come by descending percentage, so
// the largest employee contribution is pension, the next health, the third
// unemployment (the same for the employer's); an employee-borne item without
// a contribution base is the income tax.
void AssignRateGlobals(const TRateItems& items);

// The same rule without the reset, and for the rates only: a global that
// already holds a rate keeps it (the annual PPP-PO fills them this way).
void FillFreeRateGlobals(const TRateItems& items);
