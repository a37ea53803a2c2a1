#include "LeaveHistory.h"

#include "StoredLines.h"
#include "db/Connection.h"

#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

namespace {

// Placeholders per statement: well below what either database accepts.
constexpr qsizetype EmployeesPerQuery = 1000;

// The lines of posted regular full-month documents of the employees.
QString historySql(qsizetype employees, const THistorySpan& span) {
    QString sql = QStringLiteral("SELECT %1 FROM salaryitem AS si INNER JOIN salary AS s ON s.salaryid = si.salaryid "
                                 "LEFT JOIN employee AS e ON e.employeeid = si.employeeid "
                                 "WHERE s.status = 'p' AND s.salarytype = 'Z' AND s.partcoefficient = 100 "
                                 "AND si.employeeid IN (%2)")
                      .arg(StoredLineColumns(), QStringList(employees, QStringLiteral("?")).join(','));
    if (span.from.isValid())
        sql += QStringLiteral(" AND s.paymentdate >= ?");
    if (span.to.isValid())
        sql += QStringLiteral(" AND s.paymentdate <= ?");
    return sql + QStringLiteral(" ORDER BY si.employeeid, s.paymentdate DESC, s.salaryid DESC, si.salaryitemid");
}

QVariantList boundValues(const QList<qint64>& employees, const THistorySpan& span) {
    QVariantList values;
    values.reserve(employees.size() + 2);
    for (const qint64 id : employees)
        values << id;
    if (span.from.isValid())
        values << span.from.toString(Qt::ISODate);
    if (span.to.isValid())
        values << span.to.toString(Qt::ISODate);
    return values;
}

// Reads the earnings of up to EmployeesPerQuery employees into `earnings`.
void loadChunk(Connection& connection, const QList<qint64>& employees, const THistorySpan& span,
               QHash<qint64, TEmployeeEarnings>& earnings) {
    for (const qint64 id : employees)
        earnings[id];
    QSqlQuery history = connection.exec(historySql(employees.size(), span), boundValues(employees, span));
    const TStoredLineReader reader(history.record());
    while (history.next())
        earnings[history.value(reader.employeeColumn()).toLongLong()].lines.push_back(reader.read(history));

    QSqlQuery averages = connection.exec(
        QStringLiteral("SELECT e.employeeid, e.averagesalaryvalue, p.employeepreviousaveragevalueid, p.workingvalue, "
                       "p.workinghours FROM employee AS e LEFT JOIN employeepreviousaveragevalue AS p "
                       "ON p.employeeid = e.employeeid WHERE e.employeeid IN (%1) "
                       "ORDER BY e.employeeid, p.year DESC, p.month DESC")
            .arg(QStringList(employees.size(), QStringLiteral("?")).join(',')),
        boundValues(employees, {}));
    while (averages.next()) {
        TEmployeeEarnings& e = earnings[averages.value(0).toLongLong()];
        e.averagesalaryvalue = averages.value(1).toDouble();
        // The twelve latest months count.
        if (!averages.value(2).isNull() && e.earlierAverages.size() < 12)
            e.earlierAverages.push_back({averages.value(3).toDouble(), averages.value(4).toDouble()});
    }
}

}  // namespace

bool THistorySpan::covers(const THistorySpan& other) const {
    const bool fromCovered = !from.isValid() || (other.from.isValid() && from <= other.from);
    const bool toCovered = !to.isValid() || (other.to.isValid() && to >= other.to);
    return fromCovered && toCovered;
}

const TEmployeeEarnings& TLeaveHistory::Earnings(Connection& connection, qint64 employeeId, const THistorySpan& span) {
    if (preloads_ > 0) {
        if (const auto kept = kept_.constFind(employeeId); kept != kept_.cend() && kept->span.covers(span))
            return kept->earnings;
    }
    QHash<qint64, TEmployeeEarnings> read;
    loadChunk(connection, {employeeId}, span, read);
    Entry entry{std::move(read[employeeId]), span};
    if (preloads_ > 0)
        return (kept_[employeeId] = std::move(entry)).earnings;
    single_ = std::move(entry);
    return single_.earnings;
}

void TLeaveHistory::Preload(Connection& connection, const QList<qint64>& employeeIds, const THistorySpan& span) {
    QList<qint64> missing;
    QSet<qint64> listed;
    for (const qint64 id : employeeIds) {
        const auto kept = kept_.constFind(id);
        if ((kept == kept_.cend() || !kept->span.covers(span)) && !listed.contains(id)) {
            missing << id;
            listed.insert(id);
        }
    }
    QHash<qint64, TEmployeeEarnings> read;
    for (qsizetype start = 0; start < missing.size(); start += EmployeesPerQuery)
        loadChunk(connection, missing.mid(start, EmployeesPerQuery), span, read);
    // Held only once read: a failed preload leaves nothing to forget.
    ++preloads_;
    for (auto it = read.begin(); it != read.end(); ++it)
        kept_[it.key()] = Entry{std::move(it.value()), span};
}

void TLeaveHistory::Forget() {
    if (preloads_ > 0 && --preloads_ == 0)
        kept_.clear();
}
