#pragma once

#include <QString>
#include <QStringList>

class TDataSet;
class TReportEngine;
class TSalaryDM;

// The prints of the annual PPP and M4 forms, on the rows the form shows (or,
// from the command line, on the year's stored rows). Each refuses a year
// without rows.

// The action names of the forms' prints, as zarade-cli names them.
const QStringList& AnnualReportPrints();
// Whether the action needs an employee (the PPP breakdown of one employee).
bool AnnualPrintNeedsEmployee(const QString& action);

// "Š&tampaj" of PPP: the list as the grid shows it.
void PrintReportPPPList(TReportEngine& engine, const TDataSet& rows, int year);
// "Štampaj pojedinačno" of PPP: one page per employee.
void PrintReportPPPIndividual(TReportEngine& engine, const TDataSet& rows);
// "Štampaj izveštaj" of PPP: one employee's statement with the documents of the year.
void PrintReportPPPDetails(TSalaryDM& dm, TReportEngine& engine, const TDataSet& rows, int year, qint64 employeeId);
// "Š&tampaj" of M4: the list.
void PrintReportM4List(TReportEngine& engine, const TDataSet& rows);
// "Štampaj pojedinačno" of M4: one page per employee with the documents of the year.
void PrintReportM4Individual(TSalaryDM& dm, TReportEngine& engine, const TDataSet& rows, int year);

// Opens the year's stored rows and runs the named print.
void RunAnnualReportPrint(TSalaryDM& dm, const QString& action, int year, qint64 employeeId, TReportEngine& engine);

// The columns of the PPP grid and list.
const QStringList& ReportPPPColumns();
// The columns of the M4 grid.
const QStringList& ReportM4Columns();
