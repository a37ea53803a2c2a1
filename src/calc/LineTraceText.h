#pragma once

#include "CalcTrace.h"
#include "RateItems.h"
#include "SalaryDM.h"
#include "SalaryValues.h"

struct TGrossParts;
struct TLineComponents;

// The words of the steps the gross and net calculation records: kept apart
// from the rules so that these read as rules. Each is called only with a
// recorder.

// The parts of the gross, each that is not zero.
void TraceGrossParts(TCalcTrace& trace, long double regularWork, const TGrossParts& parts,
                     const TDocumentValues& document, const TLineValues& line);
// Where the gross stands against the contribution bases.
void TraceGrossStatus(TCalcTrace& trace, TGrossStatus status, long double gross, const TDocumentValues& document,
                      long double paidHours);
// One contribution or the income tax, on its base.
void TraceContribution(TCalcTrace& trace, const TRateItem& item, long double base, long double free,
                       long double relief, long double amount, bool roundTaxes, qint64 workingState);
void TraceNet(TCalcTrace& trace, long double gross, const TLineComponents& components, bool roundTaxes);

enum class TPayBasis;

// The pay basis chosen and why, the month's share and the years-of-service factor.
void TracePayBasis(TCalcTrace& trace, TPayBasis basis, const TLineValues& line, const TDocumentValues& document,
                   long double coefficient, long double share, long double serviceFactor);
// Whether the minimum gross lifted the regular work.
void TraceMinimumGrossFloor(TCalcTrace& trace, long double contractual, long double result, long double minimumGross,
                            long double workedHours, long double fund);
