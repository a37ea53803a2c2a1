#pragma once

// The only two ways amounts are rounded in the application. Everything that
// rounds money, hours or percentages goes through these.

// Rounds to a multiple of 10^digits (digits -2 = hundredths, 0 = units,
// 2 = hundreds), halves away from zero. Works on the decimal value the
// number stands for: 2.675 becomes 2.68 although the nearest double is
// 2.67499999..., while a value genuinely below the half stays down. The
// result is the double nearest to the decimal answer, widened, so it
// compares equal to literals such as 2.68.
[[nodiscard]] long double BetterRoundTo(long double value, int digits);

// Rounds to a whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
[[nodiscard]] long double Round(long double value);
