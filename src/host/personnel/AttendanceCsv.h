#pragma once

#include "EmployeeCsv.h"

#include <QByteArray>
#include <QStringList>

#include <vector>

class Connection;

// Time-attendance records from a CSV file (UTF-8, ';' or ','): a header row
// naming the employee's code ("code" or "Kod"), the day ("attendancedate" or
// "Datum", as 2026-11-03 or 03.11.2026.) and any of the hour columns of
// timerattendance; one row per employee and day. A day already recorded
// takes the hours the file gives and keeps the others.

struct AttendanceImportResult {
    QString fileError;  // the file as a whole could not be read; nothing stored
    std::vector<RejectedRow> rejected;
    int stored = 0;     // days written (when stored)
    bool ok() const { return fileError.isEmpty() && rejected.empty(); }
    // What the user should read about the import, one line each (Serbian).
    QStringList reportLines() const;
    QString summary() const;
};

// StoreValidRows writes the accepted rows; AllOrNothing writes nothing when
// a row is rejected. What is written goes in one transaction.
AttendanceImportResult ImportAttendanceCsv(Connection& connection, const QByteArray& data, ImportMode mode);
AttendanceImportResult ImportAttendanceCsvFile(Connection& connection, const QString& fileName, ImportMode mode);
