#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>

class Connection;

// What the scale benchmarks share about their databases and clocks.

// Opens `url` for a benchmark: with `empty` its tables are dropped first
// (whatever points at what), else a database that already has employees is
// refused; then the schema is made current.
void OpenBenchDatabase(Connection& connection, const QString& url, bool empty);

// The databases to run on when none is given: a SQLite file in `dir`, and
// the server ZARADE_BENCH_MYSQL_URL names when it is set.
QStringList DefaultBenchUrls(const QString& dir, const QString& fileName);

// Runs the benchmark on each database in turn; the exit code: 1 (with the
// reason on `err`) when one fails.
int RunOnEach(const QStringList& urls, QTextStream& err, const std::function<void(const QString& url)>& run);

// The processor time of this process so far: on a shared machine the wall
// time also counts the waits for a core.
double CpuMilliseconds();
