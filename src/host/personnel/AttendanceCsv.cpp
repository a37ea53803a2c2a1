#include "AttendanceCsv.h"

#include "Attendance.h"
#include "Csv.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/Field.h"

#include <QHash>
#include <QSqlQuery>

#include <algorithm>
#include <optional>

namespace {

struct Header {
    int code = -1;
    int date = -1;
    std::vector<std::pair<int, const ColumnDef*>> hours;  // cell, column
};

bool named(const QString& cell, std::initializer_list<const char*> names) {
    for (const char* name : names)
        if (cell.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

// Empty when the header is usable, else why not.
QString readHeader(const QStringList& fields, Header& header) {
    const std::vector<ColumnDef>& kinds = AttendanceHourColumns();
    for (int cell = 0; cell < fields.size(); ++cell) {
        const QString name = fields.at(cell).trimmed();
        const auto kind = std::find_if(kinds.begin(), kinds.end(), [&](const ColumnDef& c) {
            return name.compare(c.name, Qt::CaseInsensitive) == 0;
        });
        int* single = named(name, {"code", "kod", "sifra", "šifra"})         ? &header.code
                      : named(name, {"attendancedate", "datum", "date"}) ? &header.date
                                                                         : nullptr;
        if (!single && kind == kinds.end())
            return QStringLiteral("Kolona \"%1\" nije ni šifra, ni datum, ni vrsta sati evidencije prisustva.").arg(name);
        const bool repeated = single ? *single >= 0
                                     : std::any_of(header.hours.begin(), header.hours.end(),
                                                   [&](const auto& h) { return h.second == &*kind; });
        if (repeated)
            return QStringLiteral("Kolona \"%1\" se u zaglavlju ponavlja.").arg(name);
        if (single)
            *single = cell;
        else
            header.hours.push_back({cell, &*kind});
    }
    if (header.code < 0 || header.date < 0)
        return QStringLiteral("U zaglavlju moraju biti kolone \"code\" (šifra zaposlenog) i \"attendancedate\" (datum).");
    return {};
}

std::optional<double> hoursOf(const QString& cell) {
    QString text = cell.trimmed();
    if (text.isEmpty())
        return 0.0;
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

struct Day {
    int line;
    qint64 employeeid;
    QDate date;
    std::vector<std::pair<const ColumnDef*, double>> hours;
};

using RecordKeys = QHash<QPair<qint64, QDate>, qint64>;  // employee and day -> timerattendanceid

// The records already kept for the file's days, read in one statement.
RecordKeys recordedDays(Connection& connection, const std::vector<Day>& days) {
    RecordKeys keys;
    if (days.empty())
        return keys;
    QDate first = days.front().date, last = first;
    for (const Day& day : days) {
        first = std::min(first, day.date);
        last = std::max(last, day.date);
    }
    QSqlQuery recorded = connection.exec(
        QStringLiteral("SELECT employeeid, attendancedate, timerattendanceid FROM timerattendance "
                       "WHERE attendancedate >= ? AND attendancedate <= ?"),
        {first.toString(Qt::ISODate), last.toString(Qt::ISODate)});
    while (recorded.next()) {
        const QVariant date = recorded.value(1);
        // SQLite gives the day as text.
        const QDate day = date.typeId() == QMetaType::QString ? QDate::fromString(date.toString().left(10), Qt::ISODate)
                                                               : date.toDate();
        keys.insert(qMakePair(recorded.value(0).toLongLong(), day), recorded.value(2).toLongLong());
    }
    return keys;
}

void store(Connection& connection, const Day& day, const RecordKeys& recorded) {
    const auto existing = recorded.constFind(qMakePair(day.employeeid, day.date));
    QStringList columns;
    QVariantList values;
    for (const auto& [column, hours] : day.hours) {
        columns << column->name;
        values << hours;
    }
    if (existing != recorded.cend()) {
        if (columns.isEmpty())
            return;
        values << *existing;
        connection.exec(QStringLiteral("UPDATE timerattendance SET %1 = ? WHERE timerattendanceid = ?")
                            .arg(columns.join(QStringLiteral(" = ?, "))),
                        values);
        return;
    }
    columns << QStringLiteral("employeeid") << QStringLiteral("attendancedate");
    values << day.employeeid << day.date.toString(Qt::ISODate);
    connection.exec(QStringLiteral("INSERT INTO timerattendance (%1) VALUES (%2)")
                        .arg(columns.join(QStringLiteral(", ")), QStringList(columns.size(), QStringLiteral("?")).join(',')),
                    values);
}

}  // namespace

QStringList AttendanceImportResult::reportLines() const {
    QStringList lines;
    if (!fileError.isEmpty())
        lines << fileError;
    for (const RejectedRow& row : rejected)
        lines << RejectedRowText(row);
    return lines;
}

QString AttendanceImportResult::summary() const {
    if (!fileError.isEmpty())
        return QStringLiteral("Uvoz nije izvršen.");
    if (stored == 0 && !rejected.empty())
        return QStringLiteral("Ništa nije sačuvano: odbijenih redova je %1.").arg(rejected.size());
    QString text = QStringLiteral("Uvezeno dana evidencije: %1.").arg(stored);
    if (!rejected.empty())
        text += QStringLiteral(" Odbijenih redova: %1.").arg(rejected.size());
    return text;
}

AttendanceImportResult ImportAttendanceCsv(Connection& connection, const QByteArray& data, ImportMode mode) {
    AttendanceImportResult result;
    const CsvParse parsed = ParseCsvUtf8(data);
    Header header;
    result.fileError = parsed.error.isEmpty() ? readHeader(parsed.records.front().fields, header) : parsed.error;
    if (!result.fileError.isEmpty())
        return result;

    QHash<QString, qint64> employees;
    QSqlQuery codes = connection.exec(QStringLiteral("SELECT code, employeeid FROM employee"));
    while (codes.next())
        employees.insert(codes.value(0).toString(), codes.value(1).toLongLong());
    std::vector<Day> days;
    QHash<QPair<qint64, QDate>, int> seen;  // employee and day -> line
    for (size_t r = 1; r < parsed.records.size(); ++r) {
        const CsvRecord& record = parsed.records[r];
        if (record.fields.join(QString()).trimmed().isEmpty())
            continue;
        const QString code = record.fields.value(header.code).trimmed();
        const auto reject = [&](const QString& reason) { result.rejected.push_back({record.line, code, reason}); };
        const auto employee = employees.constFind(code);
        if (employee == employees.cend()) {
            reject(code.isEmpty() ? QStringLiteral("nema šifre zaposlenog.")
                                  : QStringLiteral("nema zaposlenog sa tom šifrom."));
            continue;
        }
        const QString dateText = record.fields.value(header.date).trimmed();
        Day day{record.line, *employee, ParseDateText(dateText), {}};
        if (!day.date.isValid()) {
            reject(QStringLiteral("\"%1\" nije ispravan datum.").arg(dateText));
            continue;
        }
        QString error;
        for (const auto& [cell, column] : header.hours) {
            const QString value = record.fields.value(cell);
            const std::optional<double> hours = hoursOf(value);
            if (!hours)
                error = QStringLiteral("%1: \"%2\" nije broj.").arg(column->label, value.trimmed());
            else if (const QString wrong = AttendanceHoursError(*column, *hours); !wrong.isEmpty())
                error = wrong;
            if (!error.isEmpty())
                break;
            day.hours.push_back({column, *hours});
        }
        const auto key = qMakePair(day.employeeid, day.date);
        if (error.isEmpty() && seen.contains(key))
            error = QStringLiteral("isti zaposleni i dan su već u redu %1.").arg(seen.value(key));
        if (!error.isEmpty()) {
            reject(error);
            continue;
        }
        seen.insert(key, record.line);
        days.push_back(std::move(day));
    }
    if (mode == ImportMode::AllOrNothing && !result.rejected.empty())
        return result;
    Transaction transaction(connection);
    const RecordKeys recorded = recordedDays(connection, days);
    for (const Day& day : days)
        store(connection, day, recorded);
    transaction.commit();
    result.stored = int(days.size());
    return result;
}

AttendanceImportResult ImportAttendanceCsvFile(Connection& connection, const QString& fileName, ImportMode mode) {
    AttendanceImportResult result;
    const std::optional<QByteArray> data = ReadCsvFile(fileName, result.fileError);
    return data ? ImportAttendanceCsv(connection, *data, mode) : result;
}
