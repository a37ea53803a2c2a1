#pragma once

#include <QString>
#include <QStringList>

class Connection;
class TDataSet;
class TSalaryDM;
struct TAnnualLine;

// The annual PPP statement (table salaryreportppp): per employee and year
// the taxable income, the income tax and the three employee contributions,
// built from the posted full-month documents paid in the year.

// What one line adds to its employee's row.
struct TPPPAmounts {
    long double taxbase = 0, taxvalue = 0, tax1value = 0, tax2value = 0, tax3value = 0;
    void add(const TPPPAmounts& other);
};
// A transport allowance adds its single tax and the base it was taken on;
// any other line the tax base, the tax and the pension, health and other
// contributions of its gross before the net decrease.
TPPPAmounts PPPAmountsOfLine(const TAnnualLine& line);

// Opens SalaryReportPPPZQ on the year's rows.
void OpenReportPPP(TSalaryDM& dm, int year);
// "Dodaj sve": when the open rows are empty, appends a row per employee of
// the year (cached until applied); the number added, 0 when rows were there.
int AddAllReportPPP(TSalaryDM& dm, int year);
// Builds the year's rows and stores them in one transaction; refused when the
// year has rows. The number stored.
int BuildReportPPP(TSalaryDM& dm, int year);
int DeleteReportPPP(Connection& connection, int year);

// The per-document breakdown of one employee's year: a row per line, with
// the document's type and payment date and the amounts the line adds.
void PrepareReportPPPDetails(TSalaryDM& dm, int year, qint64 employeeId, TDataSet& details);

// The export's lines: the header (company code, empty, company number, year,
// rows, the sum of the rows' whole tax bases), then a line per row (JMBG, the
// name before and after its first blank, the five amounts as plain numbers).
QStringList ReportPPPFileLines(const TDataSet& rows, const QString& code, const QString& number, int year);
// Writes them (Windows-1250, one per line) for the company of the settings;
// the number of rows written.
int ExportReportPPP(Connection& connection, const TDataSet& rows, int year, const QString& path);
