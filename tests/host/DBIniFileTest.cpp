#include "DBIniFile.h"
#include "TestDatabase.h"

#include <gtest/gtest.h>

TEST(DBIniFile, ReadsDefaultsRoundTripsEveryTypeAndKeepsOneRowPerKey) {
    REQUIRE_TEST_DATABASE();
    TestDatabase db;
    Connection& c = db.open();
    TDBIniFile ini(c);
    const QString s = QStringLiteral("S");
    EXPECT_EQ(QStringLiteral("d"), ini.ReadString(s, QStringLiteral("k"), QStringLiteral("d")));
    EXPECT_EQ(26, ini.ReadInteger(s, QStringLiteral("n"), 26));
    EXPECT_TRUE(ini.ReadBool(s, QStringLiteral("b"), true));

    ini.WriteString(s, QStringLiteral("k"), QStringLiteral("Niš, Čačak"));
    ini.WriteInteger(s, QStringLiteral("n"), -3);
    ini.WriteBool(s, QStringLiteral("b"), false);
    ini.WriteBool(s, QStringLiteral("b"), false);
    EXPECT_EQ(QStringLiteral("Niš, Čačak"), ini.ReadString(s, QStringLiteral("k"), QString()));
    EXPECT_EQ(-3, ini.ReadInteger(s, QStringLiteral("n"), 0));
    EXPECT_FALSE(ini.ReadBool(s, QStringLiteral("b"), true));
    EXPECT_EQ(3, c.scalar(QStringLiteral("SELECT COUNT(*) FROM dbinifile")).toInt()) << "a second write keeps one row";
    // Sections keep keys of the same name apart.
    EXPECT_EQ(7, ini.ReadInteger(QStringLiteral("Other"), QStringLiteral("n"), 7));
    // An unreadable value gives the default.
    ini.WriteString(s, QStringLiteral("n"), QStringLiteral("dvadeset"));
    EXPECT_EQ(26, ini.ReadInteger(s, QStringLiteral("n"), 26));
}
