#include "BenchDatabase.h"

#include "DatabaseSchema.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/DbUrl.h"

#include <QSqlDatabase>
#include <QStringList>
#include <QTextStream>

#include <sys/resource.h>

namespace {

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
