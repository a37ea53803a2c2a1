#pragma once

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

// The databases to run on when none is given: a SQLite file in `dir`, and
// the server ZARADE_BENCH_MYSQL_URL names when it is set.
QStringList DefaultBenchUrls(const QString& dir, const QString& fileName);

// Runs the benchmark on each database in turn; the exit code: 1 (with the
// reason on `err`) when one fails.
int RunOnEach(const QStringList& urls, QTextStream& err, const std::function<void(const QString& url)>& run);

// The processor time of this process so far: on a shared machine the wall
// time also counts the waits for a core.
double CpuMilliseconds();
