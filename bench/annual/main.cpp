// bench_annual: the annual reports of a synthetic company of N employees
// whose year has twelve posted monthly documents (a line per employee each).
// Each report is built and written in its own transaction, with the time and
// the SQL statements it took; the statements must not grow with the lines.
// Usage: bench_annual [--db URL] [--employees N] [--seed S] [--empty]
// Without --db it runs on SQLite in a temporary file, and on the server that
// ZARADE_BENCH_MYSQL_URL names when it is set.

#include "BenchDatabase.h"
#include "BenchRun.h"
#include "CompanyGenerator.h"
#include "ReportM4.h"
#include "ReportPPP.h"
#include "ReportPPPPO.h"
#include "SalaryDM.h"
#include "ScriptedMessages.h"
#include "UnifiedCollection.h"
#include "db/Connection.h"
#include "db/DbError.h"

#include <QTemporaryDir>
#include <QTextStream>


namespace {

void runYear(QTextStream& out, const QString& url, const BenchOptions& options) {
    Connection connection;
    OpenBenchCompany(connection, url, options, out);

    ScriptedMessages messages;
    TSalaryDM dm;
    dm.ConnectForEditing(connection, messages);
    // The year of the history: the twelve months before the plan's month.
    const QDate first = QDate(options.plan.year, options.plan.month, 1).addMonths(-options.plan.historyMonths);
    const int year = first.year();

    // PPP-PD of each month the documents were paid in (the month after the
    // one they are for): PPP-PO is built from these rows.
    MeasureStep(out, connection, QStringLiteral("PPP-PD za 12 meseci isplate"), [&] {
        int rows = 0;
        for (int m = 0; m < options.plan.historyMonths; ++m) {
            const QDate paid = first.addMonths(m + 1);
            rows += BuildUnifiedCollection(dm, {0, paid.year(), paid.month()});
        }
        return rows;
    });
    MeasureStep(out, connection, QStringLiteral("PPP za %1").arg(year), [&] { return BuildReportPPP(dm, year); });
    MeasureStep(out, connection, QStringLiteral("PPP-PO za %1").arg(year), [&] { return BuildReportPPPPO(dm, year); });
    MeasureStep(out, connection, QStringLiteral("M4 za %1").arg(year), [&] { return BuildReportM4(dm, year); });
    QTemporaryDir files;
    MeasureStep(out, connection, QStringLiteral("M4 datoteka"), [&] {
        OpenReportM4(dm, year);
        return ExportReportM4(connection, *dm.SalaryReportM4ZQ, TM4Export{QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"), {}, {}},
                              files.filePath(QStringLiteral("m4.txt")));
    });
    for (const auto& shown : messages.shown)
        out << "  poruka: " << shown.text << "\n";
}

}  // namespace

int main(int argc, char* argv[]) { return RunCompanyBench(argc, argv, QStringLiteral("bench_annual"), CompanyOf(10000), runYear); }
