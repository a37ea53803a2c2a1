#pragma once

#include "SqlDialect.h"

#include <QString>

// True when the word may not stand unquoted as a table or column name in
// MariaDB 10.11, MySQL 8 or SQLite 3 (case-insensitive).
bool IsReservedSqlWord(const QString& word);

// The name as it must be written in a statement of the dialect: unchanged
// when it is an ordinary word, quoted when it is reserved.
QString SqlIdentifier(const QString& name, SqlDialect dialect);
