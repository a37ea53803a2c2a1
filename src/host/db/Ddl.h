#pragma once

#include "SchemaDef.h"
#include "SqlDialect.h"

#include <QStringList>

// CREATE TABLE and CREATE INDEX statements for the table, each guarded by
// IF NOT EXISTS so that running them on an existing database is harmless.
// Every column but the key is nullable with a default, so that a row
// inserted with only some columns is complete.
QStringList CreateTableStatements(const TableDef& table, SqlDialect dialect);
