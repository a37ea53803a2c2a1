#include "DBIniFile.h"
#include "TestDatabase.h"

#include <gtest/gtest.h>

TEST(DBIniFile, ReadsDefaultsAndRoundTripsEveryType) {
    REQUIRE_TEST_DATABASE();
    TestDatabase db;
    TDBIniFile ini(db.open());
    EXPECT_EQ(QStringLiteral("d"), ini.ReadString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("d")));
    EXPECT_EQ(26, ini.ReadInteger(QStringLiteral("S"), QStringLiteral("n"), 26));
    EXPECT_TRUE(ini.ReadBool(QStringLiteral("S"), QStringLiteral("b"), true));

    ini.WriteString(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("Niš, Čačak"));
    ini.WriteInteger(QStringLiteral("S"), QStringLiteral("n"), -3);
    ini.WriteBool(QStringLiteral("S"), QStringLiteral("b"), false);
    EXPECT_EQ(QStringLiteral("Niš, Čačak"), ini.ReadString(QStringLiteral("S"), QStringLiteral("k"), QString()));
    EXPECT_EQ(-3, ini.ReadInteger(QStringLiteral("S"), QStringLiteral("n"), 0));
    EXPECT_FALSE(ini.ReadBool(QStringLiteral("S"), QStringLiteral("b"), true));
    // Sections keep keys of the same name apart.
    EXPECT_EQ(7, ini.ReadInteger(QStringLiteral("Other"), QStringLiteral("n"), 7));
}

TEST(DBIniFile, WritingTheSameValueTwiceKeepsOneRow) {
    REQUIRE_TEST_DATABASE();
    TestDatabase db;
    Connection& c = db.open();
    TDBIniFile ini(c);
    ini.WriteBool(QStringLiteral("Salary"), QStringLiteral("RoundTaxes"), true);
    ini.WriteBool(QStringLiteral("Salary"), QStringLiteral("RoundTaxes"), true);
    EXPECT_EQ(1, c.scalar(QStringLiteral("SELECT COUNT(*) FROM dbinifile")).toInt());
    EXPECT_TRUE(ini.ReadBool(QStringLiteral("Salary"), QStringLiteral("RoundTaxes"), false));
}

TEST(DBIniFile, AnUnreadableValueGivesTheDefault) {
    REQUIRE_TEST_DATABASE();
    TestDatabase db;
    TDBIniFile ini(db.open());
    ini.WriteString(QStringLiteral("S"), QStringLiteral("n"), QStringLiteral("dvadeset"));
    EXPECT_EQ(26, ini.ReadInteger(QStringLiteral("S"), QStringLiteral("n"), 26));
}
