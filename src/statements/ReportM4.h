#pragma once

#include <QString>
#include <QStringList>

class Connection;
class TDataSet;
class TSalaryDM;
struct TAnnualLine;

// The annual M4 return to the pension fund (table salaryreportm4): per
// employee and year the months and days of insured service, the earnings
// and the sick pay with their pension contribution, and the service counted
// with an increase with its contribution; built from the posted full-month
// regular and sick-pay documents of the year.

struct TM4Amounts {
    long double workingmonths = 0, workingdays = 0;
    long double taxbase = 0, taxvalue = 0, tax1base = 0, tax1value = 0;
    long double contribution4months = 0, contribution4days = 0, contribution4value = 0;
    void add(const TM4Amounts& other);
    // Thirty days make a month, of service and of increased service.
    void carryDays();
};
// What one line adds: a month of service when its hours fill the month's
// fund, otherwise the days in proportion; its earnings and sick pay with
// the pension contribution of both sides; for working states 11 to 14 the
// increased service and its contribution.
TM4Amounts M4AmountsOfLine(const TAnnualLine& line);

void OpenReportM4(TSalaryDM& dm, int year);
// "Dodaj sve": when the open rows are empty, appends a row per employee of
// the year's documents (cached until applied); the number added.
int AddAllReportM4(TSalaryDM& dm, int year);
// Builds the year's rows and stores them in one transaction; refused when the
// year has rows.
int BuildReportM4(TSalaryDM& dm, int year);
int DeleteReportM4(Connection& connection, int year);

// The employees' returns one by one: SalaryReportM4CDS gets a row per line
// of the year (the employee, the month, what the line adds).
void PrepareIndividualM4CDS(TSalaryDM& dm, int year);

// What the fund's file needs besides the rows.
struct TM4Export {
    QString roll;          // microfilm roll number, as typed
    QString position;      // first position number: a whole number
    QString registration;  // insurance registration number, as typed
    QString code, branchCode;  // the company's, from the settings
};
// A line per row; the position advances after every 20 lines. A position
// that is not a whole number is refused.
QStringList ReportM4FileLines(const TDataSet& rows, const TM4Export& options);
// Reads the company's codes and writes the file; the number of lines.
int ExportReportM4(Connection& connection, const TDataSet& rows, TM4Export options, const QString& path);
