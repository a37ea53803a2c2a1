#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>

#include <vector>

class EmployeeRegister;

// Employees exchanged as CSV: UTF-8, a header row with the column names of
// the employee table, one employee per row. Import matches employees by code
// (existing ones are updated, only in the columns the file has) and checks
// every row as the editor does.

enum class ImportMode {
    StoreValidRows,  // rejected rows are reported, the others stored
    AllOrNothing     // one rejected row and nothing is stored
};

struct RejectedRow {
    int line = 0;  // line of the file on which the row starts
    QString code;
    QString reason;
};
// "Red 7 (šifra 042): reason", as the import reports list a refused row.
QString RejectedRowText(const RejectedRow& row);

struct EmployeeImportResult {
    QString fileError;             // the file as a whole could not be read; nothing stored
    QStringList ignoredColumns;    // header names that are not importable columns
    std::vector<RejectedRow> rejected;
    int inserted = 0;              // counted only when stored
    int updated = 0;
    bool stored = false;           // the accepted rows are in the database

    bool ok() const { return fileError.isEmpty() && rejected.empty(); }
    // Everything the user should read about the import, one line each (Serbian).
    QStringList reportLines() const;
    QString summary() const;
};

// Imports the text of a CSV file into the register's employees (which must
// be open). Accepted rows are written in one transaction.
EmployeeImportResult ImportEmployeesCsv(EmployeeRegister& employees, const QByteArray& data, ImportMode mode);
EmployeeImportResult ImportEmployeesCsvFile(EmployeeRegister& employees, const QString& fileName, ImportMode mode);

// Every employee, by code, with every column but the key. With ';' numbers
// have a decimal comma (as spreadsheets in Serbia read them), with ',' a
// point. The text starts with a byte-order mark so spreadsheets see UTF-8.
QByteArray ExportEmployeesCsv(EmployeeRegister& employees, QChar delimiter = QLatin1Char(';'));
// False, and `error` set, when the file cannot be written.
bool ExportEmployeesCsvFile(EmployeeRegister& employees, const QString& fileName, QString* error,
                            QChar delimiter = QLatin1Char(';'));
