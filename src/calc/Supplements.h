#pragma once

#include <QString>

class TCalcTrace;

// Hours at the hour price price / base, raised by `percent`; 0 without a base.
long double SupplementValue(long double price, long double hours, long double base, long double percent,
                            TCalcTrace* trace, const QString& title);
