#pragma once

#include <QDate>
#include <QString>

class Connection;

// The posted regular salaries of the twelve months before the demo month
// (the month before `today`), so that leave-pay averages have a history.
// They are calculated as an accountant would make them: a document a month,
// every employee added, a few nights worked, posted. All or nothing.
struct DemoHistoryResult {
    int documents = 0;
    int lines = 0;
    QDate first;
    QDate last;
};
DemoHistoryResult SeedDemoHistory(Connection& connection, const QDate& today);
