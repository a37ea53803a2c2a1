#include "PreviousPayments.h"

#include "CalcFields.h"
#include "SalaryDM.h"
#include "db/Connection.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

std::unordered_map<qint64, TPreviousPayment> LoadPreviousPayments(TSalaryDM& dm, const TDocumentValues& document,
                                                                  int year, int month) {
    std::unordered_map<qint64, TPreviousPayment> payments;
    Connection& connection = *dm.ZConnection();
    QSqlQuery earlier = connection.exec(
        QStringLiteral("SELECT * FROM salary WHERE paymentdate < ? AND year = ? AND month = ? AND status = 'p' "
                       "AND salarytype = ? ORDER BY paymentdate DESC, salaryid DESC"),
        {document.paymentdate, year, month, QString(document.salarytype)});
    // The most recent document first: an employee's payment is taken from the
    // first document in this order that has a line of theirs.
    std::unordered_map<qint64, int> rank;
    std::unordered_map<qint64, TDocumentValues> documents;
    QVariantList ids;
    QStringList marks;
    while (earlier.next()) {
        const TDocumentValues values = DocumentOfRow(earlier);
        rank.emplace(values.salaryid, int(ids.size()));
        documents.emplace(values.salaryid, values);
        ids << values.salaryid;
        marks << QStringLiteral("?");
    }
    if (ids.isEmpty())
        return payments;
    QSqlQuery lines = connection.exec(
        QStringLiteral("SELECT si.*, (e.workingstateid + 0) AS workingstateid FROM salaryitem AS si "
                       "LEFT JOIN employee AS e ON e.employeeid = si.employeeid WHERE si.salaryid IN (%1)")
            .arg(marks.join(QLatin1Char(','))),
        ids);
    std::unordered_map<qint64, int> takenRank;
    const int employeeColumn = lines.record().indexOf(QStringLiteral("employeeid"));
    const int salaryColumn = lines.record().indexOf(QStringLiteral("salaryid"));
    while (lines.next()) {
        const qint64 employee = lines.value(employeeColumn).toLongLong();
        const qint64 salary = lines.value(salaryColumn).toLongLong();
        const int r = rank.at(salary);
        const auto taken = takenRank.find(employee);
        if (taken != takenRank.end() && taken->second <= r)
            continue;
        takenRank[employee] = r;
        payments[employee] = TPreviousPayment{documents.at(salary), LineOfRow(lines)};
    }
    return payments;
}
