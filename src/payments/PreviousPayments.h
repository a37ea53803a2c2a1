#pragma once

#include "SalaryValues.h"

#include <QString>

#include <unordered_map>

class TSalaryDM;

// What an employee was already paid this month: the line of the most
// recent earlier posted document of the same month and type that has one.
struct TPreviousPayment {
    TDocumentValues document;
    TLineValues line;
};

// The earlier payments of the month of every employee, read in two
// statements for the whole document (documents paid before `document`'s
// payment date, posted, of the same year, month and type).
std::unordered_map<qint64, TPreviousPayment> LoadPreviousPayments(TSalaryDM& dm, const TDocumentValues& document,
                                                                  int year, int month);
