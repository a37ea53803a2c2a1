#include <gtest/gtest.h>

#include <QString>

#include "FormatFloat.h"

namespace {

QString expected(const char* text)
{
    return QString::fromUtf8(text);
}

TEST(FormatFloatTest, RequiredDecimals)
{
    EXPECT_EQ(expected("1234,50"), FormatFloat("0.00", 1234.5));
    EXPECT_EQ(expected("0,00"), FormatFloat("0.00", 0.0));
    EXPECT_EQ(expected("2,68"), FormatFloat("0.00", 2.675));
    EXPECT_EQ(expected("1,01"), FormatFloat("0.00", 1.005));
    EXPECT_EQ(expected("1,50"), FormatFloat("0.00", 1.4999999999999998));
}

TEST(FormatFloatTest, OptionalDecimalsAreDroppedWhenZero)
{
    EXPECT_EQ(expected("12"), FormatFloat("0.##", 12.0));
    EXPECT_EQ(expected("12,5"), FormatFloat("0.##", 12.5));
    EXPECT_EQ(expected("12,35"), FormatFloat("0.##", 12.345));
    EXPECT_EQ(expected("13"), FormatFloat("0.##", 12.999));
    EXPECT_EQ(expected("0"), FormatFloat("0.##", 0.001));
}

TEST(FormatFloatTest, RequiredThenOptionalDecimals)
{
    EXPECT_EQ(expected("1,50"), FormatFloat("0.00##", 1.5));
    EXPECT_EQ(expected("1,234"), FormatFloat("0.00##", 1.234));
    EXPECT_EQ(expected("1,2346"), FormatFloat("0.00##", 1.23456));
    EXPECT_EQ(expected("1,2346"), FormatFloat("0.00##", 1.23455));
}

TEST(FormatFloatTest, ThousandsGrouping)
{
    EXPECT_EQ(expected("1.234.567,89"), FormatFloat("#,##0.00", 1234567.894));
    EXPECT_EQ(expected("123,00"), FormatFloat("#,##0.00", 123.0));
    EXPECT_EQ(expected("999.999,00"), FormatFloat("#,##0.00", 999999.0));
    EXPECT_EQ(expected("1.000,00"), FormatFloat("#,##0.00", 999.999));
    EXPECT_EQ(expected("0,50"), FormatFloat("#,##0.00", 0.5));
    EXPECT_EQ(expected("98.765.432.110,00"), FormatFloat("#,##0.00", 98765432109.995));
    EXPECT_EQ(expected("1,234,567.89"), FormatFloat("#,##0.00", 1234567.89, '.', ','));
}

TEST(FormatFloatTest, NegativeValuesGetALeadingMinus)
{
    EXPECT_EQ(expected("-1.234,50"), FormatFloat("#,##0.00", -1234.5));
    EXPECT_EQ(expected("-2,68"), FormatFloat("0.00", -2.675));
    EXPECT_EQ(expected("-12,5 %"), FormatFloat("0.## %", -12.5));
    EXPECT_EQ(expected("-123.000"), FormatFloat("#,##0", -123000.0));
    // A value that rounds to zero is shown without a sign.
    EXPECT_EQ(expected("0,00"), FormatFloat("0.00", -0.001));
}

TEST(FormatFloatTest, PercentIsALiteralSuffix)
{
    EXPECT_EQ(expected("14,00 %"), FormatFloat("0.00 %", 14.0));
    EXPECT_EQ(expected("0,50 %"), FormatFloat("0.00 %", 0.5));
}

TEST(FormatFloatTest, WholeNumbersAndLeadingZeros)
{
    EXPECT_EQ(expected("3"), FormatFloat("0", 2.5));
    EXPECT_EQ(expected("-3"), FormatFloat("0", -2.5));
    EXPECT_EQ(expected("07"), FormatFloat("00", 7.0));
    EXPECT_EQ(expected("123"), FormatFloat("00", 123.0));
    EXPECT_EQ(expected("0001234,50"), FormatFloat("0000000.00", 1234.5));
    EXPECT_EQ(expected("00001234,50"), FormatFloat("00000000.00", 1234.5));
}

TEST(FormatFloatTest, LiteralTextAroundTheNumber)
{
    EXPECT_EQ(expected("Iznos: 5,00 din."), FormatFloat("'Iznos: '0.00' din.'", 5.0));
    EXPECT_EQ(expected("#5"), FormatFloat("\"#\"0", 5.0));
    EXPECT_EQ(expected("12 h"), FormatFloat("0 h", 12.0));
}

TEST(FormatFloatTest, WithoutRequiredIntegerDigitsZeroIsNotShown)
{
    EXPECT_EQ(expected(",5"), FormatFloat("#.##", 0.5));
    EXPECT_EQ(expected(""), FormatFloat("#.##", 0.0));
}

TEST(FormatFloatTest, EmptyFormatGivesTheNaturalRepresentation)
{
    EXPECT_EQ(expected("1234,5"), FormatFloat("", 1234.5));
    EXPECT_EQ(expected("0,1"), FormatFloat("", 0.1));
    EXPECT_EQ(expected("0,3"), FormatFloat("", 0.1 + 0.2));
    EXPECT_EQ(expected("-7"), FormatFloat("", -7.0));
    EXPECT_EQ(expected("98765432109,995"), FormatFloat("", 98765432109.995));
    EXPECT_EQ(expected("2.5"), FormatFloat("", 2.5, '.'));
}

}  // namespace
