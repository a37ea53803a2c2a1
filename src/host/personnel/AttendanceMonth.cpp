#include "AttendanceMonth.h"

#include "Attendance.h"
#include "FormatFloat.h"
#include "db/Connection.h"
#include "db/DbError.h"

#include <QLocale>
#include <QSqlQuery>

namespace {

QString dayText(const QDate& date) { return date.toString(QStringLiteral("dd.MM.yyyy.")); }

// SQLite gives a date column as text, perhaps with a time of day after it.
QDate dateOf(const QVariant& value) {
    return value.typeId() == QMetaType::QString ? QDate::fromString(value.toString().left(10), Qt::ISODate)
                                                : value.toDate();
}

}  // namespace

TAttendanceMonth::TAttendanceMonth(Connection& connection)
    : connection_(connection), days_(QStringLiteral("AttendanceMonthCDS")) {
    TField* date = days_.addField(QStringLiteral("attendancedate"), FieldType::Date);
    date->setDisplayLabel(QStringLiteral("Datum"));
    date->setReadOnly(true);
    // The day of the week tells the weekends apart.
    date->OnGetText = [](const TField&, const QVariant& value, bool) {
        return QLocale(QLocale::Serbian, QLocale::LatinScript, QLocale::Serbia)
            .toString(value.toDate(), QStringLiteral("ddd dd.MM.yyyy."));
    };
    for (const ColumnDef& column : AttendanceHourColumns()) {
        TField* hours = days_.addField(column, false);
        // Most days have hours of one or two kinds: the other cells stay blank.
        hours->OnGetText = [](const TField&, const QVariant& value, bool displayText) {
            const double number = value.toDouble();
            return displayText && number == 0 ? QString() : FormatFloat(QStringLiteral("0.##"), number);
        };
        // A wrong number is refused as it is typed (the day keeps what it had),
        // and again when stored.
        hours->OnChange = [this, column](TField& field) {
            if (const QString error = AttendanceHoursError(column, field.asFloat()); !error.isEmpty()) {
                field.setValue(field.dataSet()->storedValue(field.index()));
                throw EDatabaseError(error);
            }
            modified_ = true;
        };
    }
    days_.BeforePost = [](TDataSet& days) {
        for (const ColumnDef& column : AttendanceHourColumns())
            if (const QString error = AttendanceHoursError(column, days.fieldByName(column.name)->asFloat());
                !error.isEmpty())
                throw EDatabaseError(dayText(days.fieldByName(QStringLiteral("attendancedate"))->asDate())
                                     + QStringLiteral(" ") + error);
    };
}

void TAttendanceMonth::Open(qint64 employeeId, int year, int month) {
    const QDate first(year, month, 1);
    if (!first.isValid())
        throw EDatabaseError(QStringLiteral("Mesec %1.%2. ne postoji.").arg(month).arg(year));
    QStringList columns;
    for (const ColumnDef& column : AttendanceHourColumns())
        columns << column.name;
    QSqlQuery stored = connection_.exec(
        QStringLiteral("SELECT attendancedate, %1 FROM timerattendance WHERE employeeid = ? "
                       "AND attendancedate >= ? AND attendancedate <= ?")
            .arg(columns.join(QStringLiteral(", "))),
        {employeeId, first.toString(Qt::ISODate), first.addMonths(1).addDays(-1).toString(Qt::ISODate)});
    std::vector<std::vector<QVariant>> rows(size_t(first.daysInMonth()));
    for (int day = 0; day < first.daysInMonth(); ++day) {
        rows[size_t(day)].assign(size_t(days_.fieldCount()), 0.0);
        rows[size_t(day)][0] = first.addDays(day);
    }
    while (stored.next()) {
        const QDate date = dateOf(stored.value(0));
        if (!date.isValid() || date.month() != month)
            continue;
        std::vector<QVariant>& row = rows[size_t(date.day() - 1)];
        for (int c = 1; c < days_.fieldCount(); ++c)
            row[size_t(c)] = row[size_t(c)].toDouble() + stored.value(c).toDouble();
    }
    days_.close();
    days_.open();
    days_.appendRecords(std::move(rows));
    employee_ = employeeId;
    month_ = first;
    modified_ = false;
}

void TAttendanceMonth::Save() {
    days_.checkBrowseMode();
    QStringList columns;
    for (const ColumnDef& column : AttendanceHourColumns())
        columns << column.name;
    std::vector<QVariantList> records;
    for (int row = 0; row < days_.recordCount(); ++row) {
        const QDate date = days_.valueAt(row, 0).toDate();
        QVariantList values{employee_, date.toString(Qt::ISODate)};
        bool any = false;
        for (int c = 1; c < days_.fieldCount(); ++c) {
            const double hours = days_.valueAt(row, c).toDouble();
            if (const QString error = AttendanceHoursError(AttendanceHourColumns()[size_t(c - 1)], hours);
                !error.isEmpty())
                throw EDatabaseError(dayText(date) + QStringLiteral(" ") + error);
            any = any || hours != 0;
            values << hours;
        }
        if (any)
            records.push_back(values);
    }
    Transaction transaction(connection_);
    connection_.exec(QStringLiteral("DELETE FROM timerattendance WHERE employeeid = ? AND attendancedate >= ? "
                                    "AND attendancedate <= ?"),
                     {employee_, month_.toString(Qt::ISODate),
                      month_.addMonths(1).addDays(-1).toString(Qt::ISODate)});
    const QString insert = QStringLiteral("INSERT INTO timerattendance (employeeid, attendancedate, %1) VALUES (%2)")
                               .arg(columns.join(QStringLiteral(", ")),
                                    QStringList(columns.size() + 2, QStringLiteral("?")).join(','));
    for (const QVariantList& values : records)
        connection_.exec(insert, values);
    transaction.commit();
    days_.commitUpdates();
    modified_ = false;
}
