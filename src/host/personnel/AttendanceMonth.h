#pragma once

#include "db/DataSet.h"

#include <QDate>

class Connection;

// One employee's time attendance of a month for the register's month view:
// a row per day ("attendancedate", read only) with the hours of each kind,
// edited in memory and stored together.
class TAttendanceMonth {
public:
    explicit TAttendanceMonth(Connection& connection);

    TDataSet& Days() { return days_; }
    qint64 Employee() const { return employee_; }
    QDate Month() const { return month_; }

    // Reads the records of the employee's month (every day, recorded or not).
    void Open(qint64 employeeId, int year, int month);
    bool Modified() const { return modified_; }
    // Checks every day and replaces the employee's records of the month in
    // one transaction; a day without hours keeps no record. A wrong number
    // throws EDatabaseError naming the day, and nothing is stored.
    void Save();

private:
    Connection& connection_;
    TDataSet days_;
    qint64 employee_ = 0;
    QDate month_;
    bool modified_ = false;
};
