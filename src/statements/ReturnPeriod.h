#pragma once

#include <QDate>

#include <utility>

// Refuses a month outside 1 to 12 or a year outside the documents' range,
// with a message naming the return.
void CheckReturnPeriod(const QString& returnName, int year, int month);

// The first day of the month and of the next one: dates may carry a time.
std::pair<QDate, QDate> ReturnMonthSpan(int year, int month);
