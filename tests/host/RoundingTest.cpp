#include <gtest/gtest.h>

#include <cmath>

#include "Rounding.h"

namespace {

// The amounts arrive as doubles (from the database or a literal), so the
// tests widen a double, as the calculation does.
double roundedTo(double value, int digits)
{
    return static_cast<double>(BetterRoundTo(value, digits));
}

TEST(BetterRoundToTest, DecimalHalvesThatDoublesStoreBelowTheHalfGoUp)
{
    EXPECT_EQ(2.68, roundedTo(2.675, -2));  // the double is 2.67499999...
    EXPECT_EQ(1.01, roundedTo(1.005, -2));  // the double is 1.00499999...
    EXPECT_EQ(0.13, roundedTo(0.125, -2));
    EXPECT_EQ(1234567.90, roundedTo(1234567.895, -2));
    EXPECT_EQ(0.3, roundedTo(0.25, -1));
    EXPECT_EQ(8.02, roundedTo(8.015, -2));
}

TEST(BetterRoundToTest, HalvesOfNegativeValuesGoAwayFromZero)
{
    EXPECT_EQ(-2.68, roundedTo(-2.675, -2));
    EXPECT_EQ(-1.01, roundedTo(-1.005, -2));
    EXPECT_EQ(-3.0, roundedTo(-2.5, 0));
}

TEST(BetterRoundToTest, ValuesGenuinelyBelowTheHalfStayDown)
{
    EXPECT_EQ(1.1, roundedTo(1.1499999999, -1));
    EXPECT_EQ(2.67, roundedTo(2.674999, -2));
    EXPECT_EQ(-2.67, roundedTo(-2.674999, -2));
    EXPECT_EQ(1234567.89, roundedTo(1234567.894999, -2));
    EXPECT_EQ(98765432109.99, roundedTo(98765432109.994, -2));
}

TEST(BetterRoundToTest, ValuesAboveTheHalfGoUp)
{
    EXPECT_EQ(2.68, roundedTo(2.675001, -2));
    EXPECT_EQ(0.01, roundedTo(0.0051, -2));
    EXPECT_EQ(-0.01, roundedTo(-0.0051, -2));
}

TEST(BetterRoundToTest, LargeAmountsKeepTheirCents)
{
    EXPECT_EQ(98765432110.00, roundedTo(98765432109.995, -2));
    EXPECT_EQ(98765432109.99, roundedTo(98765432109.99, -2));
    EXPECT_EQ(12345678901.23, roundedTo(12345678901.2345, -2));
}

TEST(BetterRoundToTest, ValuesAlreadyAtTheRequestedPrecisionAreUnchanged)
{
    EXPECT_EQ(10.0, roundedTo(10.0, -2));
    EXPECT_EQ(0.1, roundedTo(0.1, -2));
    EXPECT_EQ(19.99, roundedTo(19.99, -2));
    EXPECT_EQ(0.0, roundedTo(0.0, -2));
}

TEST(BetterRoundToTest, WholeNumbersAndMultiplesOfPowersOfTen)
{
    EXPECT_EQ(3.0, roundedTo(2.5, 0));
    EXPECT_EQ(2.0, roundedTo(2.4999, 0));
    EXPECT_EQ(1300.0, roundedTo(1250.0, 2));
    EXPECT_EQ(1200.0, roundedTo(1249.99, 2));
    EXPECT_EQ(-1300.0, roundedTo(-1250.0, 2));
    EXPECT_EQ(57000.0, roundedTo(56789.0, 3));
}

TEST(BetterRoundToTest, ArithmeticResultsRoundOnTheirDecimalValue)
{
    // 0.1 + 0.2 is 0.30000000000000004 in double; 1.15 * 100 is 114.99999999999999.
    EXPECT_EQ(0.3, roundedTo(0.1 + 0.2, -2));
    EXPECT_EQ(1.2, roundedTo(1.15, -1));
    const long double gross = 1234.57L;
    const long double contribution = gross * 14.0L / 100.0L;  // 172.8398
    EXPECT_EQ(172.84, static_cast<double>(BetterRoundTo(contribution, -2)));
}

TEST(BetterRoundToTest, TinyNegativeValuesRoundToPositiveZero)
{
    const long double rounded = BetterRoundTo(-0.001L, -2);
    EXPECT_EQ(0.0L, rounded);
    EXPECT_FALSE(std::signbit(rounded));
}

TEST(RoundTest, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(2.0L, Round(2.5L));
    EXPECT_EQ(4.0L, Round(3.5L));
    EXPECT_EQ(-2.0L, Round(-2.5L));
    EXPECT_EQ(0.0L, Round(0.5L));
    EXPECT_EQ(2.0L, Round(1.5L));
}

TEST(RoundTest, OtherValuesGoToTheNearestWholeNumber)
{
    EXPECT_EQ(3.0L, Round(2.51L));
    EXPECT_EQ(2.0L, Round(2.49L));
    EXPECT_EQ(-3.0L, Round(-2.51L));
    EXPECT_EQ(7.0L, Round(7.0L));
}

}  // namespace
