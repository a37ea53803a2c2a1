#include "DatabaseSchema.h"
#include "HostSchema.h"
#include "SalarySchema.h"
#include "TestDatabase.h"
#include "db/DbError.h"
#include "db/Ddl.h"
#include "db/SchemaMigrator.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include <gtest/gtest.h>

TEST(DatabaseSchema, CreatesEveryTableWithEveryColumnAndIsIdempotent) {
    REQUIRE_TEST_DATABASE();
    TestDatabase db;
    Connection& c = db.open(false);
    EXPECT_FALSE(DatabaseIsCurrent(c));
    PrepareDatabase(c);
    EXPECT_TRUE(DatabaseIsCurrent(c));
    PrepareDatabase(c);  // a second run changes nothing and does not fail
    std::vector<TableDef> all = SalaryTables();
    for (const TableDef& t : HostTables())
        all.push_back(t);
    for (const TableDef& table : all) {
        SCOPED_TRACE(table.name.toStdString());
        QSqlQuery q = c.exec(QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(table.name));
        const QSqlRecord record = q.record();
        EXPECT_EQ(int(table.columns.size()), record.count());
        for (const ColumnDef& column : table.columns)
            EXPECT_GE(record.indexOf(column.name), 0) << column.name.toStdString();
    }
}

TEST(DatabaseSchema, ANewerDatabaseIsRefusedAndLeftAsItWas) {
    REQUIRE_TEST_DATABASE();
    TestDatabase db;
    Connection& c = db.open();
    c.exec(QStringLiteral("UPDATE schemaversion SET version = 99 WHERE component = 'salary'"));
    try {
        PrepareDatabase(c);
        FAIL() << "a newer schema was accepted";
    } catch (const EDatabaseError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("novijom verzijom"))) << e.message().toStdString();
    }
    EXPECT_EQ(99, StoredSchemaVersion(c, QStringLiteral("salary")));
}

TEST(DatabaseSchema, KeysAreAssignedByTheDatabaseAndDefaultsMakeANewRowValid) {
    REQUIRE_TEST_DATABASE();
    TestDatabase db;
    Connection& c = db.open();
    c.exec(QStringLiteral("INSERT INTO salary (salarytype, salarynumber) VALUES ('Z', 1)"));
    const qint64 first = c.lastInsertId();
    c.exec(QStringLiteral("INSERT INTO salary (salarytype, salarynumber) VALUES ('Z', 2)"));
    EXPECT_EQ(first + 1, c.lastInsertId());
    QSqlQuery q = c.exec(QStringLiteral("SELECT status, baudvalue, partcoefficient FROM salary WHERE salaryid = ?"), {first});
    ASSERT_TRUE(q.next());
    EXPECT_EQ(QStringLiteral("n"), q.value(0).toString());
    EXPECT_EQ(0.0, q.value(1).toDouble());
}

TEST(DatabaseSchema, AnotherProgramsTablesUnderOurNamesAreRefusedBeforeAnythingChanges) {
    REQUIRE_TEST_DATABASE();
    TestDatabase db;
    Connection& c = db.open(false);
    // A table of ours from a first run that stopped half-way (MySQL commits
    // each CREATE at once) is taken as it is; one of another program is not.
    for (const QString& statement : CreateTableStatements(HostTables().front(), c.dialect()))
        c.execDirect(statement);
    c.execDirect(QStringLiteral("CREATE TABLE salary (id INTEGER, amount INTEGER)"));
    c.exec(QStringLiteral("INSERT INTO salary (id, amount) VALUES (1, 100)"));
    try {
        PrepareDatabase(c);
        FAIL() << "prepared a database holding another program's table";
    } catch (const EDatabaseError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("drugog programa"))) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(QStringLiteral("salary"))) << e.message().toStdString();
    }
    EXPECT_FALSE(c.tableExists(QStringLiteral("schemaversion")));
    EXPECT_FALSE(c.tableExists(SalaryTables().back().name));
    EXPECT_EQ(100, c.scalar(QStringLiteral("SELECT amount FROM salary")).toInt());

    c.execDirect(QStringLiteral("DROP TABLE salary"));
    PrepareDatabase(c);
    EXPECT_TRUE(DatabaseIsCurrent(c));
}
