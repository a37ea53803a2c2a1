// bench_returns: the returns of a posted month of a synthetic company of N
// employees: the PPP-PD rows built and the declaration written, the
// treasury's split loaded and written, the register of employees built and
// written; each step's time and statements.
// Usage: bench_returns [--db URL] [--employees N] [--seed S] [--empty]
// Without --db it runs on SQLite in a temporary file, and on the server that
// ZARADE_BENCH_MYSQL_URL names when it is set. --empty drops the tables of a
// database that already has data first.

#include "BenchRun.h"
#include "CompanyGenerator.h"
#include "CompanyInfo.h"
#include "DBIniFile.h"
#include "MonthSteps.h"
#include "RegisterEmployee.h"
#include "SalaryDM.h"
#include "ScriptedMessages.h"
#include "StatementFile.h"
#include "TreasuryExport.h"
#include "UnifiedCollection.h"
#include "UnifiedCollectionExport.h"
#include "db/Connection.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <time.h>

#include <functional>

namespace {

QString number(double value, int decimals) { return QString::number(value, 'f', decimals); }

// On a shared machine the wall time also counts the waits for a core.
double cpuMilliseconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

void measure(QTextStream& out, Connection& connection, const QString& title, const std::function<int()>& body) {
    const quint64 before = connection.statementCount();
    const double cpuBefore = cpuMilliseconds();
    QElapsedTimer timer;
    timer.start();
    const int rows = body();
    const double milliseconds = double(timer.nsecsElapsed()) / 1e6;
    out << title << ": " << rows << " redova, " << number(milliseconds, 0) << " ms (procesor "
        << number(cpuMilliseconds() - cpuBefore, 0) << " ms), " << connection.statementCount() - before
        << " SQL naredbi\n";
    out.flush();
}

qint64 fileSize(const QString& path) { return QFileInfo(path).size(); }

void runReturns(QTextStream& out, const QString& url, const BenchOptions& options) {
    Connection connection;
    OpenBenchCompany(connection, url, options, out);
    TDBIniFile store(connection);
    TCompanyInfo info = ReadCompanyInfo(store);
    info.Name = QStringLiteral("Javor & Šišmiš d.o.o.");
    info.Code = QStringLiteral("108452716");
    info.UniqueNumber = QStringLiteral("12345");
    info.FunctionalClass = QStringLiteral("912");
    WriteCompanyInfo(store, info);

    ScriptedMessages messages;
    TSalaryDM dm;
    dm.ConnectForEditing(connection, messages);
    OpenMonthDocument(dm, options.plan.year, options.plan.month);
    const int lines = AddAllEmployeesAndApply(dm);
    PostDocument(dm);
    out << "proknjižen mesec sa " << lines << " stavki\n";

    // The document of month M is paid in month M + 1: the PPP-PD and the
    // register go by the payment, the treasury by the month the pay is for.
    const QDate paid = QDate(options.plan.year, options.plan.month, 1).addMonths(1);
    const TUnifiedCollectionSelection selection{0, paid.year(), paid.month()};
    QTemporaryDir dir;
    const QString pppd = dir.filePath(QStringLiteral("ppp-pd.xml"));
    measure(out, connection, QStringLiteral("PPP-PD: redovi"), [&] { return BuildUnifiedCollection(dm, selection); });
    measure(out, connection, QStringLiteral("PPP-PD: XML"), [&] {
        const TUnifiedCollectionHeader header = ReadUnifiedCollectionHeader(dm, selection);
        OpenReportUnifiedCollection(dm, selection);
        WriteStatementFile(pppd, GetReportUnifiedCollection(dm, info, header, {}).toUtf8());
        return dm.SalaryReportUnifiedCollectionZQ->recordCount();
    });
    out << "   " << fileSize(pppd) << " bajtova\n";

    const QString treasury = dir.filePath(QStringLiteral("trezor.xml"));
    measure(out, connection, QStringLiteral("Trezor - MZ: učitavanje"),
            [&] { return LoadExportTreasury(dm, options.plan.year, options.plan.month); });
    measure(out, connection, QStringLiteral("Trezor - MZ: XML"),
            [&] { return WriteExportTreasury(dm, options.plan.year, options.plan.month, treasury); });
    out << "   " << fileSize(treasury) << " bajtova\n";

    const QString reg = dir.filePath(QStringLiteral("registar.xml"));
    measure(out, connection, QStringLiteral("Registar zaposlenih: dodavanje"),
            [&] { return BuildReportRegisterEmployee(connection, paid.year(), paid.month()); });
    measure(out, connection, QStringLiteral("Registar zaposlenih: XML"), [&] {
        OpenReportRegisterEmployee(dm, paid.year(), paid.month());
        return WriteReportRegisterEmployee(dm, paid.year(), paid.month(), reg);
    });
    out << "   " << fileSize(reg) << " bajtova\n";
}

}  // namespace

int main(int argc, char* argv[]) {
    return RunCompanyBench(argc, argv, QStringLiteral("bench_returns"), CompanyOf(10000), runReturns);
}
