#include "CliDemo.h"

#include "CliSession.h"
#include "CompanyInfo.h"
#include "DBIniFile.h"
#include "DatabaseSchema.h"
#include "DemoCompany.h"
#include "db/Connection.h"

#include <QDate>
#include <QMap>
#include <QSqlQuery>

namespace {

// The pay basis the calculation takes for an employee row, by the order in
// which it tests them.
QString PayBasis(const QSqlQuery& row) {
    const double gross = row.value(QStringLiteral("arrangedsalaryvalue")).toDouble();
    const double net = row.value(QStringLiteral("arrangedpaymentvalue")).toDouble();
    const double points = row.value(QStringLiteral("coefficient")).toDouble();
    const double netPoints = row.value(QStringLiteral("netcoefficient")).toDouble();
    if (row.value(QStringLiteral("minsalary")).toString() == QLatin1String("y")
        || (gross <= 0 && net <= 0 && points <= 1 && netPoints <= 1))
        return QStringLiteral("minimalna zarada");
    if (gross > 0)
        return QStringLiteral("ugovoreni bruto");
    if (net > 0)
        return QStringLiteral("ugovoreni neto");
    if (points > 1)
        return QStringLiteral("koeficijent");
    return QStringLiteral("neto koeficijent");
}

void PrintCompany(Connection& connection, QTextStream& out) {
    const TCompanyInfo company = ReadCompanyInfo(TDBIniFile(connection));
    out << "Preduzeće: " << company.Name << ", " << company.Address << ", " << company.City << " (PIB "
        << company.Code << ", MB " << company.Number << ", račun " << company.BankAccount << ")\n";
}

void PrintEmployees(Connection& connection, QTextStream& out) {
    QSqlQuery rows = connection.exec(QStringLiteral(
        "SELECT minsalary, arrangedsalaryvalue, arrangedpaymentvalue, coefficient, netcoefficient, workingstateid "
        "FROM employee WHERE active = 'y'"));
    QMap<QString, int> byBasis;
    int all = 0;
    int onPayroll = 0;
    while (rows.next()) {
        ++all;
        ++byBasis[PayBasis(rows)];
        const int state = rows.value(QStringLiteral("workingstateid")).toInt();
        if (state != 7 && state != 8 && state != 15)
            ++onPayroll;
    }
    out << "Aktivnih zaposlenih: " << all << " (u redovnom obračunu: " << onPayroll << ")\n";
    for (auto it = byBasis.cbegin(); it != byBasis.cend(); ++it)
        out << "  " << it.key() << ": " << it.value() << "\n";
}

void PrintRates(Connection& connection, QTextStream& out) {
    QSqlQuery items = connection.exec(QStringLiteral(
        "SELECT sti.taxname, sti.taxpercent, sti.taxfreevalue, sti.taxstatus, sti.chamber, sti.taxbankaccount "
        "FROM salarytaxitem AS sti INNER JOIN salarytax AS st ON st.salarytaxid = sti.salarytaxid "
        "WHERE st.defaulttax = 'y' ORDER BY sti.taxpercent DESC, sti.salarytaxitemid"));
    out << "Važeće stope poreza i doprinosa:\n";
    bool any = false;
    while (items.next()) {
        any = true;
        out << "  " << items.value(0).toString() << ": " << QString::number(items.value(1).toDouble(), 'f', 2)
            << " %" << (items.value(3).toString() == QLatin1String("s") ? " zaposleni" : " poslodavac");
        if (items.value(2).toDouble() > 0)
            out << ", neoporezivo " << QString::number(items.value(2).toDouble(), 'f', 2);
        if (items.value(4).toString() == QLatin1String("y"))
            out << ", komora";
        out << ", račun " << items.value(5).toString() << "\n";
    }
    if (!any)
        out << "  (nema važećeg skupa stopa)\n";
}

void PrintOptions(const TSalaryOptions& options, QTextStream& out) {
    out << "Opcije modula zarada:\n";
    for (const OptionValue& option : DescribeSalaryOptions(options))
        out << "  " << option.key << "=" << option.text << "\n";
}

}  // namespace

int CommandDemo(CliContext& context) {
    auto connection = OpenDatabase(context);
    PrepareDatabase(*connection);
    if (const QString refusal = DemoCompanyRefusal(*connection); !refusal.isEmpty()) {
        context.err << "Greška: " << refusal << "\n";
        return 1;
    }
    const DemoCompanySummary summary = SeedDemoCompany(*connection);
    context.out << "Demo preduzeće \"" << summary.company << "\" je upisano u bazu "
                << connection->url().displayText() << ":\n"
                << "  organizacionih jedinica: " << summary.organizationUnits << "\n"
                << "  zaposlenih: " << summary.employees << "\n"
                << "  zona prevoza: " << summary.transportZones << "\n"
                << "  stavki važećih stopa: " << summary.rateItems << "\n"
                << "  zaposlenih sa obustavama: " << summary.deductionSets << "\n";
    const DemoHistoryResult history = SeedDemoHistory(*connection);
    context.out << (history.seeded ? "Obračuni prethodnih 12 meseci: " : "Obračuni prethodnih 12 meseci nisu upisani: ")
                << history.message << "\n";
    return 0;
}

int CommandDemoMonth(CliContext& context) {
    CliSession session(context);
    Connection& connection = session.connection();
    if (connection.scalar(QStringLiteral("SELECT COUNT(*) FROM employee")).toInt() == 0) {
        context.err << "Greška: baza nema zaposlenih; demo preduzeće upisuje: zarade-cli --db "
                    << connection.url().displayText() << " demo\n";
        return 1;
    }
    const QDate month = QDate::currentDate().addMonths(-1);
    context.out << "Obračun zarade za " << month.toString(QStringLiteral("MM/yyyy")) << " (bez prozora)\n";
    PrintCompany(connection, context.out);
    PrintEmployees(connection, context.out);
    PrintRates(connection, context.out);
    PrintOptions(session.dm().Options, context.out);
    context.out << "Obračun meseca još nije dostupan: ova verzija programa još ne pravi i ne računa "
                   "zaradu, pa ni rekapitulaciju.\n";
    return 0;
}
