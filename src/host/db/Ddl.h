#pragma once

#include "SchemaDef.h"
#include "SqlDialect.h"

#include <QStringList>

// CREATE TABLE and CREATE INDEX statements for the table, each guarded by
// IF NOT EXISTS so that running them on an existing database is harmless.
// Every column but the key is nullable with a default, so that a row
// inserted with only some columns is complete.
QStringList CreateTableStatements(const TableDef& table, SqlDialect dialect);

// The name of a column's foreign key constraint, and the statement that adds
// it to an existing table (MySQL; SQLite declares it with the column).
QString ForeignKeyName(const TableDef& table, const ColumnDef& column);
QString AddForeignKeyStatement(const TableDef& table, const ColumnDef& column);
QString AddColumnStatement(const TableDef& table, const ColumnDef& column, SqlDialect dialect);
// Gives an existing column its declared definition (MySQL: a text made wider).
QString ModifyColumnStatement(const TableDef& table, const ColumnDef& column);
QString IndexStatement(const TableDef& table, const IndexDef& index, SqlDialect dialect);
