#include "CliDemo.h"

#include "CliSession.h"
#include "CompanyInfo.h"
#include "DBIniFile.h"
#include "DatabaseSchema.h"
#include "DemoCompany.h"
#include "DemoHistory.h"
#include "DemoRecapitulation.h"
#include "RegularMonth.h"
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
    // The company and its history go in together or not at all.
    Transaction transaction(*connection);
    const DemoCompanySummary summary = SeedDemoCompany(*connection);
    const DemoHistoryResult history = SeedDemoHistory(*connection, QDate::currentDate());
    transaction.commit();
    context.out << "Demo preduzeće \"" << summary.company << "\" je upisano u bazu "
                << connection->url().displayText() << ":\n"
                << "  organizacionih jedinica: " << summary.organizationUnits << "\n"
                << "  zaposlenih: " << summary.employees << "\n"
                << "  zona prevoza: " << summary.transportZones << "\n"
                << "  stavki važećih stopa: " << summary.rateItems << "\n"
                << "  zaposlenih sa obustavama: " << summary.deductionSets << "\n"
                << "  proknjiženih obračuna zarada: " << history.documents << " ("
                << history.first.toString(QStringLiteral("MM/yyyy")) << " - "
                << history.last.toString(QStringLiteral("MM/yyyy")) << ", stavki: " << history.lines << ")\n";
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
    TSalaryDM& dm = session.dm();
    const TRegularMonth month = NextRegularMonth(dm, QDate::currentDate());
    PrintCompany(connection, context.out);
    PrintEmployees(connection, context.out);
    PrintRates(connection, context.out);
    PrintOptions(dm.Options, context.out);
    const QString period = QString::number(month.month).rightJustified(2, QLatin1Char('0')) + QLatin1Char('/')
        + QString::number(month.year);
    // The month stays open for the accountant: a second run shows it again
    // instead of paying the month twice.
    if (const qint64 open = OpenRegularDocument(dm, month)) {
        session.OpenDocument(open);
        context.out << "Zarada " << open << " za " << period << " je već obračunata i nije proknjižena.\n";
    } else {
        const qint64 salaryid = CreateRegularMonth(dm, session.messages(), month);
        context.out << "Zarada " << salaryid << " za " << period << " (isplata "
                    << month.paymentDate.toString(QStringLiteral("dd.MM.yyyy")) << ", fond "
                    << MonthWorkingHours(month.year, month.month) << " sati) je obračunata i sačuvana.\n";
    }
    context.out << "Rekapitulacija:\n";
    PrintRecapitulation(dm, context.out);
    return 0;
}
