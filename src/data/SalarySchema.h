#pragma once

#include "db/SchemaDef.h"

#include <QString>

#include <vector>

// The payroll module's own tables, column by column, in stored order.
const std::vector<TableDef>& SalaryTables();

// One of SalaryTables() by name; throws std::out_of_range for an unknown name.
const TableDef& SalaryTable(const QString& name);

// Columns that the salary line query computes from the stored ones
// (credits, decrementperc, incrementperc); they have no place in the table.
const std::vector<ColumnDef>& SalaryItemComputedColumns();

// The employee's register data that the salary line query joins to each
// line for display; never written back.
const std::vector<ColumnDef>& SalaryItemEmployeeColumns();

// differenceperc: a difference as a percentage of the line's regular work.
const std::vector<ColumnDef>& SalaryItemDifferenceComputedColumns();
