#include "CompanyGenerator.h"

#include "db/Connection.h"
#include "db/DbError.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <cmath>
#include <random>

namespace {

const char* const FirstNames[] = {"Marko", "Jelena", "Nikola", "Milica", "Stefan", "Ana", "Đorđe", "Ivana",
                                  "Miloš", "Jovana", "Luka", "Tamara", "Dušan", "Snežana", "Žarko", "Čedomir"};
const char* const LastNames[] = {"Jovanović", "Petrović", "Nikolić", "Marković", "Đorđević", "Stojanović",
                                 "Ilić", "Stanković", "Pavlović", "Milošević", "Todorović", "Šarić", "Čolić",
                                 "Živković", "Ćirić", "Lazić"};
const char* const Municipalities[][2] = {{"Beograd - Novi Beograd", "70181"}, {"Novi Sad", "80438"},
                                         {"Niš - Medijana", "71269"}, {"Kragujevac", "60100"}, {"Subotica", "80470"}};

// Prepared once, executed for every row: the way a bulk load should be.
class Inserter {
public:
    Inserter(Connection& connection, const QString& table, const QStringList& columns)
        : connection_(connection), query_(connection.database()) {
        const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                .arg(table, columns.join(QLatin1Char(',')),
                                     QStringList(columns.size(), QStringLiteral("?")).join(QLatin1Char(',')));
        if (!query_.prepare(sql))
            throw EDatabaseError(QStringLiteral("Priprema upita nije uspela: %1").arg(sql));
    }
    qint64 insert(const QVariantList& values) {
        for (int i = 0; i < values.size(); ++i)
            query_.bindValue(i, values.at(i));
        connection_.countStatement();
        if (!query_.exec())
            throw EDatabaseError(Connection::errorText(query_.lastError()));
        return query_.lastInsertId().toLongLong();
    }

private:
    Connection& connection_;
    QSqlQuery query_;
};

struct Employee {
    qint64 id = 0;
    double gross = 0;  // what a full month pays, for the history
    int workingState = 1;
};

}  // namespace

