#pragma once

#include <QString>
#include <QVariant>

#include <vector>

class Connection;

// Inserts rows of `columns` into `table` a thousand to a statement, so a
// month of ten thousand lines is written in ten statements, not ten thousand.
// Runs inside the caller's transaction.
void InsertRows(Connection& connection, const QString& table, const QString& columns, int columnCount,
                const std::vector<QVariantList>& rows);
