#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

class Connection;
class TDataSet;
class TSalaryDM;

// The register of employees the treasury takes each month
// (salaryreportregisteremployee): one row per employee paid by the posted,
// final regular and sick-pay documents paid in the month, corrected by hand
// in the form and written as XML. Its "Bruto" and "Neto" are the document's
// point value and 70.1 % of it, not the employee's pay.

// Adds the month's rows in one statement and one transaction; the number
// added (none for a month without such documents). Refused while the month
// has rows, and when an employee lacks what a row requires (sex, date of
// employment, names), naming them.
int BuildReportRegisterEmployee(Connection& connection, int year, int month);

// Deletes the month's rows; the number deleted.
int DeleteReportRegisterEmployee(Connection& connection, int year, int month);

// Opens SalaryReportRegisterEmployeeZQ on the month's rows, in the order they were added.
void OpenReportRegisterEmployee(TSalaryDM& dm, int year, int month);

// The XML text of the rows of `rows` (no declaration, no line end).
QString GetReportRegisterEmployee(const TDataSet& rows, const QString& uniqueNumber, const QString& functionalClass,
                                  int year, int month, const QDate& today);

// "dsRegZ_ZapNO_1_" + the time + "_" + UniqueNumber + "_" + year + "_" + month.
QString RegisterEmployeeFileName(const QDateTime& now, const QString& uniqueNumber, int year, int month);

// Writes the rows open in SalaryReportRegisterEmployeeZQ to `path` with the
// company data of the settings; refused when the budget user's number is
// missing. The number of rows written.
int WriteReportRegisterEmployee(TSalaryDM& dm, int year, int month, const QString& path);
