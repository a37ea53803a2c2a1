#include "HostSchema.h"
#include "SalarySchema.h"
#include "TestDatabase.h"
#include "db/DbError.h"
#include "db/Ddl.h"
#include "db/SqlIdentifier.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QSqlRecord>

namespace {

using enum ColumnType;

std::vector<TableDef> AllTables()
{
    std::vector<TableDef> tables = SalaryTables();
    tables.insert(tables.end(), HostTables().begin(), HostTables().end());
    return tables;
}

// A value of the column's type that differs from its default; texts carry
// Serbian letters so that a wrong character set shows.
QVariant SampleValue(const ColumnDef& column)
{
    switch (column.type) {
    case LargeInt:
    case Integer:
    case SmallInt:
        return 7;
    case Float:
        return 1234.56;
    case String:
        return QString("ĐžŠčć Test").left(column.size);
    case Flag:
        return QString("y");
    case Date:
        return QDate(2024, 2, 29);
    case Text:
        return QString("Vrednost sa ćirilicom: Ђорђе");
    case Key:
        break;
    }
    return {};
}

bool SameValue(const QVariant& expected, const QVariant& actual, ColumnType type)
{
    switch (type) {
    case Float:
        return expected.toDouble() == actual.toDouble();
    case Date:
        return expected.toDate() == actual.toDate();
    case LargeInt:
    case Integer:
    case SmallInt:
        return expected.toLongLong() == actual.toLongLong();
    default:
        return expected.toString() == actual.toString();
    }
}

class DdlOnDatabase : public ::testing::Test {
protected:
    void SetUp() override
    {
        REQUIRE_TEST_DATABASE();
        db = &testDatabase.open(false);
    }

    void create(const TableDef& table)
    {
        for (const QString& statement : CreateTableStatements(table, db->dialect()))
            EXPECT_NO_THROW(db->execDirect(statement)) << qPrintable(statement);
    }

    // A row that leaves out every required column is still complete: the
    // required ones take their defaults and the others keep what was bound.
    void expectNewRowValid(const TableDef& table)
    {
        const SqlDialect dialect = db->dialect();
        QStringList names, placeholders;
        QVariantList values;
        for (const ColumnDef& column : table.columns) {
            if (column.type == Key || column.required || !column.references.isEmpty())
                continue;
            names << SqlIdentifier(column.name, dialect);
            placeholders << QStringLiteral("?");
            values << SampleValue(column);
        }
        QString insert = QStringLiteral("INSERT INTO ") + SqlIdentifier(table.name, dialect);
        if (names.isEmpty())
            insert += dialect == SqlDialect::MySQL ? QStringLiteral(" () VALUES ()")
                                                   : QStringLiteral(" DEFAULT VALUES");
        else
            insert += QStringLiteral(" (%1) VALUES (%2)").arg(names.join(u','), placeholders.join(u','));
        ASSERT_NO_THROW(db->exec(insert, values)) << qPrintable(insert);

        QSqlQuery row = db->exec(QStringLiteral("SELECT * FROM %1 WHERE %2 = ?")
                                     .arg(SqlIdentifier(table.name, dialect),
                                          SqlIdentifier(table.keyColumn(), dialect)),
                                 {db->lastInsertId()});
        ASSERT_TRUE(row.next()) << qPrintable(table.name);
        for (const ColumnDef& column : table.columns) {
            const QVariant value = row.value(column.name);
            const QString where = table.name + u'.' + column.name;
            if (column.type == Key)
                EXPECT_FALSE(value.isNull()) << qPrintable(where);
            else if (!column.references.isEmpty())  // a reference to no row
                EXPECT_TRUE(value.isNull()) << qPrintable(where);
            else if (column.required)  // dates alone have no default
                EXPECT_EQ(column.type == Date, value.isNull()) << qPrintable(where);
            else
                EXPECT_TRUE(SameValue(SampleValue(column), value, column.type))
                    << qPrintable(where) << " = " << qPrintable(value.toString());
        }
    }

    TestDatabase testDatabase;
    Connection* db = nullptr;
};

}  // namespace

