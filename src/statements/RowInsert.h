#pragma once

#include <QString>
#include <QVariant>

#include <vector>

class Connection;

// Inserts rows of `columns` into `table` many to a statement (a thousand on
// MariaDB, fifty of twenty columns on SQLite), so a month of ten thousand
// lines is not ten thousand statements. Runs inside the caller's transaction.
void InsertRows(Connection& connection, const QString& table, const QString& columns, int columnCount,
                const std::vector<QVariantList>& rows);
