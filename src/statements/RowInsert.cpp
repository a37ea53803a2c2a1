#include "RowInsert.h"

#include "db/Connection.h"

#include <QStringList>

void InsertRows(Connection& connection, const QString& table, const QString& columns, int columnCount,
                const std::vector<QVariantList>& rows) {
    // Well below SQLite's and MariaDB's limits on bound values in one statement.
    constexpr size_t RowsPerStatement = 1000;
    const QString row = QLatin1Char('(') + QStringList(columnCount, QStringLiteral("?")).join(QLatin1Char(','))
        + QLatin1Char(')');
    for (size_t first = 0; first < rows.size(); first += RowsPerStatement) {
        const size_t count = std::min(RowsPerStatement, rows.size() - first);
        QVariantList values;
        values.reserve(qsizetype(count) * columnCount);
        for (size_t r = first; r < first + count; ++r)
            values += rows[r];
        connection.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
                            .arg(table, columns, QStringList(qsizetype(count), row).join(QLatin1Char(','))),
                        values);
    }
}
