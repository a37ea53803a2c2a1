#pragma once

#include "CalcRounding.h"

class TCalcTrace;

// Records a supplement's hours, hour price and percentage.
void TraceSupplement(TCalcTrace& trace, const char* title, long double hours, long double hourPrice,
                     long double percent, long double value);

// Hours at the hour price price / base, raised by `percent`; 0 without a base.
// Inline: four of them price every line.
inline long double SupplementValue(long double price, long double hours, long double base, long double percent,
                                   TCalcTrace* trace, const char* title) {
    if (base <= 0)
        return 0;
    const long double value = RND(hours * price / base * (1 + percent / 100));
    if (trace && hours != 0)
        TraceSupplement(*trace, title, hours, price / base, percent, value);
    return value;
}
