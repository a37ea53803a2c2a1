// bench_company: writes a synthetic company into a database, for the scale
// benchmarks. Usage: bench_company --db URL [--employees N] [--seed S]

#include "CompanyGenerator.h"
#include "DatabaseSchema.h"
#include "db/Connection.h"
#include "db/DbError.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout), err(stderr);
    const QStringList args = QCoreApplication::arguments();
    CompanyPlan plan;
    QString url;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--db"))
            url = args[i + 1];
        else if (args[i] == QLatin1String("--employees"))
            plan.employees = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--seed"))
            plan.seed = args[i + 1].toULongLong();
    }
    if (url.isEmpty() || plan.employees <= 0) {
        err << "Upotreba: bench_company --db URL [--employees N] [--seed S]\n";
        return 2;
    }
    try {
        Connection connection;
        connection.open(*DbUrl::parse(url));
        PrepareDatabase(connection);
        QElapsedTimer timer;
        timer.start();
        const CompanyFigures f = GenerateCompany(connection, plan);
        out << "zaposleni: " << f.employees << ", setovi obustava: " << f.deductionSets
            << ", istorija: " << f.historyDocuments << " obračuna sa " << f.historyLines << " stavki, "
            << f.statements << " SQL naredbi, " << timer.elapsed() << " ms\n";
        return 0;
    } catch (const EDatabaseError& e) {
        err << "Greška: " << e.message() << "\n";
        return 1;
    }
}
