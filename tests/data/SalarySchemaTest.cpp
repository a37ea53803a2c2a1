#include "SalarySchema.h"
#include "HostSchema.h"
#include "db/SqlIdentifier.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

#include <QSet>

// Holds for the host's tables too: both sets are created by the same code.
TEST(SalarySchema, EveryTableHasOneKeyFirstAndNamedAfterIt)
{
    for (const std::vector<TableDef>* tables : {&SalaryTables(), &HostTables()})
        for (const TableDef& table : *tables) {
            int keys = 0;
            for (const ColumnDef& column : table.columns)
                keys += column.type == ColumnType::Key;
            EXPECT_EQ(1, keys) << qPrintable(table.name);
            EXPECT_EQ(table.name + "id", table.keyColumn());
            EXPECT_EQ(table.name + "id", table.columns.front().name);
        }
}

TEST(SalarySchema, ColumnNamesAreUniqueAndNeedNoQuoting)
{
    // The module's hand-written queries name tables and columns bare.
    for (const std::vector<TableDef>* tables : {&SalaryTables(), &HostTables()})
        for (const TableDef& table : *tables) {
            EXPECT_FALSE(IsReservedSqlWord(table.name)) << qPrintable(table.name);
            QSet<QString> seen;
            for (const ColumnDef& column : table.columns) {
                const QString where = table.name + u'.' + column.name;
                EXPECT_FALSE(seen.contains(column.name)) << qPrintable(where);
                EXPECT_FALSE(IsReservedSqlWord(column.name)) << qPrintable(where);
                seen.insert(column.name);
            }
        }
}

TEST(SalarySchema, ComputedColumnsStayOutOfTheTables)
{
    for (const ColumnDef& column : SalaryItemComputedColumns())
        EXPECT_EQ(nullptr, SalaryTable("salaryitem").column(column.name)) << qPrintable(column.name);
    for (const ColumnDef& column : SalaryItemDifferenceComputedColumns())
        EXPECT_EQ(nullptr, SalaryTable("salaryitemdifference").column(column.name)) << qPrintable(column.name);
}

TEST(SalarySchema, DeductionTemplateMatchesADeductionWithoutItsSet)
{
    const TableDef& item = SalaryTable("salarycredititem");
    const TableDef& frame = SalaryTable("salarycredititemframe");
    ASSERT_EQ(item.columns.size() - 1, frame.columns.size());
    for (std::size_t i = 1; i < frame.columns.size(); ++i) {
        EXPECT_EQ(item.columns[i + 1].name, frame.columns[i].name);
        EXPECT_EQ(item.columns[i + 1].label, frame.columns[i].label);
        EXPECT_EQ(item.columns[i + 1].displayFormat, frame.columns[i].displayFormat);
    }
}

TEST(SalarySchema, LineEmployeeColumnsExistOnTheEmployeeTable)
{
    const TableDef* employee = nullptr;
    for (const TableDef& table : HostTables())
        if (table.name == "employee")
            employee = &table;
    ASSERT_NE(nullptr, employee);

    for (const ColumnDef& carried : SalaryItemEmployeeColumns()) {
        const ColumnDef* stored = employee->column(carried.name);
        ASSERT_NE(nullptr, stored) << qPrintable(carried.name);
        EXPECT_EQ(stored->type, carried.type) << qPrintable(carried.name);
        EXPECT_EQ(stored->size, carried.size) << qPrintable(carried.name);
    }
}

TEST(SalarySchema, IndexNamesAreUniqueAndNameColumnsOfTheirTable)
{
    // SQLite keeps index names in one namespace per database.
    QSet<QString> names;
    for (const TableDef& table : SalaryTables())
        for (const IndexDef& index : table.indexes) {
            EXPECT_FALSE(names.contains(index.name)) << qPrintable(index.name);
            names.insert(index.name);
            for (const QString& column : index.columns)
                EXPECT_NE(nullptr, table.column(column)) << qPrintable(index.name);
        }
}
