#include "BenchDatabase.h"

#include "DatabaseSchema.h"
#include "ScriptedMessages.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/DbUrl.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QSqlDatabase>
#include <QStringList>
#include <QTextStream>

#include <optional>

#include <sys/resource.h>
#include <time.h>

namespace {

std::optional<BenchOptions> parse(const QStringList& args,
                                  const std::function<bool(const QString& name, const QString& value)>& extra) {
    BenchOptions options;
    for (int i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--empty")) {
            options.empty = true;
            continue;
        }
        if (i + 1 >= args.size())
            return std::nullopt;
        const QString value = args[++i];
        if (arg == QLatin1String("--db"))
            options.urls << value;
        else if (arg == QLatin1String("--employees"))
            options.plan.employees = value.toInt();
        else if (arg == QLatin1String("--seed"))
            options.plan.seed = value.toULongLong();
        else if (!extra || !extra(arg, value))
            return std::nullopt;
    }
    if (options.plan.employees <= 0)
        return std::nullopt;
    return options;
}

void dropTables(Connection& connection) {
    // The tables go whatever points at what.
    const bool mysql = connection.dialect() == SqlDialect::MySQL;
    connection.execDirect(mysql ? QStringLiteral("SET FOREIGN_KEY_CHECKS = 0") : QStringLiteral("PRAGMA foreign_keys=OFF"));
    for (const QString& table : connection.database().tables())
        connection.execDirect(QStringLiteral("DROP TABLE %1").arg(table));
    connection.execDirect(mysql ? QStringLiteral("SET FOREIGN_KEY_CHECKS = 1") : QStringLiteral("PRAGMA foreign_keys=ON"));
}

}  // namespace

void OpenBenchDatabase(Connection& connection, const QString& url, bool empty, QTextStream& out) {
    const std::optional<DbUrl> parsed = DbUrl::parse(url);
    if (!parsed)
        throw EDatabaseError(QStringLiteral("Neispravna adresa baze: %1").arg(url));
    connection.open(*parsed);
    out << "baza: " << connection.url().displayText() << "\n";
    if (empty)
        dropTables(connection);
    else if (connection.tableExists(QStringLiteral("employee"))
             && connection.scalar(QStringLiteral("SELECT COUNT(*) FROM employee")).toInt() > 0)
        throw EDatabaseError(QStringLiteral("Baza već ima zaposlene; --empty briše njene tabele pre merenja."));
    PrepareDatabase(connection);
}

double PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024;  // kilobytes on Linux
}



double CpuMilliseconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

int RunCompanyBench(const QString& usage, const QString& dbFile,
                    const std::function<bool(const QString& name, const QString& value)>& extra,
                    const std::function<void(QTextStream& out, const QString& url, const BenchOptions& options)>& run) {
    QTextStream out(stdout), err(stderr);
    std::optional<BenchOptions> options = parse(QCoreApplication::arguments(), extra);
    if (!options) {
        err << "Upotreba: " << usage << "\n";
        return 2;
    }
    QTemporaryDir dir;
    if (options->urls.isEmpty()) {
        options->urls << QStringLiteral("sqlite:") + dir.filePath(dbFile);
        if (const QString server = qEnvironmentVariable("ZARADE_BENCH_MYSQL_URL"); !server.isEmpty())
            options->urls << server;
    }
    try {
        for (const QString& url : options->urls)
            run(out, url, *options);
        return 0;
    } catch (const EDatabaseError& e) {
        err << "Greška: " << e.message() << "\n";
        return 1;
    } catch (const UnansweredQuestion& e) {
        err << "Pitanje bez odgovora: " << e.question() << "\n";
        return 1;
    }
}
