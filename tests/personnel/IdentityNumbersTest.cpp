#include "BankAccount.h"
#include "Jmbg.h"
#include "QStringPrinter.h"

#include <gtest/gtest.h>

TEST(Jmbg, AcceptsRealNumbersWhoseControlDigitFits) {
    EXPECT_EQ(QString(), JmbgError(QStringLiteral("0101990710008")));
    EXPECT_EQ(QString(), JmbgError(QStringLiteral("0512981717776")));  // born 5 Dec 1981 in Belgrade
    EXPECT_EQ(QString(), JmbgError(QStringLiteral("2902000710009")));  // 29 Feb of a leap year
    // Remainder 0 gives the control digit 0.
    EXPECT_EQ(QString(), JmbgError(QStringLiteral("1503985710010")));
    EXPECT_EQ(QDate(1981, 12, 5), JmbgBirthDate(QStringLiteral("0512981717776")));
    EXPECT_EQ(QDate(2000, 2, 29), JmbgBirthDate(QStringLiteral("2902000710009")));
}

TEST(Jmbg, SaysWhatIsWrong) {
    EXPECT_TRUE(JmbgError(QStringLiteral("010199071000")).contains(QStringLiteral("13 cifara")));
    EXPECT_TRUE(JmbgError(QStringLiteral("01019907100O8")).contains(QStringLiteral("13 cifara")));
    EXPECT_TRUE(JmbgError(QStringLiteral("2902001710003")).contains(QStringLiteral("datumom")));  // 2001 is no leap year
    EXPECT_TRUE(JmbgError(QStringLiteral("3104990710005")).contains(QStringLiteral("datumom")));
    EXPECT_TRUE(JmbgError(QStringLiteral("0101990710007")).contains(QStringLiteral("kontrolnu")));
    // Remainder 1 has no control digit: no such number is ever given out,
    // so a 0 there is a typing slip, not the rounded-down 10.
    EXPECT_EQ(-1, JmbgControlDigit(QStringLiteral("150398571007")));
    EXPECT_TRUE(JmbgError(QStringLiteral("1503985710070")).contains(QStringLiteral("kontrolnu")));
}

TEST(BankAccount, NormalizesShortAndBareFormsToEighteenDigitsWithDashes) {
    EXPECT_EQ(QStringLiteral("160-0000000012345-95"), NormalizeBankAccount(QStringLiteral("160-12345-95")));
    EXPECT_EQ(QStringLiteral("160-0000000012345-95"), NormalizeBankAccount(QStringLiteral("160000000001234595")));
    EXPECT_EQ(QStringLiteral("160-0000000012345-95"), NormalizeBankAccount(QStringLiteral(" 160-0000000012345-95 ")));
    EXPECT_EQ(QStringLiteral("205-0009011000002-19"), NormalizeBankAccount(QStringLiteral("205-9011000002-19")));
    // A public revenue account of the treasury.
    EXPECT_EQ(QStringLiteral("840-0000721314843-81"), NormalizeBankAccount(QStringLiteral("840-721314843-81")));
    EXPECT_EQ(75, BankAccountControl(QStringLiteral("908"), QStringLiteral("0")));
}

TEST(BankAccount, RefusesWrongControlAndForm) {
    QString error;
    EXPECT_EQ(QString(), NormalizeBankAccount(QStringLiteral("160-12345-94"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("kontrolni broj"))) << error.toStdString();
    for (const char* bad : {"160-12345", "16-12345-95", "160-12345678901234-95", "160-12a45-95", "16000000000123459"}) {
        error.clear();
        EXPECT_EQ(QString(), NormalizeBankAccount(QLatin1String(bad), &error)) << bad;
        EXPECT_TRUE(error.contains(QStringLiteral("obliku"))) << bad;
    }
}
