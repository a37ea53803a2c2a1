#include "DatabaseErrorOf.h"
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
    const QString refusal = DatabaseErrorOf([&] { PrepareDatabase(c); });
    EXPECT_TRUE(refusal.contains(QStringLiteral("novijom verzijom"))) << refusal.toStdString();
    EXPECT_EQ(99, StoredSchemaVersion(c, QStringLiteral("salary")));
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
    const QString refusal = DatabaseErrorOf([&] { PrepareDatabase(c); });
    EXPECT_TRUE(refusal.contains(QStringLiteral("drugog programa")) && refusal.contains(QStringLiteral("salary")))
        << refusal.toStdString();
    EXPECT_FALSE(c.tableExists(QStringLiteral("schemaversion")));
    EXPECT_FALSE(c.tableExists(SalaryTables().back().name));
    EXPECT_EQ(100, c.scalar(QStringLiteral("SELECT amount FROM salary")).toInt());

    c.execDirect(QStringLiteral("DROP TABLE salary"));
    PrepareDatabase(c);
    EXPECT_TRUE(DatabaseIsCurrent(c));
}

TEST(DatabaseSchema, AnUpgradeMakesReferencesKeysAndRefusesDataThatPointsAtNothing) {
    REQUIRE_TEST_DATABASE();
    TestDatabase db;
    Connection& c = db.open();
    const bool mysql = c.dialect() == SqlDialect::MySQL;
    // A database of the version before references were kept: a line of a
    // document that is gone, written while nothing checked.
    c.exec(QStringLiteral("UPDATE schemaversion SET version = 1 WHERE component = 'salary'"));
    c.execDirect(mysql ? QStringLiteral("SET FOREIGN_KEY_CHECKS = 0") : QStringLiteral("PRAGMA foreign_keys=OFF"));
    c.exec(QStringLiteral("INSERT INTO employee (employeeid, code) VALUES (5, 'A')"));
    c.exec(QStringLiteral("INSERT INTO salaryitem (salaryid, employeeid) VALUES (999, 5)"));
    c.execDirect(mysql ? QStringLiteral("SET FOREIGN_KEY_CHECKS = 1") : QStringLiteral("PRAGMA foreign_keys=ON"));
    const QString refusal = DatabaseErrorOf([&] { PrepareDatabase(c); });
    EXPECT_TRUE(refusal.contains(QStringLiteral("salaryitem"))) << "an upgrade took a line of no document";
    EXPECT_EQ(1, StoredSchemaVersion(c, QStringLiteral("salary")));
    EXPECT_EQ(1, c.scalar(QStringLiteral("SELECT COUNT(*) FROM salaryitem")).toInt());

    // Put right, the upgrade goes through and the database keeps the references.
    c.exec(QStringLiteral("INSERT INTO salary (salaryid, salarynumber) VALUES (999, 1)"));
    PrepareDatabase(c);
    EXPECT_EQ(3, StoredSchemaVersion(c, QStringLiteral("salary")));
    EXPECT_THROW(c.exec(QStringLiteral("INSERT INTO salaryitem (salaryid, employeeid) VALUES (12345, 5)")), EDatabaseError);
    EXPECT_THROW(c.exec(QStringLiteral("DELETE FROM employee WHERE employeeid = 5")), EDatabaseError);
}

TEST(DatabaseSchema, AnUpgradeAddsTheTablesItLacksAndWidensNamesWithoutLosingRows) {
    REQUIRE_TEST_DATABASE();
    TestDatabase db;
    Connection& c = db.open();
    // The previous release: no PPP-PO table, the PPP's name column narrower.
    c.exec(QStringLiteral("UPDATE schemaversion SET version = 2 WHERE component = 'salary'"));
    c.execDirect(QStringLiteral("DROP TABLE salaryreportppppo"));
    if (c.dialect() == SqlDialect::MySQL)
        c.execDirect(QStringLiteral("ALTER TABLE salaryreportppp MODIFY COLUMN employeename VARCHAR(51) NULL"));
    c.exec(QStringLiteral("INSERT INTO salaryreportppp (year, employeeid, employeename) VALUES (2025, 1, 'Ana')"));

    PrepareDatabase(c);
    EXPECT_EQ(3, StoredSchemaVersion(c, QStringLiteral("salary")));
    const QString longName = QString(50, u'Đ') + u' ' + QString(50, u'Ž');
    c.exec(QStringLiteral("INSERT INTO salaryreportppp (year, employeeid, employeename) VALUES (2025, 2, ?)"), {longName});
    c.exec(QStringLiteral("INSERT INTO salaryreportppppo (year, employeeid, employeename) VALUES (2025, 2, ?)"), {longName});
    EXPECT_EQ(longName, c.scalar(QStringLiteral("SELECT employeename FROM salaryreportppp WHERE employeeid = 2")).toString());
    EXPECT_EQ(longName, c.scalar(QStringLiteral("SELECT employeename FROM salaryreportppppo")).toString());
    EXPECT_EQ(QStringLiteral("Ana"), c.scalar(QStringLiteral("SELECT employeename FROM salaryreportppp WHERE employeeid = 1")).toString());
}