CompanyFigures GenerateCompany(Connection& connection, const CompanyPlan& plan) {
    if (connection.scalar(QStringLiteral("SELECT COUNT(*) FROM employee")).toInt() > 0)
        throw EDatabaseError(QStringLiteral("Baza već ima zaposlene; sintetičko preduzeće se pravi u praznoj bazi."));
    const quint64 statementsBefore = connection.statementCount();
    std::mt19937_64 random(plan.seed);
    const auto pick = [&random](int n) { return int(random() % std::uint64_t(n)); };
    const auto between = [&random](double low, double high) {
        return low + (high - low) * double(random() % 1000000) / 1000000.0;
    };
    CompanyFigures figures;
    Transaction transaction(connection);

    connection.exec(QStringLiteral("INSERT INTO currency (code, name, status) VALUES ('RSD', 'Dinar', 'primary')"));
    connection.exec(QStringLiteral("INSERT INTO salarytax (defaulttax) VALUES ('y')"));
    const qint64 rates = connection.lastInsertId();
    Inserter taxItems(connection, QStringLiteral("salarytaxitem"),
                      {"salarytaxid", "taxname", "taxpercent", "taxfreevalue", "taxbankaccount", "taxstatus",
                       "maxsalary", "minsalary", "chamber", "paymentmodel", "paymentcode"});
    taxItems.insert({rates, "PIO zaposleni", 14.0, 0.0, "840-0000721313843-33", "s", "y", "y", "n", "97", ""});
    taxItems.insert({rates, "ZO zaposleni", 5.15, 0.0, "840-0000721313843-33", "s", "y", "y", "n", "97", ""});
    taxItems.insert({rates, "Nezaposlenost", 0.75, 0.0, "840-0000721313843-33", "s", "y", "y", "n", "97", ""});
    taxItems.insert({rates, "Porez na zarade", 10.0, 28423.0, "840-0000721313843-33", "s", "n", "n", "n", "97", ""});
    taxItems.insert({rates, "PIO poslodavac", 10.0, 0.0, "840-0000721313843-33", "a", "y", "y", "n", "97", ""});
    taxItems.insert({rates, "ZO poslodavac", 5.15, 0.0, "840-0000721313843-33", "a", "y", "y", "n", "97", ""});

    Inserter zones(connection, QStringLiteral("employeetransportzone"), {"name", "price"});
    std::vector<qint64> zoneIds;
    for (int z = 1; z <= 5; ++z)
        zoneIds.push_back(zones.insert({QStringLiteral("Zona %1").arg(z), 2500.0 + 700.0 * z}));

    Inserter employees(connection, QStringLiteral("employee"),
                       {"code", "firstname", "lastname", "personalidentificator", "active", "workingstateid",
                        "coefficient", "netcoefficient", "minsalary", "employer", "arrangedsalaryvalue",
                        "arrangedpaymentvalue", "employeetransportzoneid", "previousworkingyears", "workingfromdate",
                        "community", "communitycode", "account", "bankname", "organizationunit", "sex"});
    std::vector<Employee> staff;
    staff.reserve(size_t(plan.employees));
    for (int i = 1; i <= plan.employees; ++i) {
        Employee e;
        const int roll = pick(100);
        e.workingState = roll < 3 ? 9 : roll < 5 ? 19 : roll < 7 ? 7 : 1;
        QString minSalary = QStringLiteral("n");
        double coefficient = 1, netCoefficient = 1, agreedGross = 0, agreedNet = 0;
        const int basis = pick(100);
        if (basis < 20) {
            minSalary = QStringLiteral("y");
            e.gross = 64000;
        } else if (basis < 45) {
            agreedGross = std::round(between(70000, 400000));
            e.gross = agreedGross;
        } else if (basis < 60) {
            agreedNet = std::round(between(55000, 250000));
            e.gross = agreedNet / 0.701;
        } else if (basis < 85) {
            coefficient = std::round(between(1.2, 6.0) * 100) / 100;
            e.gross = coefficient * 30000;
        } else {
            netCoefficient = std::round(between(1.2, 5.0) * 100) / 100;
            e.gross = netCoefficient * 30000 / 0.701;
        }
        const auto& municipality = Municipalities[pick(5)];
        e.id = employees.insert(
            {QStringLiteral("E%1").arg(i, 6, 10, QLatin1Char('0')), QString::fromUtf8(FirstNames[pick(16)]),
             QString::fromUtf8(LastNames[pick(16)]), QStringLiteral("%1").arg(1000000000000LL + i), "y", e.workingState,
             coefficient, netCoefficient, minSalary, "n", agreedGross, agreedNet, zoneIds[size_t(pick(5))], pick(15),
             QDate(2000 + pick(24), 1 + pick(12), 1 + pick(28)), QString::fromUtf8(municipality[0]),
             QString::fromUtf8(municipality[1]), QStringLiteral("160-%1-%2").arg(i, 13, 10, QLatin1Char('0')).arg(10 + pick(89)),
             "Banca Intesa", QStringLiteral("OJ %1").arg(1 + pick(20)), pick(2) ? "M" : "Z"});
        staff.push_back(e);
    }
    figures.employees = int(staff.size());

    Inserter sets(connection, QStringLiteral("salarycredit"), {"employeeid", "defaultcredit"});
    Inserter deductions(connection, QStringLiteral("salarycredititem"),
                        {"salarycreditid", "creditname", "creditpercent", "creditgrosspercent", "creditvalue",
                         "creditbankaccount", "paymentmodel", "paymentcode"});
    for (const Employee& e : staff) {
        if (pick(100) >= 30)
            continue;
        const qint64 set = sets.insert({e.id, "y"});
        ++figures.deductionSets;
        deductions.insert({set, "Kredit", 0.0, 0.0, std::round(between(3000, 20000)), "160-0000000000123-45", "97",
                           QStringLiteral("%1").arg(e.id)});
        if (pick(2))
            deductions.insert({set, "Sindikat", 1.0, 0.0, 0.0, "205-0000000000456-78", "", ""});
    }

    Inserter documents(connection, QStringLiteral("salary"),
                       {"salarytype", "year", "month", "paymentdate", "accountingdate", "salarynumber", "status",
                        "salarytaxid", "baudvalue", "minsalaryvalue", "maxsalaryvalue", "partcoefficient",
                        "workinghours", "minnetsalaryprice", "minnetsalaryvalue", "workingyearsincrementpercent",
                        "mealrefund", "vacationrefund", "taxpercent", "taxfreevalue"});
    Inserter lines(connection, QStringLiteral("salaryitem"),
                   {"salaryid", "employeeid", "coefficient", "netcoefficient", "regularwork", "salaryvalue",
                    "paymentvalue", "paymentdecreasedvalue", "paymentnetvalue", "workinghours", "outturn",
                    "sickpercent", "workingyears", "sort"});
    const QDate first = QDate(plan.year, plan.month, 1).addMonths(-plan.historyMonths);
    for (int m = 0; m < plan.historyMonths; ++m) {
        const QDate period = first.addMonths(m);
        const QDate paid = period.addMonths(1).addDays(9);
        const int hours = 160 + 8 * pick(3);
        const qint64 doc = documents.insert({"Z", period.year(), period.month(), paid, paid, 1, "p", rates, 30000.0,
                                             45950.0, 656425.0, 100.0, hours, 271.0, 271.0 * hours, 0.4, 0.0, 0.0,
                                             10.0, 28423.0});
        ++figures.historyDocuments;
        int sort = 0;
        for (const Employee& e : staff) {
            if (e.workingState == 7)
                continue;
            const double gross = std::round(e.gross * 100) / 100;
            const double net = std::round(gross * 0.701 * 100) / 100;
            lines.insert({doc, e.id, 1.0, 1.0, gross, gross, net, net, net, double(hours), 100.0, 65.0, 5, ++sort});
            ++figures.historyLines;
        }
    }
    transaction.commit();
    figures.statements = connection.statementCount() - statementsBefore;
    return figures;
}
