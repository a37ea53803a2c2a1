#include "TestDatabase.h"
#include "db/DbError.h"
#include "db/SqlQuery.h"

#include <QSqlQuery>

#include <gtest/gtest.h>

namespace {

// The settings table is a small host table with a unique index: handy for
// provoking a failure in the middle of an apply.
struct Settings {
    TSqlQuery q{QStringLiteral("Settings")};
    TField* key;
    TField* section;
    TField* name;
    TField* value;

    explicit Settings(Connection& connection, bool cached) {
        key = q.addField(QStringLiteral("dbinifileid"), FieldType::LargeInt);
        section = q.addField(QStringLiteral("section"), FieldType::String, 100);
        name = q.addField(QStringLiteral("keyname"), FieldType::String, 100);
        value = q.addField(QStringLiteral("value"), FieldType::Text);
        q.setConnection(&connection);
        q.setSQL(QStringLiteral("SELECT * FROM dbinifile WHERE section = :section ORDER BY dbinifileid"));
        q.setParam(QStringLiteral("section"), QStringLiteral("S"));
        q.setUpdateTable(QStringLiteral("dbinifile"), QStringLiteral("dbinifileid"));
        q.setCachedUpdates(cached);
    }

    void add(const QString& k, const QString& v) {
        q.append();
        section->setAsString(QStringLiteral("S"));
        name->setAsString(k);
        value->setAsString(v);
        q.post();
    }
};

int rows(Connection& c) { return c.scalar(QStringLiteral("SELECT COUNT(*) FROM dbinifile")).toInt(); }

}  // namespace

TEST(SqlQuery, PostWritesAtOnceAndReadsTheNewKeyBack) {
    REQUIRE_TEST_DATABASE();
    TestDatabase db;
    Connection& c = db.open();
    Settings s(c, false);
    s.q.open();
    s.add(QStringLiteral("a"), QStringLiteral("Ćevapi"));
    s.add(QStringLiteral("b"), QStringLiteral("2"));
    EXPECT_GT(s.key->asLargeInt(), 0);
    EXPECT_EQ(2, rows(c));

    s.q.first();
    s.q.edit();
    s.value->setAsString(QStringLiteral("Šargarepa"));
    s.q.post();
    s.q.last();
    s.q.remove();

    Settings again(c, false);
    again.q.open();
    ASSERT_EQ(1, again.q.recordCount());
    EXPECT_EQ(QStringLiteral("Šargarepa"), again.value->asString());
}

TEST(SqlQuery, OpenBindsParametersAndAddsColumnsItWasNotToldAbout) {
    REQUIRE_TEST_DATABASE();
    TestDatabase db;
    Connection& c = db.open();
    c.exec(QStringLiteral("INSERT INTO dbinifile (section, keyname, value) VALUES ('S','x','1'), ('T','y','2')"));
    TSqlQuery q(QStringLiteral("Q"));
    q.setConnection(&c);
    q.setSQL(QStringLiteral("SELECT keyname, value, 2.5 AS extra FROM dbinifile WHERE section = :s"));
    q.setParam(QStringLiteral("s"), QStringLiteral("T"));
    q.open();
    ASSERT_EQ(1, q.recordCount());
    EXPECT_EQ(QStringLiteral("y"), q.fieldByName(QStringLiteral("keyname"))->asString());
    EXPECT_EQ(2.5, q.fieldByName(QStringLiteral("extra"))->asFloat());
    EXPECT_FALSE(q.fieldByName(QStringLiteral("extra"))->stored());
}

TEST(SqlQuery, ApplyUpdatesWritesEverythingInOneGoWithNewKeys) {
    REQUIRE_TEST_DATABASE();
    TestDatabase db;
    Connection& c = db.open();
    Settings s(c, true);
    s.q.open();
    for (int i = 0; i < 50; ++i)
        s.add(QStringLiteral("k%1").arg(i), QString::number(i));
    EXPECT_EQ(0, rows(c));  // nothing is written before the apply
    s.q.applyUpdates();
    EXPECT_EQ(50, rows(c));
    EXPECT_FALSE(s.q.updatesPending());
    s.q.last();
    EXPECT_EQ(c.scalar(QStringLiteral("SELECT MAX(dbinifileid) FROM dbinifile")).toLongLong(), s.key->asLargeInt());

    s.q.first();
    s.q.remove();
    s.q.edit();
    s.value->setAsString(QStringLiteral("izmenjeno"));
    s.q.post();
    s.q.applyUpdates();
    EXPECT_EQ(49, rows(c));
    EXPECT_EQ(1, c.scalar(QStringLiteral("SELECT COUNT(*) FROM dbinifile WHERE value = 'izmenjeno'")).toInt());
}

