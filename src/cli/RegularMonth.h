#pragma once

#include <QDate>
#include <QStringList>

class ScriptedMessages;
class TSalaryDM;

// A regular month paid to every qualifying employee, as an accountant runs
// it: a new document, its header, "add all", apply.
struct TRegularMonth {
    int year = 0;
    int month = 0;
    QDate paymentDate;
    // Header fields ("field=value"), assigned after the month's working
    // hours; a document takes the rest from the latest regular one.
    QStringList header;
};

// The working hours of a month: eight for every weekday.
int MonthWorkingHours(int year, int month);

// The month after the latest posted regular document, or the month before
// `today` when there is none.
TRegularMonth NextRegularMonth(TSalaryDM& dm, const QDate& today);

// The first not yet posted regular document of the month; 0 when there is none.
qint64 OpenRegularDocument(TSalaryDM& dm, const TRegularMonth& month);

// Creates and applies the month's document with a line for every qualifying
// employee, calculated by the module's own handlers; returns its key and
// leaves it open in the data module. Whatever the module refused (with an
// error or a warning through `messages`) is thrown as EDatabaseError.
qint64 CreateRegularMonth(TSalaryDM& dm, ScriptedMessages& messages, const TRegularMonth& month);

// Stops a run without a window: the errors and warnings the module showed
// through `messages` since position `from`, as an EDatabaseError.
[[noreturn]] void ThrowRefused(const ScriptedMessages& messages, size_t from);
