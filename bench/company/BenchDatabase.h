#pragma once

#include "CompanyGenerator.h"

#include <QString>
#include <QStringList>

#include <functional>

class Connection;
class QTextStream;

// Opens the database a benchmark measures on and brings its schema to the
// current one. A database that already has employees is refused unless
// `empty` asks for its tables to be dropped first.
void OpenBenchDatabase(Connection& connection, const QString& url, bool empty, QTextStream& out);

// The most memory the process has held, in megabytes.
double PeakMegabytes();

// The processor time of this process so far: on a shared machine the wall
// time also counts the waits for a core.
double CpuMilliseconds();

// What the company benchmarks take: --db URL (again for more), --employees N,
// --seed S, --empty.
struct BenchOptions {
    CompanyPlan plan;
    bool empty = false;
    QStringList urls;
};

// The whole of a company benchmark's main (its Qt application made): reads
// the options (`extra` takes a benchmark's own "--name value" and says
// whether it was one; `usage` is printed otherwise), and runs `run` on each
// database given, or on a SQLite file named `dbFile` in a temporary folder
// and the server ZARADE_BENCH_MYSQL_URL names. The exit code.
int RunCompanyBench(const QString& usage, const QString& dbFile,
                    const std::function<bool(const QString& name, const QString& value)>& extra,
                    const std::function<void(QTextStream& out, const QString& url, const BenchOptions& options)>& run);
