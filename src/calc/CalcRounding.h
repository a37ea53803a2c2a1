#pragma once

#include "Rounding.h"

// The calculation's two roundings, in the words its rules use.

// To hundredths.
[[nodiscard]] inline long double RND(long double value) { return BetterRoundTo(value, -2); }

// Amounts under the option RoundTaxes are whole units (halves to even),
// otherwise hundredths.
[[nodiscard]] inline long double RoundedAmount(long double value, bool roundTaxes) {
    return roundTaxes ? Round(value) : RND(value);
}
