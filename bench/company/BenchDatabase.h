#pragma once

#include <QString>

class Connection;
class QTextStream;

// Opens the database a benchmark measures on and brings its schema to the
// current one. A database that already has employees is refused unless
// `empty` asks for its tables to be dropped first.
void OpenBenchDatabase(Connection& connection, const QString& url, bool empty, QTextStream& out);

// The most memory the process has held, in megabytes.
double PeakMegabytes();
