#include "LeaveHistory.h"

#include "CalcFields.h"
#include "db/Connection.h"

#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

namespace {

// Placeholders per statement: well below what either database accepts.
constexpr qsizetype EmployeesPerQuery = 1000;

// The line columns of salaryitem (the employee's joined ones are read
// separately), and the document's columns under the prefix "s_".
QString historySql(qsizetype employees, const THistorySpan& span) {
    QStringList columns{QStringLiteral("si.salaryitemid"), QStringLiteral("si.salaryid"),
                        QStringLiteral("si.employeeid"), QStringLiteral("si.salarycreditid"),
                        QStringLiteral("(e.workingstateid + 0) AS workingstateid")};
#define ZARADE_LINE_COLUMN(name) columns << QStringLiteral("si." #name);
    ZARADE_LINE_NUMBERS(ZARADE_LINE_COLUMN)
#undef ZARADE_LINE_COLUMN
    columns.removeAll(QStringLiteral("si.arrangedsalaryvalue"));
    columns.removeAll(QStringLiteral("si.arrangedpaymentvalue"));
#define ZARADE_DOCUMENT_COLUMN(name) columns << QStringLiteral("s." #name " AS s_" #name);
    ZARADE_DOCUMENT_NUMBERS(ZARADE_DOCUMENT_COLUMN)
    ZARADE_DOCUMENT_COLUMN(salarytaxid)
    ZARADE_DOCUMENT_COLUMN(salarytype)
    ZARADE_DOCUMENT_COLUMN(paymentdate)
#undef ZARADE_DOCUMENT_COLUMN
    QString sql = QStringLiteral("SELECT %1 FROM salaryitem AS si INNER JOIN salary AS s ON s.salaryid = si.salaryid "
                                 "LEFT JOIN employee AS e ON e.employeeid = si.employeeid "
                                 "WHERE s.status = 'p' AND s.salarytype = 'Z' AND s.partcoefficient = 100 "
                                 "AND si.employeeid IN (%2)")
                      .arg(columns.join(QLatin1Char(',')), QStringList(employees, QStringLiteral("?")).join(','));
    if (span.from.isValid())
        sql += QStringLiteral(" AND s.paymentdate >= ?");
    if (span.to.isValid())
        sql += QStringLiteral(" AND s.paymentdate <= ?");
    return sql + QStringLiteral(" ORDER BY si.employeeid, s.paymentdate DESC, s.salaryid DESC, si.salaryitemid");
}

// Column positions of the history query, found once per statement.
struct HistoryColumns {
    explicit HistoryColumns(const QSqlRecord& record) {
        const auto at = [&](const char* name) { return record.indexOf(QLatin1String(name)); };
#define ZARADE_LINE_INDEX(name) line.name = at(#name);
        ZARADE_LINE_NUMBERS(ZARADE_LINE_INDEX)
#undef ZARADE_LINE_INDEX
#define ZARADE_DOCUMENT_INDEX(name) document.name = at("s_" #name);
        ZARADE_DOCUMENT_NUMBERS(ZARADE_DOCUMENT_INDEX)
#undef ZARADE_DOCUMENT_INDEX
        salaryitemid = at("salaryitemid");
        salaryid = at("salaryid");
        employeeid = at("employeeid");
        salarycreditid = at("salarycreditid");
        workingstateid = at("workingstateid");
        salarytaxid = at("s_salarytaxid");
        salarytype = at("s_salarytype");
        paymentdate = at("s_paymentdate");
    }
#define ZARADE_INDEX_MEMBER(name) int name = -1;
    struct {
        ZARADE_LINE_NUMBERS(ZARADE_INDEX_MEMBER)
    } line;
    struct {
        ZARADE_DOCUMENT_NUMBERS(ZARADE_INDEX_MEMBER)
    } document;
#undef ZARADE_INDEX_MEMBER
    int salaryitemid, salaryid, employeeid, salarycreditid, workingstateid, salarytaxid, salarytype, paymentdate;
};

long double number(const QSqlQuery& row, int column) {
    return column < 0 ? 0 : static_cast<long double>(row.value(column).toDouble());
}

TEarlierLine earlierLineOfRow(const QSqlQuery& row, const HistoryColumns& c) {
    TEarlierLine earlier;
    TLineValues& l = earlier.line;
#define ZARADE_READ_LINE(name) l.name = number(row, c.line.name);
    ZARADE_LINE_NUMBERS(ZARADE_READ_LINE)
#undef ZARADE_READ_LINE
    l.salaryitemid = row.value(c.salaryitemid).toLongLong();
    l.salarycreditid = row.value(c.salarycreditid).toLongLong();
    l.workingstateid = row.value(c.workingstateid).toLongLong();
    TDocumentValues& d = earlier.document;
#define ZARADE_READ_DOCUMENT(name) d.name = number(row, c.document.name);
    ZARADE_DOCUMENT_NUMBERS(ZARADE_READ_DOCUMENT)
#undef ZARADE_READ_DOCUMENT
    d.salaryid = row.value(c.salaryid).toLongLong();
    d.salarytaxid = row.value(c.salarytaxid).toLongLong();
    const QString type = row.value(c.salarytype).toString();
    d.salarytype = type.isEmpty() ? QChar() : type.at(0);
    d.paymentdate = StoredDate(row.value(c.paymentdate));
    return earlier;
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
    const HistoryColumns columns(history.record());
    while (history.next())
        earnings[history.value(columns.employeeid).toLongLong()].lines.push_back(earlierLineOfRow(history, columns));

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
