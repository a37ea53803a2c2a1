// The month's time-attendance records into an empty document: the hours of
// each employee summed over the month, set on a new line by the document's
// type, so that each line is calculated as if its hours had been typed.

#include "AverageEarnings.h"
#include "EmployeeLines.h"
#include "GatheredMessages.h"
#include "ImportResourceStrings.h"
#include "Rounding.h"
#include "SalaryDM.h"
#include "SalaryImports.h"
#include "db/Connection.h"
#include "db/DbError.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>

namespace {

// The attendance columns summed, each as "ta" + its name.
const char* const AttendanceColumns[] = {
    "regularworkinghours", "overtimehours",       "vacationhours",    "paidleavehours", "redistributionhours",
    "unpaidleavehours",    "absencehours",        "publicholidayhours", "holidayworkinghours", "businesstriphours",
    "nightworkinghours",   "sickhours",           "longsickhours",    "profsickhours",  "proflongsickhours"};

QString attendanceSql() {
    QStringList sums;
    for (const char* column : AttendanceColumns)
        sums << QStringLiteral("SUM(%1) AS ta%1").arg(QLatin1String(column));
    // Summed first and joined after, so that every employee column may be selected.
    return QStringLiteral("SELECT e.*, ta.* FROM (SELECT employeeid AS taemployeeid, %1 FROM timerattendance "
                          "WHERE attendancedate >= ? AND attendancedate <= ? GROUP BY employeeid) AS ta "
                          "INNER JOIN employee AS e ON e.employeeid = ta.taemployeeid "
                          "ORDER BY e.code, e.lastname, e.firstname, ta.taemployeeid")
        .arg(sums.join(QStringLiteral(", ")));
}

// One employee's sums of the month.
struct MonthHours {
    explicit MonthHours(const QSqlQuery& row) : row_(row) {}
    double operator()(const char* column) const {
        return row_.value(QStringLiteral("ta") + QLatin1String(column)).toDouble();
    }
    double rounded(std::initializer_list<const char*> columns) const {
        double sum = 0;
        for (const char* column : columns)
            sum += (*this)(column);
        return double(Round(sum));
    }

private:
    const QSqlQuery& row_;
};

// Sick-pay documents take those on long sick leave; the others anybody with
// hours of presence or of an absence the document pays or counts.
bool takes(QChar type, const MonthHours& h) {
    if (type == QLatin1Char('B'))
        return h.rounded({"longsickhours", "proflongsickhours"}) > 0;
    return h.rounded({"regularworkinghours", "vacationhours", "paidleavehours", "sickhours", "profsickhours",
                      "unpaidleavehours", "absencehours"})
        > 0;
}

// The hours of the line by the document's type, in the order a user would
// type them: the worked hours first, so that the month's fund is never
// exceeded on the way.
QList<QPair<const char*, double>> lineHours(QChar type, const MonthHours& h, double fund) {
    if (type == QLatin1Char('B'))
        return {{"longsickhours", h.rounded({"longsickhours"})},
                {"maternityleavehours", h.rounded({"proflongsickhours"})}};
    if (type == QLatin1Char('P'))
        return {{"workinghours", std::min(fund, h.rounded({"regularworkinghours", "businesstriphours",
                                                           "nightworkinghours", "holidayworkinghours",
                                                           "publicholidayhours"}))}};
    QList<QPair<const char*, double>> hours{{"workinghours", h("regularworkinghours") + h("businesstriphours")}};
    for (const char* same : {"vacationhours", "longsickhours", "paidleavehours", "publicholidayhours", "absencehours",
                             "redistributionhours", "unpaidleavehours", "nightworkinghours", "holidayworkinghours"})
        hours.append({same, h.rounded({same})});
    // Sick leave after an injury at work is paid in full.
    if (h.rounded({"profsickhours"}) > 0)
        hours.append({"sickpercent", 100});
    hours.append({"sickhours", h.rounded({"sickhours", "profsickhours"})});
    hours.append({"overtimehours", h("overtimehours")});
    return hours;
}

}  // namespace

int ImportAttendanceLines(TSalaryDM& dm) {
    if (!SalaryImportAllowed(dm))
        throw EDatabaseError(QString::fromUtf8(_SAL_IMPORT_NOT_EMPTY));
    if (TEmployeeLineAdder::RefuseWithoutFund(dm))
        return 0;
    TSqlQuery& header = *dm.SalaryZQ;
    const QDate first(header.fieldByName(QStringLiteral("year"))->asInteger(),
                      header.fieldByName(QStringLiteral("month"))->asInteger(), 1);
    const QVariantList month{first.toString(Qt::ISODate), first.addMonths(1).addDays(-1).toString(Qt::ISODate)};
    const QString typeText = header.fieldByName(QStringLiteral("salarytype"))->asString();
    const QChar type = typeText.isEmpty() ? QChar() : typeText.at(0);
    const double fund = header.fieldByName(QStringLiteral("workinghours"))->asFloat();

    Connection& c = *dm.ZConnection();
    QList<qint64> employees;
    QSqlQuery present = c.exec(QStringLiteral("SELECT DISTINCT employeeid FROM timerattendance "
                                              "WHERE attendancedate >= ? AND attendancedate <= ?"),
                               month);
    while (present.next())
        employees << present.value(0).toLongLong();
    const LeaveHistoryPreload history(dm, employees);
    GatheredMessages refusals(dm);
    TSqlQuery& lines = *dm.SalaryItemZQ;
    ControlsDisabled quiet(lines);
    TEmployeeLineAdder adder(dm);
    QSqlQuery rows = c.exec(attendanceSql(), month);
    int added = 0;
    while (rows.next()) {
        const MonthHours hours(rows);
        if (adder.Present(rows.value(QStringLiteral("employeeid")).toLongLong()) || !takes(type, hours))
            continue;
        if (!adder.Add(rows))
            continue;
        lines.edit();
        for (const auto& [column, value] : lineHours(type, hours, fund)) {
            TField* field = lines.fieldByName(QLatin1String(column));
            if (field->asFloat() != value)
                field->setAsFloat(value);
        }
        if (lines.isEditing())
            lines.post();
        ++added;
    }
    lines.first();
    refusals.Show(QStringLiteral("Sledeće stavke nisu obračunate:"));
    return added;
}
