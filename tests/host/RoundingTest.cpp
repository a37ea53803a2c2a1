#include <gtest/gtest.h>

#include <cmath>

#include "Rounding.h"

namespace {

struct RoundingCase {
    double value;
    int digits;
    double expected;
};

// The amounts arrive as doubles (from the database or a literal), so the
// cases widen a double, as the calculation does.
TEST(BetterRoundToTest, RoundsHalvesAwayFromZeroOnTheDecimalValue)
{
    const RoundingCase cases[] = {
        // Decimal halves that a double stores just below the half go up.
        {2.675, -2, 2.68}, {1.005, -2, 1.01}, {0.125, -2, 0.13}, {1234567.895, -2, 1234567.90},
        {0.25, -1, 0.3}, {8.015, -2, 8.02},
        // Negative halves go away from zero.
        {-2.675, -2, -2.68}, {-1.005, -2, -1.01}, {-2.5, 0, -3.0},
        // Values genuinely below the half stay down.
        {1.1499999999, -1, 1.1}, {2.674999, -2, 2.67}, {-2.674999, -2, -2.67},
        {1234567.894999, -2, 1234567.89}, {98765432109.994, -2, 98765432109.99},
        // Values above the half go up.
        {2.675001, -2, 2.68}, {0.0051, -2, 0.01}, {-0.0051, -2, -0.01},
        // Large amounts keep their cents.
        {98765432109.995, -2, 98765432110.00}, {98765432109.99, -2, 98765432109.99},
        {12345678901.2345, -2, 12345678901.23},
        // Values already at the precision are unchanged.
        {10.0, -2, 10.0}, {0.1, -2, 0.1}, {19.99, -2, 19.99}, {0.0, -2, 0.0},
        // Whole numbers and multiples of powers of ten.
        {2.5, 0, 3.0}, {2.4999, 0, 2.0}, {1250.0, 2, 1300.0}, {1249.99, 2, 1200.0}, {-1250.0, 2, -1300.0},
        {56789.0, 3, 57000.0},
        // Arithmetic results: 0.1 + 0.2 is 0.30000000000000004, 1.15 is 1.149999...
        {0.1 + 0.2, -2, 0.3}, {1.15, -1, 1.2},
    };
    for (const RoundingCase& c : cases)
        EXPECT_EQ(c.expected, static_cast<double>(BetterRoundTo(c.value, c.digits)))
            << c.value << " to " << c.digits << " digits";

    const long double contribution = 1234.57L * 14.0L / 100.0L;  // 172.8398
    EXPECT_EQ(172.84, static_cast<double>(BetterRoundTo(contribution, -2)));
    // A tiny negative value rounds to positive zero, never to a printed "-0,00".
    EXPECT_FALSE(std::signbit(BetterRoundTo(-0.001L, -2)));
    EXPECT_EQ(0.0L, BetterRoundTo(-0.001L, -2));
}

TEST(RoundTest, HalvesGoToTheEvenNeighbourOtherValuesToTheNearest)
{
    const std::pair<long double, long double> cases[] = {
        {2.5L, 2.0L}, {3.5L, 4.0L}, {-2.5L, -2.0L}, {0.5L, 0.0L}, {1.5L, 2.0L},
        {2.51L, 3.0L}, {2.49L, 2.0L}, {-2.51L, -3.0L}, {7.0L, 7.0L},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(expected, Round(value)) << static_cast<double>(value);
}

}  // namespace
