#include "DocumentYears.h"

#include "db/Connection.h"

#include <QDate>
#include <QSqlQuery>

#include <algorithm>

QList<int> YearsFromFirstDocument(Connection& connection) {
    const int thisYear = QDate::currentDate().year();
    const QVariant first = connection.scalar(QStringLiteral("SELECT MIN(year) FROM salary"));
    const QVariant last = connection.scalar(QStringLiteral("SELECT MAX(year) FROM salary"));
    const int from = first.isNull() ? thisYear : std::min(first.toInt(), thisYear);
    const int to = std::max(last.isNull() ? thisYear : last.toInt(), thisYear) + 1;
    QList<int> years;
    for (int year = from; year <= to; ++year)
        years.append(year);
    return years;
}

QList<int> YearsWithPostedDocuments(Connection& connection) {
    QSqlQuery query =
        connection.exec(QStringLiteral("SELECT DISTINCT year FROM salary WHERE status = 'p' ORDER BY year"));
    QList<int> years;
    while (query.next())
        years.append(query.value(0).toInt());
    if (years.isEmpty())
        years.append(QDate::currentDate().year());
    return years;
}