TEST(Ddl, SqliteStatements)
{
    const TableDef table{"sample",
                         {{"sampleid", Key, 0, "", ""},
                          {"name", String, 30, "Naziv", "", true},
                          {"amount", Float, 0, "", ""},
                          {"hours", SmallInt, 0, "", ""},
                          {"sort", Integer, 0, "", ""},
                          {"ownerid", LargeInt, 0, "", ""},
                          {"active", Flag, 0, "", ""},
                          {"state", String, 1, "", "", false, "'p'"},
                          {"day", Date, 0, "", ""},
                          {"note", Text, 0, "", ""}},
                         {{"sample_ownerid_day", {"ownerid", "day"}}, {"sample_name", {"name"}, true}}};
    const QStringList expected = {
        "CREATE TABLE IF NOT EXISTS sample (\n"
        "  sampleid INTEGER PRIMARY KEY AUTOINCREMENT,\n"
        "  name VARCHAR(30) NULL DEFAULT '',\n"
        "  amount DOUBLE NULL DEFAULT 0,\n"
        "  hours SMALLINT NULL DEFAULT 0,\n"
        "  sort INTEGER NULL DEFAULT 0,\n"
        "  ownerid BIGINT NULL DEFAULT 0,\n"
        "  active CHAR(1) NULL DEFAULT 'n',\n"
        "  state VARCHAR(1) NULL DEFAULT 'p',\n"
        "  day DATE NULL DEFAULT NULL,\n"
        "  note TEXT NULL DEFAULT NULL\n"
        ")",
        "CREATE INDEX IF NOT EXISTS sample_ownerid_day ON sample (ownerid, day)",
        "CREATE UNIQUE INDEX IF NOT EXISTS sample_name ON sample (name)",
    };
    EXPECT_EQ(expected, CreateTableStatements(table, SqlDialect::SQLite));
}

TEST(Ddl, MySqlStatements)
{
    const TableDef table{"sample",
                         {{"sampleid", Key, 0, "", ""}, {"sort", Integer, 0, "", ""}, {"note", Text, 0, "", ""}},
                         {{"sample_sort", {"sort"}}}};
    const QStringList expected = {
        "CREATE TABLE IF NOT EXISTS sample (\n"
        "  sampleid BIGINT NOT NULL AUTO_INCREMENT PRIMARY KEY,\n"
        "  sort INT NULL DEFAULT 0,\n"
        "  note TEXT NULL DEFAULT NULL\n"
        ") ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_unicode_ci",
        "CREATE INDEX IF NOT EXISTS sample_sort ON sample (sort)",
    };
    EXPECT_EQ(expected, CreateTableStatements(table, SqlDialect::MySQL));
}

TEST(Ddl, QuotesOnlyReservedWords)
{
    EXPECT_FALSE(IsReservedSqlWord("year"));
    EXPECT_FALSE(IsReservedSqlWord("value"));
    EXPECT_TRUE(IsReservedSqlWord("Order"));
    EXPECT_TRUE(IsReservedSqlWord("rank"));         // MySQL 8 only
    EXPECT_TRUE(IsReservedSqlWord("transaction"));  // SQLite only
    EXPECT_EQ(QString("month"), SqlIdentifier("month", SqlDialect::MySQL));
    EXPECT_EQ(QString("`key`"), SqlIdentifier("key", SqlDialect::MySQL));
    EXPECT_EQ(QString("\"key\""), SqlIdentifier("key", SqlDialect::SQLite));
}

TEST_F(DdlOnDatabase, ReservedNamesWork)
{
    const TableDef table{"order",
                         {{"orderid", Key, 0, "", ""},
                          {"group", String, 10, "", ""},
                          {"key", Flag, 0, "", ""}},
                         {{"index", {"group", "key"}}}};
    create(table);
    expectNewRowValid(table);
}

TEST_F(DdlOnDatabase, CreatesEveryTableTwiceHarmlesslyAndANewRowWithRequiredColumnsLeftOutIsValid)
{
    for (int pass = 0; pass < 2; ++pass)
        for (const TableDef& table : AllTables())
            create(table);
    for (const TableDef& table : AllTables())
        expectNewRowValid(table);
    QSqlQuery row = db->exec("SELECT status, salarytype, baudvalue, defaulttax FROM salary, salarytax");
    ASSERT_TRUE(row.next());
    EXPECT_EQ(QString("n"), row.value(0).toString());
    EXPECT_EQ(QString("Z"), row.value(1).toString());
    EXPECT_EQ(0.0, row.value(2).toDouble());
    EXPECT_EQ(QString("n"), row.value(3).toString());
    EXPECT_EQ(QString("y"), db->scalar("SELECT active FROM employee").toString());
}

TEST(Ddl, ColumnLookupIgnoresCase)
{
    const TableDef& employee = HostTables().front();
    ASSERT_EQ(QString("employee"), employee.name);
    ASSERT_NE(nullptr, employee.column("PersonalIdentificator"));
    EXPECT_EQ(QString("personalidentificator"), employee.column("PersonalIdentificator")->name);
    EXPECT_EQ(nullptr, employee.column("birthdate"));
}
