// bench_imports: a synthetic company of N employees with a year of posted
// history; its next month's time attendance (a record per employee and
// working day) is imported from CSV, then a new regular document is filled
// from it and applied, each step with its time and SQL statements.
// Usage: bench_imports [--db URL] [--employees N] [--seed S] [--empty]
// Without --db it runs on SQLite in a temporary file, and on the server that
// ZARADE_BENCH_MYSQL_URL names when it is set.

#include "AttendanceCsv.h"
#include "BenchDatabase.h"
#include "BenchRun.h"
#include "CompanyGenerator.h"
#include "MonthSteps.h"
#include "SalaryDM.h"
#include "SalaryImports.h"
#include "ScriptedMessages.h"
#include "db/Connection.h"
#include "db/DbError.h"

#include <QSqlQuery>
#include <QTextStream>

namespace {

// Eight regular hours on every working day of the month; every tenth
// employee has two days of vacation, every fifteenth two days of sick leave.
QByteArray monthAttendance(Connection& connection, const QDate& first) {
    QByteArray csv = "code;attendancedate;regularworkinghours;vacationhours;sickhours\n";
    QSqlQuery codes = connection.exec(QStringLiteral("SELECT code FROM employee WHERE active = 'y' ORDER BY code"));
    for (int n = 0; codes.next(); ++n) {
        const QByteArray code = codes.value(0).toString().toUtf8();
        int workday = 0;
        for (QDate day = first; day.month() == first.month(); day = day.addDays(1)) {
            if (day.dayOfWeek() > 5)
                continue;
            ++workday;
            const QByteArray date = day.toString(Qt::ISODate).toLatin1();
            if (n % 10 == 0 && workday <= 2)
                csv += code + ';' + date + ";;8;\n";
            else if (n % 15 == 0 && workday >= 3 && workday <= 4)
                csv += code + ';' + date + ";;;8\n";
            else
                csv += code + ';' + date + ";8;;\n";
        }
    }
    return csv;
}

void runMonth(QTextStream& out, const QString& url, const BenchOptions& options) {
    Connection connection;
    OpenBenchCompany(connection, url, options, out);
    const QDate first(options.plan.year, options.plan.month, 1);
    const QByteArray csv = monthAttendance(connection, first);
    MeasureStep(out, connection, QStringLiteral("evidencija prisustva iz CSV"), [&] {
        const AttendanceImportResult result = ImportAttendanceCsv(connection, csv, ImportMode::AllOrNothing);
        if (!result.ok())
            throw EDatabaseError(result.reportLines().join(QLatin1Char('\n')));
        return result.stored;
    });

    // Sick hours ask whether the leave starts this month: yes.
    ScriptedMessages messages(ScriptedMessages::AnswerPolicy::Yes);
    TSalaryDM dm;
    dm.ConnectForEditing(connection, messages);
    OpenMonthDocument(dm, first.year(), first.month());
    // The month's fund: eight hours a working day.
    int fund = 0;
    for (QDate day = first; day.month() == first.month(); day = day.addDays(1))
        fund += day.dayOfWeek() <= 5 ? 8 : 0;
    dm.SalaryZQ->edit();
    dm.SalaryZQ->fieldByName(QStringLiteral("workinghours"))->setAsInteger(fund);
    dm.SalaryApply();
    MeasureStep(out, connection, QStringLiteral("zarada iz evidencije prisustva, primenjena"), [&] {
        const int added = ImportAttendanceLines(dm);
        dm.SalaryApply();
        return added;
    });
    for (const auto& shown : messages.shown)
        if (shown.kind != MessageKind::Question)
            out << "  poruka: " << shown.text << "\n";
}

}  // namespace

int main(int argc, char* argv[]) { return RunCompanyBench(argc, argv, QStringLiteral("bench_imports"), CompanyOf(2000), runMonth); }
