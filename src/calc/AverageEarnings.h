#pragma once

#include "CalcTrace.h"
#include "LeaveWindows.h"
#include "SalaryDM.h"

// The average-earnings base the leave and sick-pay compensations share.

// What one compensation asks of it.
struct TAverageRequest {
    long double hours = 0;  // the hours of absence paid
    TLeaveWindow window = TLeaveWindow::Dated;
    int size = 12;                 // documents in the window
    bool earlierAverages = false;  // months without history may take the averages entered on the employee
    long double payFactor = 1;     // share of the average paid (sick percent, paid-leave percent)
    bool maternity = false;        // maternity leave sums the earlier lines its own way
    bool sickFloor = false;        // never below the minimum gross for the line's sick hours
    TCalcTrace* trace = nullptr;   // records the window, its months and the floors when set
};

// The share of a stored line's regular pay that stays when its document
// decreased the net: the gross the net before the decrease corresponds to,
// against the gross stored, both without `kept` (leave pay and allowances,
// which the decrease never touched). The gross before the decrease is
// RND((salaryvalue - kept) * factor) + kept.
struct TNetDecrease {
    long double factor = 1;
    long double kept = 0;
    long double net = 0;            // the net before the decrease (the line's own without one)
    long double pensionRelief = 0;  // tax the voluntary pension saved in the decreased net
};
TNetDecrease NetDecreaseOfLine(TSalaryDM& dm, const TEarlierLine& line);

// The compensation of the current line's hours, rounded to hundredths.
double AverageEarningsAmount(TSalaryDM& dm, const TAverageRequest& request);

// Keeps the earnings history of the open document's employees (or of the
// given ones) for the life of a bulk operation, so that the lines it
// calculates read none of their own.
class LeaveHistoryPreload {
public:
    explicit LeaveHistoryPreload(TSalaryDM& dm) : dm_(dm) { dm_.PreloadLeaveHistory(); }
    LeaveHistoryPreload(TSalaryDM& dm, const QList<qint64>& employeeIds) : dm_(dm) {
        dm_.PreloadLeaveHistory(employeeIds);
    }
    ~LeaveHistoryPreload() { dm_.ForgetLeaveHistory(); }
    LeaveHistoryPreload(const LeaveHistoryPreload&) = delete;
    LeaveHistoryPreload& operator=(const LeaveHistoryPreload&) = delete;

private:
    TSalaryDM& dm_;
};
