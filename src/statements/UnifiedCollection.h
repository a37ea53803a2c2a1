#pragma once

#include <QDate>
#include <QString>

class Connection;
class TSalaryDM;

// The rows of the monthly PPP-PD return (table salaryreportunifiedcollection):
// one per line of each posted salary document of the selection.

// Which rows: those of one document (`salaryid` above 0), or those of the
// posted documents paid in `year`/`month`.
struct TUnifiedCollectionSelection {
    qint64 salaryid = 0;
    int year = 0;
    int month = 0;
};

// The income type code ("SVP", nine digits) of a line: the recipient (A),
// the kind of income (B; sick pay 201 above 65 % and 202 otherwise), the
// insurance group (C) and the increased insurance service (D).
QString IncomeTypeCode(qint64 workingStateId, bool employer, bool sickPay, double sickPercent);

// Calendar days of a month, as the return declares them.
int CalendarDays(int year, int month);

// Builds the rows of the selection from the posted documents in one
// transaction, replacing the earlier rows of the same selection; the number
// of rows written. The documents are opened in turn in SalaryZQ; amounts
// are those of the payment lists (the calculation's own). A document that is
// not posted, or a month without posted documents, is refused with a message.
int BuildUnifiedCollection(TSalaryDM& dm, const TUnifiedCollectionSelection& selection);

// Deletes the rows of the selection; the number deleted.
int DeleteUnifiedCollection(Connection& connection, const TUnifiedCollectionSelection& selection);

// Opens SalaryReportUnifiedCollectionZQ on the rows of the selection, in the
// order they were built.
void OpenReportUnifiedCollection(TSalaryDM& dm, const TUnifiedCollectionSelection& selection);
