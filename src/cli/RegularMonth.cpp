#include "RegularMonth.h"

#include "CliSession.h"
#include "SalaryDM.h"
#include "ScriptedMessages.h"
#include "db/Connection.h"
#include "db/DbError.h"

#include <QSqlQuery>

namespace {

void assign(TDataSet& dataSet, const QString& column, const QVariant& value) {
    dataSet.edit();
    dataSet.fieldByName(column)->setValue(value);
}

}  // namespace

int MonthWorkingHours(int year, int month) {
    const QDate first(year, month, 1);
    int weekdays = 0;
    for (QDate day = first; day.month() == month; day = day.addDays(1))
        if (day.dayOfWeek() <= 5)
            ++weekdays;
    return weekdays * 8;
}

TRegularMonth NextRegularMonth(TSalaryDM& dm, const QDate& today) {
    QSqlQuery latest = dm.ZConnection()->exec(QStringLiteral(
        "SELECT year, month FROM salary WHERE salarytype = 'Z' AND status = 'p' ORDER BY year DESC, month DESC LIMIT 1"));
    QDate month = QDate(today.year(), today.month(), 1).addMonths(-1);
    if (latest.next())
        month = QDate(latest.value(0).toInt(), latest.value(1).toInt(), 1).addMonths(1);
    // Paid on the tenth of the following month.
    return {month.year(), month.month(), month.addMonths(1).addDays(9), {}};
}

qint64 OpenRegularDocument(TSalaryDM& dm, const TRegularMonth& month) {
    const QVariant id = dm.ZConnection()->scalar(
        QStringLiteral("SELECT MIN(salaryid) FROM salary WHERE salarytype = 'Z' AND status = 'n' AND year = ? AND month = ?"),
        {month.year, month.month});
    if (id.isNull() || !id.isValid())
        return 0;
    return id.toLongLong();
}

qint64 CreateRegularMonth(TSalaryDM& dm, ScriptedMessages& messages, const TRegularMonth& month) {
    const size_t shownBefore = messages.shown.size();
    // Refusals reach the user through the message interface; a run without
    // a window turns them into an error that stops it.
    const auto stopWhenRefused = [&] {
        if (!messages.refusals(shownBefore).isEmpty())
            ThrowRefused(messages, shownBefore);
    };
    try {
        TSqlQuery& salary = *dm.SalaryZQ;
        salary.close();
        salary.setSQL(QStringLiteral("SELECT DISTINCT s.* FROM salary AS s WHERE s.salaryid = -1"));
        dm.SalaryAddDocument(QStringLiteral("Z"));
        if (!dm.SalaryTaxItemsOpen())
            stopWhenRefused();
        // The period and its number as the editor gives them to a document made
        // in the month after.
        dm.SetNewSalaryPeriod(QDate(month.year, month.month, 1).addMonths(1));
        assign(salary, QStringLiteral("paymentdate"), month.paymentDate);
        assign(salary, QStringLiteral("accountingdate"), month.paymentDate);
        assign(salary, QStringLiteral("workinghours"), MonthWorkingHours(month.year, month.month));
        CliSession::Assign(salary, month.header);
        dm.SalaryItemsOpen();
        dm.SalaryApply();
        stopWhenRefused();
        dm.AddAllActiveEmployees();
        dm.SalaryApply();
        stopWhenRefused();
        return salary.fieldByName(QStringLiteral("salaryid"))->asLargeInt();
    } catch (const EAbort&) {
        ThrowRefused(messages, shownBefore);
    }
}

void ThrowRefused(const ScriptedMessages& messages, size_t from) {
    const QString refused = messages.refusals(from);
    throw EDatabaseError(refused.isEmpty() ? QStringLiteral("Obračun je prekinut.") : refused);
}