TEST(SqlQuery, AFailedApplyStoresNothingAndKeepsTheEdits) {
    REQUIRE_TEST_DATABASE();
    TestDatabase db;
    Connection& c = db.open();
    Settings s(c, true);
    s.q.open();
    s.add(QStringLiteral("same"), QStringLiteral("1"));
    s.add(QStringLiteral("other"), QStringLiteral("2"));
    s.add(QStringLiteral("same"), QStringLiteral("3"));  // breaks the unique (section, keyname)
    EXPECT_THROW(s.q.applyUpdates(), EDatabaseError);
    EXPECT_EQ(0, rows(c));
    EXPECT_TRUE(s.q.updatesPending());
    EXPECT_EQ(3, s.q.recordCount());
    EXPECT_FALSE(c.inTransaction());

    s.q.last();
    s.q.edit();
    s.name->setAsString(QStringLiteral("third"));
    s.q.post();
    s.q.applyUpdates();
    EXPECT_EQ(3, rows(c));
}

TEST(SqlQuery, NestedTransactionsRollBackTogether) {
    REQUIRE_TEST_DATABASE();
    TestDatabase db;
    Connection& c = db.open();
    {
        Transaction outer(c);
        c.exec(QStringLiteral("INSERT INTO dbinifile (section, keyname, value) VALUES ('A','a','1')"));
        {
            Transaction inner(c);
            c.exec(QStringLiteral("INSERT INTO dbinifile (section, keyname, value) VALUES ('A','b','1')"));
        }  // not committed: the whole transaction must go
        EXPECT_THROW(outer.commit(), EDatabaseError);
    }
    EXPECT_EQ(0, rows(c));
}

TEST(SqlQuery, RowsOfDifferentShapesEachWriteOnlyTheirOwnColumns) {
    REQUIRE_TEST_DATABASE();
    TestDatabase db;
    Connection& c = db.open();
    Settings s(c, true);
    s.q.open();
    for (int i = 0; i < 6; ++i) {
        s.q.append();
        s.section->setAsString(QStringLiteral("S"));
        s.name->setAsString(QStringLiteral("k%1").arg(i));
        if (i % 3 != 2)
            s.value->setAsString(QString::number(i));  // every third row leaves its value unset
        s.q.post();
    }
    quint64 before = c.statementCount();
    s.q.applyUpdates();
    EXPECT_EQ(6u + 2u, c.statementCount() - before);  // a statement a row, the transaction's begin and commit
    EXPECT_EQ(2, c.scalar(QStringLiteral("SELECT COUNT(*) FROM dbinifile WHERE value IS NULL")).toInt());

    // Updates of different columns, interleaved, and a row left as it was.
    const QStringList values{QStringLiteral("a"), {}, QStringLiteral("c"), {}, QStringLiteral("e"), {}};
    for (s.q.first(); !s.q.eof(); s.q.next()) {
        const int row = s.q.currentIndex();
        s.q.edit();
        if (row % 2 == 0)
            s.value->setAsString(values[row]);
        else if (row != 5)
            s.name->setAsString(QStringLiteral("n%1").arg(row));
    }
    before = c.statementCount();
    s.q.applyUpdates();
    EXPECT_EQ(5u + 2u, c.statementCount() - before);
    QSqlQuery q = c.exec(QStringLiteral("SELECT keyname, value FROM dbinifile ORDER BY dbinifileid"));
    QStringList stored;
    while (q.next())
        stored << q.value(0).toString() + QLatin1Char('=') + q.value(1).toString();
    EXPECT_EQ(QStringList({QStringLiteral("k0=a"), QStringLiteral("n1=1"), QStringLiteral("k2=c"),
                           QStringLiteral("n3=3"), QStringLiteral("k4=e"), QStringLiteral("k5=")}),
              stored);
}
