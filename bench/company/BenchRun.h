#pragma once

#include "CompanyGenerator.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>

class Connection;
class QTextStream;

// What the company benchmarks share: their options, the databases they run
// on, and a step measured with its time, statements and memory.

struct BenchOptions {
    CompanyPlan plan;
    bool empty = false;
    QStringList urls;
    // A program's own whole-number options ("vacation-lines" for
    // "--vacation-lines N"), with their defaults; each must be above 0.
    QMap<QString, int> numbers;
    // Pay slips and other prints need the GUI's fonts (never a screen).
    bool prints = false;
};

// The defaults of a benchmark on a company of this many employees.
inline BenchOptions CompanyOf(int employees) {
    BenchOptions options;
    options.plan.employees = employees;
    return options;
}

// Opens the database (see OpenBenchDatabase) and generates the plan's
// company in it, printing what it made and how long that took.
void OpenBenchCompany(Connection& connection, const QString& url, const BenchOptions& options, QTextStream& out);

// Runs a step and prints what it took; `body` returns the rows it made.
void MeasureStep(QTextStream& out, Connection& connection, const QString& title, const std::function<int()>& body);

// The program: parses "[--db URL] [--employees N] [--seed S] [--empty]" and
// the program's own numbers over `defaults` (usage on stderr and 2 when they
// are wrong), and runs `run` on each database named, or on SQLite in a
// temporary file and on the server that ZARADE_BENCH_MYSQL_URL names. 1
// after an error or a question nobody answered.
int RunCompanyBench(int argc, char* argv[], const QString& name, const BenchOptions& defaults,
                    const std::function<void(QTextStream& out, const QString& url, const BenchOptions& options)>& run);
