#pragma once

#include <QDate>

// What years of service are counted from, for one employee and document.
struct ServiceInput {
    QDate workingFrom;        // employee.workingfromdate
    QDate workingTo;          // employee.workingtodate (invalid when still employed)
    int previousYears = 0;    // service with earlier employers
    int previousMonths = 0;
    int previousDays = 0;
    int year = 0;             // the document's year and month
    int month = 0;
    QDate paymentDate;        // the document's dates
    QDate accountingDate;
    bool forcePreviousWork = false;  // option ForceCalculationWithPreviousWork
};

// Whole years of service at the end of the document's month (or at the end
// of employment within it). Earlier employers count for documents paid and
// booked up to 28 July 2014, after which the law stopped counting them, or
// when the option forces it.
int WorkingYears(const ServiceInput& input);

// Whole years from `start` to `end` (anniversaries passed), 0 when end is earlier.
int WholeYearsBetween(const QDate& start, const QDate& end);
