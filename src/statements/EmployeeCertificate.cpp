#include "EmployeeCertificate.h"

#include "AverageEarnings.h"
#include "CalcFields.h"
#include "FormatFloat.h"
#include "Rounding.h"
#include "SalaryDM.h"
#include "db/Connection.h"

#include <QHash>
#include <QSqlQuery>

namespace {

// The month rows' fields, made on first use.
void defineFields(TDataSet& rows) {
    if (rows.fieldCount() > 0)
        return;
    const auto add = [&](const char* name, FieldType type, const char* label, int size = 0) {
        TField* field = rows.addField(QLatin1String(name), type, size);
        field->setDisplayLabel(QString::fromUtf8(label));
        if (type == FieldType::Float)
            field->setDisplayFormat(QStringLiteral("0.00"));
        return field;
    };
    add("year", FieldType::Integer, "Godina");
    add("month", FieldType::Integer, "Mesec");
    add("salaryvalue", FieldType::Float, "Bruto");
    add("paymentvalue", FieldType::Float, "Neto");
    add("paymentnetvalue", FieldType::Float, "Za isplatu");
    add("firstname", FieldType::String, "Ime", 20)->setVisible(false);
    add("lastname", FieldType::String, "Prezime", 30)->setVisible(false);
    add("code", FieldType::String, "Šifra", 20)->setVisible(false);
}

struct Amounts {
    long double gross = 0, net = 0, paid = 0;
};

// The line without a separate decrease: the regular pay scaled by the
// decrease factor of the average earnings, leave pay and allowances as paid.
Amounts amountsOf(TSalaryDM& dm, const TDocumentValues& d, const TLineValues& l) {
    TNetDecrease before = NetDecreaseOfLine(dm, {d, l});
    if (before.factor < 1)
        before.net += before.pensionRelief;
    const long double meal = d.workinghours != 0 ? l.hours().meal() / d.workinghours * l.mealrefund : 0;
    const long double kept = l.vacationvalue + l.sickvalue + l.longsickvalue + l.maternityleavevalue
        + l.childcareleavevalue + l.paidleavevalue + l.publicholidayvalue + l.absencevalue + meal + l.vacationrefund
        + l.difference;
    Amounts a;
    a.gross = BetterRoundTo(double((l.salaryvalue - kept) * before.factor), -2) + kept;
    a.net = before.net;
    a.paid = a.net - (l.paymentdecreasedvalue - l.paymentnetvalue);
    return a;
}

}  // namespace

QStringList EmployeeCertificateColumns() {
    return {QStringLiteral("year"), QStringLiteral("month"), QStringLiteral("salaryvalue"),
            QStringLiteral("paymentvalue"), QStringLiteral("paymentnetvalue")};
}

TDataSet& EmptyEmployeeCertificate(TSalaryDM& dm) {
    TDataSet& rows = *dm.EmployeeCertificateCDS;
    defineFields(rows);
    rows.close();
    rows.open();
    return rows;
}

TCertificateAverages PrepareEmployeeCertificate(TSalaryDM& dm, qint64 employeeId, const QDate& from, const QDate& to) {
    TDataSet& rows = EmptyEmployeeCertificate(dm);
    TCertificateAverages averages;
    if (employeeId <= 0)
        return averages;
    // The documents, then the employee's lines in them: two statements.
    const QString documents = QStringLiteral(
        "FROM salary AS s WHERE s.paymentdate >= ? AND s.paymentdate <= ? AND s.partcoefficient = 100 "
        "AND s.status = 'p' AND ((s.salarytype = 'Z') OR (s.salarytype = 'B'))");
    const QVariantList period{from.toString(Qt::ISODate), to.toString(Qt::ISODate)};
    Connection& c = *dm.ZConnection();
    QSqlQuery lines = c.exec(
        QStringLiteral("SELECT si.*, (e.workingstateid + 0) AS workingstateid, e.firstname AS e_firstname, "
                       "e.lastname AS e_lastname, e.code AS e_code FROM salaryitem AS si "
                       "LEFT JOIN employee AS e ON e.employeeid = si.employeeid "
                       "WHERE si.employeeid = ? AND si.salaryid IN (SELECT s.salaryid %1)")
            .arg(documents),
        QVariantList{employeeId} + period);
    struct Line {
        TLineValues values;
        QVariantList names;  // firstname, lastname, code
    };
    QHash<qint64, Line> ofDocument;
    while (lines.next())
        ofDocument.insert(lines.value(QStringLiteral("salaryid")).toLongLong(),
                          {LineOfRow(lines),
                           {lines.value(QStringLiteral("e_firstname")), lines.value(QStringLiteral("e_lastname")),
                            lines.value(QStringLiteral("e_code"))}});
    QSqlQuery salaries = c.exec(
        QStringLiteral("SELECT s.* %1 ORDER BY s.year, s.month, s.paymentdate, s.salaryid").arg(documents), period);
    std::vector<std::vector<QVariant>> months;
    Amounts sums;
    while (salaries.next()) {
        const auto line = ofDocument.constFind(salaries.value(QStringLiteral("salaryid")).toLongLong());
        if (line == ofDocument.cend())
            continue;
        const Amounts a = amountsOf(dm, DocumentOfRow(salaries), line->values);
        const int year = salaries.value(QStringLiteral("year")).toInt();
        const int month = salaries.value(QStringLiteral("month")).toInt();
        if (months.empty() || months.back()[0].toInt() != year || months.back()[1].toInt() != month)
            months.push_back({year, month, 0.0, 0.0, 0.0, line->names.at(0), line->names.at(1), line->names.at(2)});
        std::vector<QVariant>& row = months.back();
        row[2] = double(row[2].toDouble() + a.gross);
        row[3] = double(row[3].toDouble() + a.net);
        row[4] = double(row[4].toDouble() + a.paid);
        sums.gross += a.gross;
        sums.net += a.net;
        sums.paid += a.paid;
    }
    averages.months = int(months.size());
    rows.appendRecords(std::move(months));
    if (averages.months > 0) {
        averages.gross = double(sums.gross / averages.months);
        averages.net = double(sums.net / averages.months);
        averages.paid = double(sums.paid / averages.months);
    }
    return averages;
}

QString EmployeeCertificateHeader(TSalaryDM& dm, qint64 employeeId, const TCertificateAverages& averages,
                                  const QString& fallback) {
    QSqlQuery employee = dm.ZConnection()->exec(
        QStringLiteral("SELECT lastname, firstname FROM employee WHERE employeeid = ?"), {employeeId});
    if (!employee.next())
        return fallback;
    return QStringLiteral("Zaposleni: %1 %2\r\nProsečno: bruto %3  neto %4")
        .arg(employee.value(0).toString(), employee.value(1).toString(),
             FormatFloat(QStringLiteral("#,##0.00"), averages.gross),
             FormatFloat(QStringLiteral("#,##0.00"), averages.net));
}
