#include "HostSchema.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

namespace {

const TableDef& HostTable(const QString& name)
{
    for (const TableDef& table : HostTables())
        if (table.name == name)
            return table;
    throw std::out_of_range(name.toStdString());
}

}  // namespace

TEST(HostSchema, HasTheTablesThePayrollReads)
{
    const std::map<QString, std::size_t> expected = {
        {"employee", 43},
        {"organizationunit", 4},
        {"employeetransportzone", 3},
        {"employeepreviousaveragevalue", 6},
        {"currency", 4},
        {"timerattendance", 18},
        {"additionaltable_emp", 14},
        {"dbinifile", 4},
    };
    std::map<QString, std::size_t> actual;
    for (const TableDef& table : HostTables())
        actual[table.name] = table.columns.size();
    EXPECT_EQ(expected, actual);
}

TEST(HostSchema, ColumnLookupIgnoresCase)
{
    const TableDef& employee = HostTable("employee");
    ASSERT_NE(nullptr, employee.column("PersonalIdentificator"));
    EXPECT_EQ(QString("JMBG"), employee.column("PersonalIdentificator")->label);
    EXPECT_EQ(nullptr, employee.column("birthdate"));
}

TEST(HostSchema, NewEmployeeIsActive)
{
    // Adding all employees to a salary picks those with active = 'y'.
    EXPECT_EQ(QString("'y'"), HostTable("employee").column("active")->defaultValue);
    EXPECT_EQ(QString(), HostTable("employee").column("employer")->defaultValue);
}

TEST(HostSchema, SettingsAreUniquePerSectionAndKey)
{
    const TableDef& settings = HostTable("dbinifile");
    ASSERT_EQ(1u, settings.indexes.size());
    EXPECT_TRUE(settings.indexes[0].unique);
    EXPECT_EQ(QStringList({"section", "keyname"}), settings.indexes[0].columns);
    EXPECT_EQ(ColumnType::Text, settings.column("value")->type);
}

TEST(HostSchema, AttendanceHasEveryHourKindTheImportSums)
{
    const TableDef& attendance = HostTable("timerattendance");
    for (const char* hours :
         {"regularworkinghours", "overtimehours", "vacationhours", "paidleavehours",
          "redistributionhours", "unpaidleavehours", "absencehours", "publicholidayhours",
          "holidayworkinghours", "businesstriphours", "nightworkinghours", "sickhours",
          "longsickhours", "profsickhours", "proflongsickhours"}) {
        const ColumnDef* column = attendance.column(hours);
        ASSERT_NE(nullptr, column) << hours;
        EXPECT_EQ(ColumnType::Float, column->type) << hours;
    }
}
