#pragma once

#include "LeaveHistory.h"

#include <QDate>

#include <vector>

// Which earlier documents a leave average is taken over.

enum class TLeaveWindow {
    Dated,          // vacation, paid leave: the first N documents paid in the N months before
    SickStart,      // sick leave starting now: of those, the ones with worked hours
    SickContinued,  // sick leave going on: a month further back, its first sick month passed over
    LongSick,       // the three documents before the long sick leave
    LastN,          // the N latest documents
};

// The documents of the window (in the order they were chosen) and the sum
// of their month hours.
struct TWindowDocuments {
    std::vector<qint64> salaryIds;
    long double monthHours = 0;
};

// A document paid and accounted on or before 28 July 2014 averages over 3
// months, any later one over 12.
int WindowSize(const QDate& paymentDate, const QDate& accountingDate);

// The payment dates the window can reach for a document paid on `paymentDate`.
THistorySpan WindowSpan(TLeaveWindow window, const QDate& paymentDate, int size);

// Chooses the window's documents among the employee's earlier lines (newest first).
TWindowDocuments SelectWindow(TLeaveWindow window, const std::vector<TEarlierLine>& lines, const QDate& paymentDate,
                              int size);
