#pragma once

#include "StoredLines.h"
#include "TaxRules.h"

#include <QString>
#include <QVariantList>

#include <functional>
#include <vector>

class Connection;
class TDataSet;
class TSalaryDM;
class TSqlQuery;

// What the annual reports (PPP, M4) read of a year: its employees and the
// lines of its posted documents, each line in one pass over one statement.

// An employee of the year as the reports name it.
struct TAnnualEmployee {
    qint64 employeeid = 0;
    QString firstname, lastname, city, address, personalidentificator, vocation, vocationcode;
    qint64 workingstateid = 0;

    // "first last", as the reports and their files name the employee.
    QString name() const;
};

// One posted line, with the gross it would have had without the net
// decrease and what that gross gives item by item: the base of the
// employee's pension contribution, each contribution and the income tax,
// each rounded to hundredths (the running sum is not rounded to whole units:
// a year's report adds up the items).
struct TAnnualLine {
    TEarlierLine stored;
    qint64 employeeid = 0;
    int year = 0, month = 0;  // the month the salary is for
    long double gross = 0;
    TLineComponents components;
};

// The employees of the lines of the documents matching `documents` (a
// condition on salary AS s, its values bound in order), by code and name.
std::vector<TAnnualEmployee> AnnualEmployees(TSalaryDM& dm, const QString& documents, const QVariantList& values);

// Visits the lines of the documents matching `documents` in the order of
// their payment dates and documents. Reads a fixed number of statements
// (the lines, and each rate set once), whatever the number of lines.
// Only the lines of `employeeId` when it is above 0.
void ForEachAnnualLine(TSalaryDM& dm, const QString& documents, const QVariantList& values,
                       const std::function<void(const TAnnualLine&)>& visit, qint64 employeeId = 0);

// The gross of a stored line before its document's net decrease.
long double GrossBeforeDecrease(TSalaryDM& dm, const TEarlierLine& line);

// A year of four digits, or a refusal in Serbian.
void CheckReportYear(int year);

// The tables of the annual reports (one row per employee and year).

// Opens `rows` on the year's rows of its table, in the order they were added.
void OpenAnnualReport(TSqlQuery& rows, const QString& table, int year);
// Appends a row per map of values by field name (cached until applied); the
// grid is refreshed once, at the end, on the first row.
void AppendReportRows(TDataSet& rows, const std::vector<QVariantMap>& values);
// Builds a year from scratch: `rows` open on the year and empty (refused
// otherwise), `addAll` appends the year's rows, which are stored in one
// transaction, refused when another workstation stored the year meanwhile.
// The number of rows.
int BuildAnnualReport(TSqlQuery& rows, const QString& caption, int year, const std::function<int()>& addAll);
// Deletes the year's rows; the number deleted.
int DeleteAnnualReport(Connection& connection, const QString& table, int year);
