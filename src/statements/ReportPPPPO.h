#pragma once

#include <QString>

class Connection;
class QDate;
class TReportEngine;
class TSalaryDM;

// The annual PPP-PO (table salaryreportppppo): per employee and income type,
// what the posted full-month salaries paid in a year gave as gross, tax
// relief, tax base and tax, and the employee's and the employer's
// contributions, summed from the year's PPP-PD rows. The rows are edited in
// SalaryReportPPPPOZQ on cached updates: nothing is stored until applied.

// The amounts one PPP-PD row brings into a PPP-PO row.
struct TPPPPOSource {
    double salaryvalue = 0;
    double taxbase = 0;
    double taxvalue = 0;
    double contributionbase = 0;
    double contributions = 0;  // contribution1value to contribution4value
};

// The sums of a PPP-PO row.
struct TPPPPOAmounts {
    long double salaryvalue = 0;
    long double taxsub = 0;
    long double taxbase = 0;
    long double taxvalue = 0;
    long double contributiontotal1value = 0;
    long double contributiontotal2value = 0;
};

// Adds a PPP-PD row: the employee's contributions are recomputed from its
// contribution base with the employee's three rates, each rounded to
// hundredths; the rest of its contributions is the employer's, counted only
// from five hundredths up.
void AddToPPPPO(TPPPPOAmounts& row, const TPPPPOSource& source, double pensionRate, double healthRate,
                double unemploymentRate);

// Opens SalaryReportPPPPOZQ on the rows of the year.
void OpenReportPPPPO(TSalaryDM& dm, int year);

// Opens SalaryReportPPPPOZQ on one row, by its key; refused when there is none.
void OpenReportPPPPORow(TSalaryDM& dm, qint64 rowid);

// "Dodaj sve": appends to the open, empty rows of the year one row per
// employee and income type code of the year's PPP-PD rows of posted
// documents paid in full (advances are left out); the rows stay pending.
// A year that shows rows, has no such documents, or whose documents lack
// their PPP-PD rows is refused with a message and nothing is appended. Reads
// a fixed number of statements, however many lines the year has. Returns
// the rows appended.
int AddAllReportPPPPO(TSalaryDM& dm, int year);

// "Dodaj": appends (pending) a row of income outside employment for the
// employee, code "1", amounts 0, to be typed by hand.
void AddReportPPPPOEmployee(TSalaryDM& dm, int year, qint64 employeeid);

// "Izbriši sve": deletes every row shown (pending).
void DeleteAllReportPPPPO(TSalaryDM& dm);

// "Š&tampaj": the rows shown, one certificate per page as the employee
// receives it, issued on the date; refused when there are none.
void PrintReportPPPPO(TSalaryDM& dm, TReportEngine& engine, const QDate& issueDate);

// The year's rows built and written in one transaction; refused when the
// year already has rows. Returns the rows written.
int BuildReportPPPPO(TSalaryDM& dm, int year);

// Deletes the year's rows; the number deleted.
int DeleteReportPPPPO(Connection& connection, int year);
