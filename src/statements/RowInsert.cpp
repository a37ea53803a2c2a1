#include "RowInsert.h"

#include "db/Connection.h"

#include <QStringList>

#include <algorithm>

void InsertRows(Connection& connection, const QString& table, const QString& columns, int columnCount,
                const std::vector<QVariantList>& rows) {
    // MariaDB takes a thousand rows a statement well below its limit on bound
    // values. Qt's SQLite driver looks each bound value up among all of the
    // statement's (a cost that grows with their square), so there about a
    // thousand values a statement is fastest.
    const size_t RowsPerStatement = connection.dialect() == SqlDialect::MySQL
        ? 1000
        : std::max<size_t>(1, size_t(1000 / std::max(columnCount, 1)));
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
