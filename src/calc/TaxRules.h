#pragma once

#include "RateItems.h"
#include "SalaryDM.h"
#include "SalaryValues.h"

// How the employee-borne items of a rate set turn a gross into the amounts
// taken from it; shared by the net, the net-to-gross and the decreased net.

// Employees of this working state pay neither health nor unemployment
// contributions: those items are left out of the deductions and the gross-up.
constexpr qint64 WorkingStateWithoutHealthAndUnemployment = 9;
// Employees of this working state pay every item on the full base, with no
// tax-free amount and no pension relief.
constexpr qint64 WorkingStateWithoutTaxFreeAmount = 19;

// `hours` are the line's hours against the month's `fund`: a part-time month
// has its minimum base cut in proportion (never raised above the full one).
TGrossStatus GrossStatus(long double gross, long double minBase, long double maxBase, long double hours,
                         long double fund);

// Sum of the employee-borne percentages and the tax relief (percent of the
// tax-free amount) of the items the working state pays.
struct TCorrection {
    double percent = 0;
    double correction = 0;
};
TCorrection Correction(const TRateItems& items, qint64 workingState);

// The gross whose net is `net`, with everything above the tax-free amount taxed.
long double GrossUp(long double net, long double percent, long double relief);

bool ExemptForWorkingState(const TRateItem& item, qint64 workingState);

// The base an item is computed on: the minimum base (prorated by hours) or
// the maximum base where the item follows them and the gross lies outside.
long double ContributionBase(const TRateItem& item, TGrossStatus status, long double gross,
                             const TDocumentValues& document, long double hours);

// The voluntary pension that lowers the income tax base, up to the document's cap.
long double PensionRelief(const TRateItem& item, const TLineValues& line, const TDocumentValues& document);

// An income tax is never negative: its base stops at zero.
long double TaxableBase(const TRateItem& item, long double base);

// Employee contributions and income tax of `gross` for the line, item by
// item, each rounded to hundredths (and the running sum to whole units under
// RoundTaxes). `sickLeaveDocument` prorates the tax-free amount by the
// long-sick, maternity and child-care hours, as sick-leave documents do.
long double EmployeeDeductions(const TDocumentValues& document, const TLineValues& line, const TRateItems& items,
                               long double gross, bool roundTaxes, bool sickLeaveDocument);
