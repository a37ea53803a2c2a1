#include "SalarySchema.h"
#include "HostSchema.h"
#include "db/SqlIdentifier.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

#include <QSet>

#include <map>
#include <stdexcept>

namespace {

const ColumnDef& Column(const QString& table, const QString& column)
{
    const ColumnDef* found = SalaryTable(table).column(column);
    if (!found)
        throw std::out_of_range((table + u'.' + column).toStdString());
    return *found;
}

const ColumnDef* FindIn(const std::vector<ColumnDef>& columns, const QString& name)
{
    for (const ColumnDef& column : columns)
        if (column.name == name)
            return &column;
    return nullptr;
}

}  // namespace

TEST(SalarySchema, HasEveryTableWithItsColumnCount)
{
    const std::map<QString, std::size_t> expected = {
        {"salary", 25},
        {"salaryitem", 48},
        {"salarytax", 2},
        {"salarytaxitem", 15},
        {"salarycredit", 3},
        {"salarycredititem", 12},
        {"salarycredititemframe", 11},
        {"salaryitemdifference", 4},
        {"salaryitemcoefficient", 13},
        {"salaryreportppp", 11},
        {"salaryreportm4", 16},
        {"salaryreportregisteremployee", 24},
        {"salaryreportregisterincome", 12},
        {"salaryreportunifiedcollection", 35},
        {"salaryreportppppo", 14},
    };
    std::map<QString, std::size_t> actual;
    for (const TableDef& table : SalaryTables())
        actual[table.name] = table.columns.size();
    EXPECT_EQ(expected, actual);
}

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

TEST(SalarySchema, LabelsFormatsAndRequiredFlagsAsShownToUsers)
{
    EXPECT_EQ(QString("Za isplatu"), Column("salaryitem", "paymentnetvalue").label);
    EXPECT_EQ(QString("Datum knjiženja"), Column("salary", "accountingdate").label);
    EXPECT_EQ(QString("Sati bolov. preko 30 dana"), Column("salaryitem", "longsickhours").label);
    EXPECT_EQ(QString("Poziv na broj na osnovu opš. zapos."),
              Column("salarytaxitem", "employeecommunitypaymentcode").label);

    EXPECT_EQ(QString("0.00##"), Column("salary", "baudvalue").displayFormat);
    EXPECT_EQ(QString("0.00 %"), Column("salarytaxitem", "taxpercent").displayFormat);
    EXPECT_EQ(QString(), Column("salarytaxitem", "taxfreevalue").displayFormat);
    EXPECT_EQ(QString("00000000.00"), Column("salaryreportm4", "taxbase").displayFormat);
    EXPECT_EQ(QString("0000000.00"), Column("salaryreportm4", "taxvalue").displayFormat);
    EXPECT_EQ(QString("0"), Column("salaryreportppp", "taxbase").displayFormat);
    EXPECT_EQ(QString(), Column("salaryitemcoefficient", "nightworkingvalue").displayFormat);

    EXPECT_TRUE(Column("salaryitem", "employeeid").required);
    EXPECT_FALSE(Column("salaryitem", "salaryid").required);  // set by the document, not the user
    EXPECT_TRUE(Column("salaryitem", "sort").required);
    EXPECT_FALSE(Column("salarytaxitem", "paycode").required);
    EXPECT_FALSE(Column("salaryreportregisteremployee", "personalidentificator").required);
    EXPECT_TRUE(Column("salaryreportunifiedcollection", "personalidentificator").required);
    EXPECT_FALSE(Column("salaryreportunifiedcollection", "mffvalue7").required);
    EXPECT_FALSE(Column("salaryreportm4", "contribution4value").required);
}

