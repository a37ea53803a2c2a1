#include "DemoHistory.h"

#include "RegularMonth.h"
#include "SalaryDM.h"
#include "ScriptedMessages.h"
#include "db/Connection.h"
#include "db/DbError.h"

namespace {

// The statutory amounts of 2025 in force over the demo's history: the
// minimum and maximum contribution bases and the minimum net hourly wage.
const QStringList FirstMonthHeader = {
    QStringLiteral("baudvalue=4000"),
    QStringLiteral("minsalaryvalue=45950"),
    QStringLiteral("maxsalaryvalue=656425"),
    QStringLiteral("minnetsalaryprice=337"),
    QStringLiteral("workingyearsincrementpercent=0.4"),
    QStringLiteral("mealrefund=0"),
    QStringLiteral("vacationrefund=0"),
};

// Every fifth employee works a night shift a week (32 of the month's hours).
void ScheduleNightShifts(TSalaryDM& dm) {
    TSqlQuery& lines = *dm.SalaryItemZQ;
    int row = 0;
    for (lines.first(); !lines.eof(); lines.next(), ++row) {
        if (row % 5 != 4)
            continue;
        const double hours = lines.fieldByName(QStringLiteral("workinghours"))->asFloat();
        if (hours < 32)
            continue;
        lines.edit();
        lines.fieldByName(QStringLiteral("workinghours"))->setAsFloat(hours - 32);
        lines.fieldByName(QStringLiteral("nightworkinghours"))->setAsInteger(32);
        lines.post();
    }
}

}  // namespace

DemoHistoryResult SeedDemoHistory(Connection& connection, const QDate& today) {
    // Questions (none are expected for regular work) are declined.
    ScriptedMessages messages(ScriptedMessages::AnswerPolicy::No);
    TSalaryDM dm;
    dm.ConnectForEditing(connection, messages);

    DemoHistoryResult result;
    const QDate demoMonth = QDate(today.year(), today.month(), 1).addMonths(-1);
    Transaction transaction(connection);
    try {
        for (int back = 12; back >= 1; --back) {
            const QDate month = demoMonth.addMonths(-back);
            TRegularMonth plan{month.year(), month.month(), month.addMonths(1).addDays(9),
                               back == 12 ? FirstMonthHeader : QStringList()};
            CreateRegularMonth(dm, messages, plan);
            ScheduleNightShifts(dm);
            dm.SalaryApply();
            dm.RegisterSalary(true);
            ++result.documents;
            result.lines += dm.SalaryItemZQ->recordCount();
            if (!result.first.isValid())
                result.first = month;
            result.last = month;
        }
    } catch (const EAbort&) {
        ThrowRefused(messages, 0);
    }
    transaction.commit();
    return result;
}
