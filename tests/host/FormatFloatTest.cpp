#include <gtest/gtest.h>

#include <QString>

#include "FormatFloat.h"

namespace {

struct FormatCase {
    const char* format;
    double value;
    const char* expected;
};

TEST(FormatFloatTest, FormatsAsTheReportsAndGridsShowAmounts)
{
    const FormatCase cases[] = {
        // Required decimals, rounded as the amounts are.
        {"0.00", 1234.5, "1234,50"}, {"0.00", 0.0, "0,00"}, {"0.00", 2.675, "2,68"}, {"0.00", 1.005, "1,01"},
        {"0.00", 1.4999999999999998, "1,50"},
        // Optional decimals are dropped when zero.
        {"0.##", 12.0, "12"}, {"0.##", 12.5, "12,5"}, {"0.##", 12.345, "12,35"}, {"0.##", 12.999, "13"},
        {"0.##", 0.001, "0"},
        {"0.00##", 1.5, "1,50"}, {"0.00##", 1.234, "1,234"}, {"0.00##", 1.23456, "1,2346"}, {"0.00##", 1.23455, "1,2346"},
        // Thousands grouping.
        {"#,##0.00", 1234567.894, "1.234.567,89"}, {"#,##0.00", 123.0, "123,00"}, {"#,##0.00", 999999.0, "999.999,00"},
        {"#,##0.00", 999.999, "1.000,00"}, {"#,##0.00", 0.5, "0,50"}, {"#,##0.00", 98765432109.995, "98.765.432.110,00"},
        // A leading minus; a value that rounds to zero has no sign.
        {"#,##0.00", -1234.5, "-1.234,50"}, {"0.00", -2.675, "-2,68"}, {"0.## %", -12.5, "-12,5 %"},
        {"#,##0", -123000.0, "-123.000"}, {"0.00", -0.001, "0,00"},
        // Literal text around the number.
        {"0.00 %", 14.0, "14,00 %"}, {"0.00 %", 0.5, "0,50 %"}, {"'Iznos: '0.00' din.'", 5.0, "Iznos: 5,00 din."},
        {"\"#\"0", 5.0, "#5"}, {"0 h", 12.0, "12 h"},
        // Whole numbers and leading zeros.
        {"0", 2.5, "3"}, {"0", -2.5, "-3"}, {"00", 7.0, "07"}, {"00", 123.0, "123"},
        {"0000000.00", 1234.5, "0001234,50"}, {"00000000.00", 1234.5, "00001234,50"},
        // Without required integer digits zero is not shown.
        {"#.##", 0.5, ",5"}, {"#.##", 0.0, ""},
        // An empty format gives the natural representation.
        {"", 1234.5, "1234,5"}, {"", 0.1, "0,1"}, {"", 0.1 + 0.2, "0,3"}, {"", -7.0, "-7"},
        {"", 98765432109.995, "98765432109,995"},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(QString::fromUtf8(c.expected), FormatFloat(c.format, c.value))
            << "\"" << c.format << "\" of " << c.value;
    EXPECT_EQ(QStringLiteral("1,234,567.89"), FormatFloat("#,##0.00", 1234567.89, '.', ','));
    EXPECT_EQ(QStringLiteral("2.5"), FormatFloat("", 2.5, '.'));
}

}  // namespace
