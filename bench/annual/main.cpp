// bench_annual: the annual reports of a synthetic company of N employees
// whose year has twelve posted monthly documents (a line per employee each).
// Each report is built and written in its own transaction, with the time and
// the SQL statements it took; the statements must not grow with the lines.
// Usage: bench_annual [--db URL] [--employees N] [--seed S] [--empty]
// Without --db it runs on SQLite in a temporary file, and on the server that
// ZARADE_BENCH_MYSQL_URL names when it is set.

#include "BenchDatabase.h"
#include "CompanyGenerator.h"
#include "ReportM4.h"
#include "ReportPPP.h"
#include "ReportPPPPO.h"
#include "SalaryDM.h"
#include "ScriptedMessages.h"
#include "UnifiedCollection.h"
#include "db/Connection.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <functional>

namespace {

// Runs a step and prints what it took.
void measure(QTextStream& out, Connection& connection, const QString& title, const std::function<int()>& body) {
    const quint64 before = connection.statementCount();
    QElapsedTimer timer;
    timer.start();
    const int rows = body();
    const double milliseconds = double(timer.nsecsElapsed()) / 1e6;
    out << title << ": " << rows << " redova, " << QString::number(milliseconds, 'f', 0) << " ms; "
        << connection.statementCount() - before << " SQL naredbi; najviše memorije "
        << QString::number(PeakMegabytes(), 'f', 0) << " MB\n";
    out.flush();
}

void runYear(QTextStream& out, const QString& url, const BenchOptions& options) {
    Connection connection;
    OpenBenchDatabase(connection, url, options.empty, out);
    QElapsedTimer timer;
    timer.start();
    const CompanyFigures company = GenerateCompany(connection, options.plan);
    out << "preduzeće: " << company.employees << " zaposlenih, " << company.historyDocuments
        << " proknjiženih obračuna sa " << company.historyLines << " stavki (" << timer.elapsed() << " ms)\n";

    ScriptedMessages messages;
    TSalaryDM dm;
    dm.ConnectForEditing(connection, messages);
    // The year of the history: the twelve months before the plan's month.
    const QDate first = QDate(options.plan.year, options.plan.month, 1).addMonths(-options.plan.historyMonths);
    const int year = first.year();

    // PPP-PD of each month the documents were paid in (the month after the
    // one they are for): PPP-PO is built from these rows.
    measure(out, connection, QStringLiteral("PPP-PD za 12 meseci isplate"), [&] {
        int rows = 0;
        for (int m = 0; m < options.plan.historyMonths; ++m) {
            const QDate paid = first.addMonths(m + 1);
            rows += BuildUnifiedCollection(dm, {0, paid.year(), paid.month()});
        }
        return rows;
    });
    measure(out, connection, QStringLiteral("PPP za %1").arg(year), [&] { return BuildReportPPP(dm, year); });
    measure(out, connection, QStringLiteral("PPP-PO za %1").arg(year), [&] { return BuildReportPPPPO(dm, year); });
    measure(out, connection, QStringLiteral("M4 za %1").arg(year), [&] { return BuildReportM4(dm, year); });
    QTemporaryDir files;
    measure(out, connection, QStringLiteral("M4 datoteka"), [&] {
        OpenReportM4(dm, year);
        return ExportReportM4(connection, *dm.SalaryReportM4ZQ, TM4Export{QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"), {}, {}},
                              files.filePath(QStringLiteral("m4.txt")));
    });
    for (const auto& shown : messages.shown)
        out << "  poruka: " << shown.text << "\n";
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    return RunCompanyBench(QStringLiteral("bench_annual [--db URL] [--employees N] [--seed S] [--empty]"),
                           QStringLiteral("annual.db"), nullptr, runYear);
}
