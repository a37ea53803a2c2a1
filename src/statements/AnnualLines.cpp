#include "AnnualLines.h"

#include "AverageEarnings.h"
#include "CalcRounding.h"
#include "CalcSupport.h"
#include "SalaryDM.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/Field.h"
#include "db/SqlQuery.h"

#include <QSqlQuery>
#include <QSqlRecord>

QString TAnnualEmployee::name() const { return firstname + QLatin1Char(' ') + lastname; }

std::vector<TAnnualEmployee> AnnualEmployees(TSalaryDM& dm, const QString& documents, const QVariantList& values) {
    QSqlQuery query = dm.ZConnection()->exec(
        QStringLiteral("SELECT e.employeeid, e.firstname, e.lastname, e.city, e.address, e.personalidentificator, "
                       "(e.workingstateid + 0), e.vocation, e.vocationcode, e.code FROM employee AS e "
                       "WHERE e.employeeid IN (SELECT si.employeeid FROM salaryitem AS si "
                       "INNER JOIN salary AS s ON s.salaryid = si.salaryid WHERE %1) "
                       "ORDER BY e.code, e.lastname, e.firstname")
            .arg(documents),
        values);
    std::vector<TAnnualEmployee> employees;
    while (query.next()) {
        const auto text = [&query](int column) { return query.value(column).toString().trimmed(); };
        employees.push_back({query.value(0).toLongLong(), text(1), text(2), text(3), text(4), text(5), text(7),
                             text(8), query.value(6).toLongLong()});
    }
    return employees;
}

long double GrossBeforeDecrease(TSalaryDM& dm, const TEarlierLine& line) {
    const long double gross = line.line.salaryvalue;
    if (line.document.netdecreasepercent <= 0)
        return gross;
    const TNetDecrease decrease = NetDecreaseOfLine(dm, line);
    return RND((gross - decrease.kept) * decrease.factor) + decrease.kept;
}

void ForEachAnnualLine(TSalaryDM& dm, const QString& documents, const QVariantList& values,
                       const std::function<void(const TAnnualLine&)>& visit, qint64 employeeId) {
    Connection& connection = *dm.ZConnection();
    // Every rate set first, so that no statement runs while the lines are read.
    QSqlQuery sets = connection.exec(
        QStringLiteral("SELECT DISTINCT s.salarytaxid FROM salary AS s WHERE %1").arg(documents), values);
    std::vector<qint64> setKeys;
    while (sets.next())
        setKeys.push_back(sets.value(0).toLongLong());
    for (const qint64 key : setKeys)
        RateItemsOfSet(dm, key);

    QVariantList bound = values;
    QString condition = documents;
    if (employeeId > 0) {
        condition = QStringLiteral("(%1) AND si.employeeid = ?").arg(documents);
        bound << employeeId;
    }
    QSqlQuery lines = connection.exec(
        QStringLiteral("SELECT %1, s.year AS s_year, s.month AS s_month FROM salaryitem AS si "
                       "INNER JOIN salary AS s ON s.salaryid = si.salaryid "
                       "LEFT JOIN employee AS e ON e.employeeid = si.employeeid WHERE %2 "
                       "ORDER BY s.paymentdate, s.salaryid, si.salaryitemid")
            .arg(StoredLineColumns(), condition),
        bound);
    const TStoredLineReader reader(lines.record());
    const int year = lines.record().indexOf(QStringLiteral("s_year"));
    const int month = lines.record().indexOf(QStringLiteral("s_month"));
    TAnnualLine annual;
    while (lines.next()) {
        annual.stored = reader.read(lines);
        annual.employeeid = lines.value(reader.employeeColumn()).toLongLong();
        annual.year = lines.value(year).toInt();
        annual.month = lines.value(month).toInt();
        const TDocumentValues& d = annual.stored.document;
        annual.gross = GrossBeforeDecrease(dm, annual.stored);
        annual.components = LineComponents(d, annual.stored.line, RateItemsOfSet(dm, d.salarytaxid), annual.gross,
                                           false, d.salarytype == QLatin1Char('B'));
        visit(annual);
    }
}

void CheckReportYear(int year) {
    if (year < 1900 || year > 9999)
        throw EDatabaseError(QStringLiteral("Godina izveštaja je četvorocifrena, a ne %1.").arg(year));
}

void OpenAnnualReport(TSqlQuery& rows, const QString& table, int year) {
    CheckReportYear(year);
    if (rows.isEditing())
        rows.cancel();
    rows.cancelUpdates();
    rows.close();
    rows.setSQL(QStringLiteral("SELECT * FROM %1 WHERE year = :year ORDER BY %1id").arg(table));
    rows.setParam(QStringLiteral("year"), year);
    rows.open();
}

namespace {

void appendRow(TDataSet& rows, const QVariantMap& values) {
    rows.append();
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        TField* field = rows.fieldByName(it.key());
        // A text longer than its column is cut: the register's own fields may be longer.
        if (it.value().typeId() == QMetaType::QString && field->size() > 0)
            field->setValue(it.value().toString().left(field->size()));
        else
            field->setValue(it.value());
    }
    rows.post();
}

[[noreturn]] void refuseBuilt(const QString& caption, int year) {
    throw EDatabaseError(
        QStringLiteral("%1 za %2. godinu već postoji; izbrišite ga pre nove izrade.").arg(caption).arg(year));
}

}  // namespace

void AppendReportRows(TDataSet& rows, const std::vector<QVariantMap>& values) {
    rows.disableControls();
    try {
        for (const QVariantMap& row : values)
            appendRow(rows, row);
    } catch (...) {
        rows.enableControls();
        throw;
    }
    rows.enableControls();
    rows.first();
}

int BuildAnnualReport(TSqlQuery& rows, const QString& caption, int year, const std::function<int()>& addAll) {
    if (!rows.isEmpty())
        refuseBuilt(caption, year);
    const int added = addAll();
    Connection& connection = *rows.connection();
    Transaction transaction(connection);
    const QVariant existing = connection.scalar(
        QStringLiteral("SELECT COUNT(*) FROM %1 WHERE year = ?").arg(rows.updateTable()), {year});
    if (existing.toInt() > 0)
        refuseBuilt(caption, year);
    rows.applyUpdates();
    transaction.commit();
    return added;
}

int DeleteAnnualReport(Connection& connection, const QString& table, int year) {
    CheckReportYear(year);
    Transaction transaction(connection);
    const QSqlQuery query = connection.exec(QStringLiteral("DELETE FROM %1 WHERE year = ?").arg(table), {year});
    const int deleted = query.numRowsAffected();
    transaction.commit();
    return deleted;
}