TEST(SalarySchema, TypesFollowWhatTheColumnHolds)
{
    EXPECT_EQ(ColumnType::Float, Column("salaryitem", "workinghours").type);  // fractional hours
    EXPECT_EQ(ColumnType::SmallInt, Column("salaryitem", "vacationhours").type);
    EXPECT_EQ(ColumnType::Integer, Column("salaryitem", "sort").type);
    EXPECT_EQ(ColumnType::LargeInt, Column("salaryitem", "salarycreditid").type);
    EXPECT_EQ(ColumnType::Float, Column("salaryreportm4", "workingdays").type);
    EXPECT_EQ(ColumnType::Flag, Column("salarytaxitem", "chamber").type);
    EXPECT_EQ(ColumnType::Flag, Column("salarytax", "defaulttax").type);
    // Status letters other than y/n are plain one-letter texts.
    EXPECT_EQ(ColumnType::String, Column("salary", "status").type);
    EXPECT_EQ(ColumnType::String, Column("salarytaxitem", "taxstatus").type);
    EXPECT_EQ(2, Column("salary", "salarytype").size);
    EXPECT_EQ(20, Column("salaryreportregisteremployee", "firstname").size);
}

TEST(SalarySchema, NewDocumentDefaultsToRegularAndNotPosted)
{
    EXPECT_EQ(QString("'n'"), Column("salary", "status").defaultValue);
    EXPECT_EQ(QString("'Z'"), Column("salary", "salarytype").defaultValue);
    // Flags and numbers take the type's own default.
    EXPECT_EQ(QString(), Column("salarytax", "defaulttax").defaultValue);
    EXPECT_EQ(QString(), Column("salarycredit", "defaultcredit").defaultValue);
    EXPECT_EQ(QString(), Column("salary", "baudvalue").defaultValue);
}

TEST(SalarySchema, ComputedColumnsStayOutOfTheTables)
{
    std::vector<QString> names;
    for (const ColumnDef& column : SalaryItemComputedColumns()) {
        names.push_back(column.name);
        EXPECT_EQ(nullptr, SalaryTable("salaryitem").column(column.name)) << qPrintable(column.name);
    }
    EXPECT_EQ((std::vector<QString>{"decrementperc", "incrementperc", "credits"}), names);
    EXPECT_EQ(QString("Obustave"), SalaryItemComputedColumns()[2].label);
    EXPECT_EQ(QString("Odb. proc."), SalaryItemComputedColumns()[0].label);

    ASSERT_EQ(1u, SalaryItemDifferenceComputedColumns().size());
    EXPECT_EQ(QString("differenceperc"), SalaryItemDifferenceComputedColumns()[0].name);
    EXPECT_EQ(nullptr, SalaryTable("salaryitemdifference").column("differenceperc"));
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

    EXPECT_EQ(25u, SalaryItemEmployeeColumns().size());
    for (const ColumnDef& carried : SalaryItemEmployeeColumns()) {
        const ColumnDef* stored = employee->column(carried.name);
        ASSERT_NE(nullptr, stored) << qPrintable(carried.name);
        EXPECT_EQ(stored->type, carried.type) << qPrintable(carried.name);
        EXPECT_EQ(stored->size, carried.size) << qPrintable(carried.name);
    }
    EXPECT_EQ(QString("Konto"), FindIn(SalaryItemEmployeeColumns(), "account")->label);
    EXPECT_EQ(ColumnType::Flag, FindIn(SalaryItemEmployeeColumns(), "minsalary")->type);
}

TEST(SalarySchema, IndexesCoverTheLookups)
{
    const std::vector<IndexDef>& salary = SalaryTable("salary").indexes;
    ASSERT_EQ(3u, salary.size());
    EXPECT_EQ(QStringList({"year", "month", "salarytype"}), salary[0].columns);
    EXPECT_EQ(QStringList({"salaryid"}), SalaryTable("salaryitem").indexes[0].columns);
    EXPECT_EQ(QStringList({"year", "month"}),
              SalaryTable("salaryreportunifiedcollection").indexes[0].columns);

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

TEST(SalarySchema, UnknownTableNameThrows)
{
    EXPECT_THROW(SalaryTable("employee"), std::out_of_range);
}
