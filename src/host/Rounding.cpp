#include "Rounding.h"

#include <array>
#include <cmath>

namespace {

// 10^0 .. 10^22 are exact in double as well as in long double, so the final
// division or multiplication is a single correctly rounded operation.
constexpr int MaxTabledPower = 22;

constexpr std::array<double, MaxTabledPower + 1> PowersOfTen = [] {
    std::array<double, MaxTabledPower + 1> powers{};
    double power = 1.0;
    for (double& p : powers) {
        p = power;
        power *= 10.0;
    }
    return powers;
}();

// A scaled value whose fraction lies this close to one half is taken to be a
// decimal half that binary floating point could not hold exactly. The
// relative part covers the representation and arithmetic error of amounts
// (a double is good to about 1e-16 relative); the absolute part covers
// values near zero.
constexpr long double RelativeHalfTolerance = 1e-14L;
constexpr long double AbsoluteHalfTolerance = 1e-15L;

// Above 2^53 a double has no fractional part left to round and the
// integer no longer converts to double exactly.
constexpr long double ExactDoubleIntegerLimit = 9007199254740992.0L;

long double powerOfTen(int exponent)
{
    return exponent <= MaxTabledPower ? static_cast<long double>(PowersOfTen[exponent])
                                      : std::pow(10.0L, exponent);
}

long double roundHalfAwayFromZero(long double magnitude)
{
    const long double whole = std::floor(magnitude);
    const long double fraction = magnitude - whole;
    const long double tolerance = magnitude * RelativeHalfTolerance + AbsoluteHalfTolerance;
    if (std::fabs(fraction - 0.5L) <= tolerance || fraction > 0.5L)
        return whole + 1.0L;
    return whole;
}

}  // namespace

long double BetterRoundTo(long double value, int digits)
{
    if (!std::isfinite(value))
        return value;

    const int exponent = digits < 0 ? -digits : digits;
    const long double scale = powerOfTen(exponent);
    const long double scaled = digits < 0 ? value * scale : value / scale;
    const long double magnitude = roundHalfAwayFromZero(std::fabs(scaled));
    if (magnitude == 0.0L)
        return 0.0L;  // never a negative zero: it would be shown as "-0,00"
    const long double rounded = std::signbit(scaled) ? -magnitude : magnitude;

    if (magnitude >= ExactDoubleIntegerLimit || exponent > MaxTabledPower)
        return digits < 0 ? rounded / scale : rounded * scale;

    // One double operation on exact operands yields the double nearest the
    // decimal result, which is what literals in code and data compare to.
    const double result = digits < 0 ? static_cast<double>(rounded) / PowersOfTen[exponent]
                                     : static_cast<double>(rounded) * PowersOfTen[exponent];
    return result;
}

long double Round(long double value)
{
    // nearbyint honours the current rounding mode, which is round-to-nearest-even
    // unless something changed it; nothing in the application does.
    return std::nearbyint(value);
}
