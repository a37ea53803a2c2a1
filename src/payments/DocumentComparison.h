#pragma once

#include <QString>

class Connection;
class TDataSet;
class TSalaryDM;

// What changed for each employee between two salary documents: the gross,
// net and amount for payment before and after, and the change of net split
// over the inputs that explain it. The by... columns of a row add up to its
// netchange exactly: whatever no input explains is "byother", never lost.
// bydecrease and bydeductions take netchange on to paymentchange.

// The posted document of the same type before `salaryId` (by period and
// number); 0 when there is none.
qint64 PreviousPostedDocument(Connection& connection, qint64 salaryId);

// Fills `rows` (its fields added on first use) with one row per employee of
// either document, largest change of net first. `salaryId` is the later one.
void FillDocumentComparison(TSalaryDM& dm, qint64 salaryId, qint64 previousId, TDataSet& rows);

// "month/year br. number" of a document, for a caption.
QString DocumentTitle(Connection& connection, qint64 salaryId);
