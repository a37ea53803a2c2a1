#pragma once

#include "StoredLines.h"

#include <QDate>
#include <QHash>
#include <QList>

#include <vector>

class Connection;

// The earlier earnings the leave averages rest on: an employee's lines in
// posted regular full-month documents, with their documents, and the
// averages entered on the employee.

// A month of earnings from before the salary history of this database.
struct TEarlierAverage {
    long double workingvalue = 0;  // gross of the month
    long double workinghours = 0;
};

struct TEmployeeEarnings {
    std::vector<TEarlierLine> lines;  // newest payment date first
    long double averagesalaryvalue = 0;
    std::vector<TEarlierAverage> earlierAverages;  // newest month first, at most 12
};

// The payment dates of the earlier documents read; a null date leaves that
// end open. Windows counted back from the open document need only a span,
// the others the whole history.
struct THistorySpan {
    QDate from;
    QDate to;
    bool covers(const THistorySpan& other) const;
};

// Earnings read from the database: for one line when it is calculated, or
// for all the employees of a bulk operation at once while a preload is held.
class TLeaveHistory {
public:
    // The employee's earnings over at least `span`: the preloaded ones when
    // they cover it, otherwise read now (two queries).
    const TEmployeeEarnings& Earnings(Connection& connection, qint64 employeeId, const THistorySpan& span);

    // Reads the earnings of the employees over `span` (two queries per
    // thousand employees) and keeps them until the matching Forget.
    void Preload(Connection& connection, const QList<qint64>& employeeIds, const THistorySpan& span);
    void Forget();

private:
    struct Entry {
        TEmployeeEarnings earnings;
        THistorySpan span;
    };
    QHash<qint64, Entry> kept_;
    int preloads_ = 0;
    Entry single_;  // the one read last outside a preload
};
