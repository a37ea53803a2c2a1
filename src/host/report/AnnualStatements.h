#pragma once

#include "ReportTable.h"
#include "StatementPrintout.h"

class TDataSet;

// The annual statements an employee receives, one page each, from the rows
// of the annual reports (the columns of salaryreportppp and salaryreportm4)
// and the documents behind them (a row per line: employeeid, salaryperiod,
// salarytype and the line's amounts under the report's column names).

// The PPP of each row.
TStatementBook PPPStatements(const TDataSet& rows, const TCompanyInfo& company, const QString& issueDate);
// The PPP of the employee of `details`, with the documents of the year.
TStatementBook PPPStatementWithDocuments(const TDataSet& rows, const TDataSet& details, const TCompanyInfo& company,
                                         const QString& issueDate);
// The M4 of each row, each with its employee's documents.
TStatementBook M4Statements(const TDataSet& rows, const TDataSet* details, const TCompanyInfo& company,
                            const QString& issueDate);

// The M4 list: a line per row with the service, the amounts and their totals.
TTable M4ListTable(const TDataSet& rows);
