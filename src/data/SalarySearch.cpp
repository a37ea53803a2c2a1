#include "SalarySearch.h"

#include "HostResourceStrings.h"
#include "Kconstutils.h"
#include "SalaryResourceString.h"
#include "db/DbError.h"
#include "db/Field.h"

#include <QStringList>

namespace {

// A date key's value as a date; a text that is no date is refused, never
// compared as text.
QDate searchDate(const QString& text) {
    const QDate date = ParseDateText(text);
    if (!date.isValid())
        throw EDatabaseError(QString::fromUtf8(_SAL_SEARCH_DATE_INVALID).arg(text));
    return date;
}

}  // namespace

SalarySearchQuery ParseSQL(const SalarySearchKeys& keys) {
    QHash<QString, QString> values;
    for (const auto& [key, value] : keys)
        if (!value.trimmed().isEmpty())
            values.insert(key, value.trimmed());

    SalarySearchQuery query;
    QStringList conditions;
    const auto add = [&](const char* key, const QString& condition, const QVariant& value) {
        if (!values.contains(QLatin1String(key)))
            return;
        conditions << condition;
        query.params.insert(QLatin1String(key), value);
    };
    add("salarytype", QStringLiteral("s.salarytype = :salarytype"), GetSalaryType(values.value(QStringLiteral("salarytype"))));
    add("year", QStringLiteral("s.year = :year"), values.value(QStringLiteral("year")));
    add("month", QStringLiteral("s.month = :month"), values.value(QStringLiteral("month")));
    if (values.contains(QStringLiteral("datefrom")))
        add("datefrom", QStringLiteral("s.paymentdate >= :datefrom"),
            searchDate(values.value(QStringLiteral("datefrom"))));
    // Up to the end of the day: before the next one.
    if (values.contains(QStringLiteral("dateto")))
        add("dateto", QStringLiteral("s.paymentdate < :dateto"),
            searchDate(values.value(QStringLiteral("dateto"))).addDays(1));
    if (values.contains(QStringLiteral("status")))
        conditions << (values.value(QStringLiteral("status")) == QString::fromUtf8(_DOC_REG_STATUS_CAPTION)
                           ? QStringLiteral("s.status = 'p'")
                           : QStringLiteral("s.status = 'n'"));
    add("employeefirstname", QStringLiteral("e.firstname LIKE :employeefirstname"),
        values.value(QStringLiteral("employeefirstname")) + QLatin1Char('%'));
    add("employeelastname", QStringLiteral("e.lastname LIKE :employeelastname"),
        values.value(QStringLiteral("employeelastname")) + QLatin1Char('%'));

    query.sql = QStringLiteral("SELECT DISTINCT s.* FROM salary AS s ");
    if (values.contains(QStringLiteral("employeefirstname")) || values.contains(QStringLiteral("employeelastname")))
        query.sql += QStringLiteral(" INNER JOIN salaryitem AS si ON s.salaryid = si.salaryid "
                                    "LEFT JOIN employee AS e ON si.employeeid = e.employeeid ");
    if (!conditions.isEmpty())
        query.sql += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    return query;
}
