#pragma once

#include "SalaryValues.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include <utility>
#include <vector>

// Reads the values of stored lines from the rows of one query, each column
// found once by name instead of once per row (a month has ten thousand rows).
// A column the query lacks reads as 0.
class TStoredLineReader {
public:
    explicit TStoredLineReader(const QSqlRecord& record);
    TLineValues read(const QSqlQuery& row) const;

private:
    std::vector<std::pair<long double TLineValues::*, int>> numbers_;
    int salaryitemid_ = -1;
    int workingstateid_ = -1;
    int salarycreditid_ = -1;
    int minsalary_ = -1;
};
