// bench_leave: vacation hours typed on every line of a document whose
// employees each have 12 posted months of history; time and SQL statements
// per line, with each line reading its own history and with the history of
// all employees preloaded. Usage: bench_leave [--db URL] [--employees N]

#include "AverageEarnings.h"
#include "CompanyGenerator.h"
#include "DatabaseSchema.h"
#include "ScriptedMessages.h"
#include "db/Connection.h"
#include "db/DbError.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

constexpr int VacationHours = 16;

struct Figures {
    int lines = 0;
    double milliseconds = 0;
    quint64 statements = 0;
    double firstAmount = 0;
};

// A regular document for January 2025 with every active employee, each
// line leaving room for the vacation hours.
void openDocument(TSalaryDM& dm) {
    dm.SalaryZQ->setSQL(QStringLiteral("SELECT DISTINCT s.* FROM salary AS s WHERE s.salaryid = -1"));
    dm.SalaryAddDocument(QStringLiteral("Z"));
    if (!dm.SalaryTaxItemsOpen())
        throw EDatabaseError(QStringLiteral("Nema stopa poreza i doprinosa."));
    TDataSet& header = *dm.SalaryZQ;
    header.fieldByName(QStringLiteral("year"))->setAsInteger(2025);
    header.fieldByName(QStringLiteral("month"))->setAsInteger(1);
    header.fieldByName(QStringLiteral("salarynumber"))->setAsInteger(1);
    header.fieldByName(QStringLiteral("paymentdate"))->setValue(QDate(2025, 2, 10));
    header.fieldByName(QStringLiteral("accountingdate"))->setValue(QDate(2025, 2, 10));
    dm.SalaryItemsOpen();
    dm.SalaryApply();
    dm.UpdateCalculatedMinNetSalaryGross();
    dm.AddAllActiveEmployees();
    TDataSet& lines = *dm.SalaryItemZQ;
    TField* hours = lines.fieldByName(QStringLiteral("workinghours"));
    const double fund = header.fieldByName(QStringLiteral("workinghours"))->asFloat();
    for (lines.first(); !lines.eof(); lines.next()) {
        lines.edit();
        hours->setAsFloat(fund - VacationHours);
    }
    dm.SalaryApply();
}

// Types the vacation hours on every line as the editor's grid does.
Figures typeVacation(TSalaryDM& dm, bool preload) {
    Connection& connection = *dm.ZConnection();
    TDataSet& lines = *dm.SalaryItemZQ;
    TField* hours = lines.fieldByName(QStringLiteral("vacationhours"));
    Figures f;
    const quint64 before = connection.statementCount();
    QElapsedTimer timer;
    timer.start();
    {
        std::unique_ptr<LeaveHistoryPreload> history;
        if (preload)
            history = std::make_unique<LeaveHistoryPreload>(dm);
        for (lines.first(); !lines.eof(); lines.next()) {
            lines.edit();
            hours->setAsInteger(VacationHours);
            ++f.lines;
        }
        lines.first();
    }
    f.milliseconds = double(timer.nsecsElapsed()) / 1e6;
    f.statements = connection.statementCount() - before;
    f.firstAmount = lines.fieldByName(QStringLiteral("vacationvalue"))->asFloat();
    return f;
}

void print(QTextStream& out, const char* title, const Figures& f) {
    out << title << ": " << f.lines << " stavki, " << QString::number(f.milliseconds, 'f', 1) << " ms ("
        << QString::number(f.milliseconds * 1000 / f.lines, 'f', 1) << " µs po stavci), " << f.statements
        << " SQL naredbi (" << QString::number(double(f.statements) / f.lines, 'f', 3)
        << " po stavci); naknada prve stavke " << QString::number(f.firstAmount, 'f', 2) << "\n";
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout), err(stderr);
    const QStringList args = QCoreApplication::arguments();
    CompanyPlan plan;
    plan.employees = 1000;
    QString url;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--db"))
            url = args[i + 1];
        else if (args[i] == QLatin1String("--employees"))
            plan.employees = args[i + 1].toInt();
    }
    QTemporaryDir dir;
    if (url.isEmpty())
        url = QStringLiteral("sqlite:") + dir.filePath(QStringLiteral("leave.db"));
    try {
        Connection connection;
        connection.open(*DbUrl::parse(url));
        PrepareDatabase(connection);
        const CompanyFigures company = GenerateCompany(connection, plan);
        out << "preduzeće: " << company.employees << " zaposlenih, " << company.historyDocuments
            << " proknjiženih obračuna sa " << company.historyLines << " stavki\n";

        ScriptedMessages messages;
        TSalaryDM dm;
        dm.ConnectForEditing(connection, messages);
        openDocument(dm);

        print(out, "svaka stavka čita svoju istoriju", typeVacation(dm, false));
        dm.SalaryCancel();
        const Figures preloaded = typeVacation(dm, true);
        print(out, "istorija svih zaposlenih učitana odjednom", preloaded);
        QElapsedTimer timer;
        timer.start();
        const quint64 before = connection.statementCount();
        dm.SalaryApply();
        out << "upis stavki: " << timer.elapsed() << " ms, " << connection.statementCount() - before
            << " SQL naredbi\n";
        return 0;
    } catch (const EDatabaseError& e) {
        err << "Greška: " << e.message() << "\n";
        return 1;
    }
}
