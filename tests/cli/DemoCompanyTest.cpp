#include "BankAccount.h"
#include "CliRun.h"
#include "CompanyInfo.h"
#include "DBIniFile.h"
#include "DemoCompany.h"
#include "DemoHistory.h"
#include "RegularMonth.h"
#include "Jmbg.h"
#include "QStringPrinter.h"
#include "TestDatabase.h"
#include "db/DbError.h"

#include <QRegularExpression>
#include <QSqlQuery>

#include <gtest/gtest.h>

namespace {

CliResult RunDemoCommand(const QString& url, const QString& command) { return RunCliCaptured({command}, url); }

int Count(Connection& connection, const QString& sql) { return connection.scalar(sql).toInt(); }

// Model 97 references check as a whole: the rest followed by the two
// control digits leaves 1 modulo 97.
bool IsModel97Reference(const QString& reference) {
    int remainder = 0;
    for (const QChar c : reference.mid(2) + reference.left(2))
        remainder = (remainder * 10 + c.digitValue()) % 97;
    return reference.size() > 2 && remainder == 1;
}

// PIB: ISO 7064 MOD 11,10 over all nine digits.
bool IsPib(const QString& pib) {
    int p = 10;
    for (int i = 0; i < 8; ++i) {
        const int s = (pib.at(i).digitValue() + p) % 10;
        p = (2 * (s == 0 ? 10 : s)) % 11;
    }
    return pib.size() == 9 && (11 - p) % 10 == pib.at(8).digitValue();
}

}  // namespace

TEST(DemoCompany, FillsAnEmptyDatabaseOnceWithACompanyOnEveryPayBasisAndTheStatutoryRates) {
    REQUIRE_TEST_DATABASE();
    TestDatabase db;
    Connection& connection = db.open(false);

    const CliResult demo = RunDemoCommand(db.url(), QStringLiteral("demo"));
    ASSERT_EQ(0, demo.code) << demo.err.toStdString();
    EXPECT_TRUE(demo.out.contains(QStringLiteral("zaposlenih: 30")));
    EXPECT_TRUE(demo.out.contains(QStringLiteral("proknjiženih obračuna zarada: 12"))) << demo.out.toStdString();

    const TCompanyInfo company = ReadCompanyInfo(TDBIniFile(connection));
    EXPECT_TRUE(IsPib(company.Code)) << company.Code.toStdString();
    EXPECT_EQ(company.BankAccount, NormalizeBankAccount(company.BankAccount));
    EXPECT_EQ(QStringLiteral("RSD"), connection.scalar(QStringLiteral("SELECT code FROM currency WHERE status = 'primary'")).toString());

    QSqlQuery employees = connection.exec(QStringLiteral(
        "SELECT personalidentificator, sex, account, communitypaymentcode, firstname, lastname FROM employee"));
    int rows = 0;
    while (employees.next()) {
        ++rows;
        const QString jmbg = employees.value(0).toString();
        EXPECT_EQ(QString(), JmbgError(jmbg)) << jmbg.toStdString();
        EXPECT_EQ(employees.value(1).toString() == QLatin1String("f"), jmbg.mid(9, 3).toInt() >= 500)
            << "the serial number tells the sex: " << jmbg.toStdString();
        const QString account = employees.value(2).toString();
        EXPECT_EQ(account, NormalizeBankAccount(account)) << account.toStdString();
        EXPECT_TRUE(IsModel97Reference(employees.value(3).toString())) << employees.value(3).toString().toStdString();
    }
    EXPECT_EQ(30, rows);
    EXPECT_EQ(QString::fromUtf8("Đorđević"),
              connection.scalar(QStringLiteral("SELECT lastname FROM employee WHERE code = '002'")).toString())
        << "Serbian letters survive the round trip";

    // Every pay basis, and the working states the lists treat apart.
    for (const char* basis : {"minsalary = 'y'", "arrangedsalaryvalue > 0", "arrangedpaymentvalue > 0",
                              "coefficient > 1", "netcoefficient > 1", "workingstateid = 7", "workingstateid = 8"})
        EXPECT_GT(Count(connection, QStringLiteral("SELECT COUNT(*) FROM employee WHERE ") + QLatin1String(basis)), 0)
            << basis;
    EXPECT_EQ(30, Count(connection, QStringLiteral("SELECT COUNT(*) FROM employee WHERE employeetransportzoneid IS NOT NULL")));
    EXPECT_GE(Count(connection, QStringLiteral("SELECT COUNT(*) FROM salarycredit WHERE defaultcredit = 'y'")), 3);

    // The statutory rates, in the order the calculation reads them.
    EXPECT_EQ(1, Count(connection, QStringLiteral("SELECT COUNT(*) FROM salarytax WHERE defaulttax = 'y'")));
    QSqlQuery items = connection.exec(QStringLiteral(
        "SELECT taxpercent, taxstatus, minsalary, taxfreevalue, taxbankaccount FROM salarytaxitem "
        "WHERE chamber = 'n' ORDER BY taxpercent DESC, salarytaxitemid"));
    QStringList employee, employer;
    while (items.next()) {
        const QString rate = QString::number(items.value(0).toDouble(), 'f', 2);
        const bool contribution = items.value(2).toString() == QLatin1String("y");
        if (items.value(1).toString() == QLatin1String("s"))
            employee << (contribution ? rate : QStringLiteral("tax %1 free %2").arg(rate).arg(items.value(3).toDouble()));
        else
            employer << rate;
        // Treasury accounts are written short, as the treasury publishes them.
        const QString account = items.value(4).toString();
        EXPECT_FALSE(NormalizeBankAccount(account).isEmpty()) << account.toStdString();
    }
    // Pension, health, unemployment for the employee: the first three contributions by rate.
    EXPECT_EQ((QStringList{"14.00", "tax 10.00 free 34221", "5.15", "0.75"}), employee);
    EXPECT_EQ((QStringList{"10.00", "5.15"}), employer);
    EXPECT_EQ(1, Count(connection, QStringLiteral("SELECT COUNT(*) FROM salarytaxitem WHERE chamber = 'y'")));
    // Withheld taxes and contributions are paid together, the chamber fee apart.
    EXPECT_EQ(6, Count(connection, QStringLiteral("SELECT COUNT(*) FROM salarytaxitem WHERE chamber = 'n' AND "
                                                  "taxbankaccount = '840-4848-37' AND paycode = '254'")));

    // Run again, it refuses and adds nobody.
    const CliResult again = RunDemoCommand(db.url(), QStringLiteral("demo"));
    EXPECT_EQ(1, again.code);
    EXPECT_TRUE(again.err.contains(QStringLiteral("samo u praznu bazu"))) << again.err.toStdString();
    EXPECT_EQ(30, Count(connection, QStringLiteral("SELECT COUNT(*) FROM employee")));
}

TEST(DemoCompany, RefusesADatabaseThatAlreadyHasData) {
    REQUIRE_TEST_DATABASE();
    TestDatabase db;
    Connection& connection = db.open();
    connection.exec(QStringLiteral("INSERT INTO salarytax (salarytaxid, defaulttax) VALUES (1, 'y')"));
    connection.exec(QStringLiteral("INSERT INTO salary (salarytype, year, month, salarytaxid) VALUES ('Z', 2026, 11, 1)"));
    EXPECT_TRUE(DemoCompanyRefusal(connection).contains(QStringLiteral("obračuna zarada: 1")));
    EXPECT_THROW(SeedDemoCompany(connection), EDatabaseError);
    EXPECT_EQ(0, Count(connection, QStringLiteral("SELECT COUNT(*) FROM employee")));
}

TEST(DemoCompany, HasTwelvePostedMonthsOfHistoryBeforeTheDemoMonth) {
    REQUIRE_TEST_DATABASE();
    TestDatabase db;
    Connection& connection = db.open();
    SeedDemoCompany(connection);
    const DemoHistoryResult history = SeedDemoHistory(connection, QDate(2026, 12, 5));

    EXPECT_EQ(12, history.documents);
    EXPECT_EQ(QDate(2025, 11, 1), history.first);
    EXPECT_EQ(QDate(2026, 10, 1), history.last);
    QSqlQuery documents = connection.exec(QStringLiteral(
        "SELECT year, month, status, paymentdate, workinghours, salaryid FROM salary WHERE salarytype = 'Z' "
        "ORDER BY year, month"));
    QDate expected(2025, 11, 1);
    const int onPayroll =
        Count(connection, QStringLiteral("SELECT COUNT(*) FROM employee WHERE active = 'y' AND workingstateid NOT IN (7, 8, 15)"));
    while (documents.next()) {
        EXPECT_EQ(expected, QDate(documents.value(0).toInt(), documents.value(1).toInt(), 1));
        EXPECT_EQ(QStringLiteral("p"), documents.value(2).toString());
        EXPECT_EQ(expected.addMonths(1).addDays(9), documents.value(3).toDate());
        EXPECT_EQ(MonthWorkingHours(expected.year(), expected.month()), documents.value(4).toInt());
        const QVariant id = documents.value(5);
        EXPECT_EQ(onPayroll, connection.scalar(QStringLiteral("SELECT COUNT(*) FROM salaryitem WHERE salaryid = ?"), {id}).toInt());
        // Every line was calculated: a gross above its net, and both above zero.
        EXPECT_EQ(0, connection.scalar(QStringLiteral("SELECT COUNT(*) FROM salaryitem WHERE salaryid = ? AND "
                                                      "NOT (salaryvalue > paymentvalue AND paymentvalue > 0)"),
                                       {id}).toInt());
        EXPECT_GT(connection.scalar(QStringLiteral("SELECT COUNT(*) FROM salaryitem WHERE salaryid = ? AND "
                                                   "nightworkinghours = 32 AND nightworkingvalue > 0"),
                                    {id}).toInt(), 0);
        expected = expected.addMonths(1);
    }
    EXPECT_EQ(QDate(2026, 11, 1), expected);
}

TEST(DemoCompany, MonthWorkingHoursCountEightForEveryWeekday) {
    EXPECT_EQ(160, MonthWorkingHours(2026, 2));   // 20 weekdays
    EXPECT_EQ(184, MonthWorkingHours(2026, 12));  // 23 weekdays
    EXPECT_EQ(168, MonthWorkingHours(2024, 2));   // a leap February: 21 weekdays
}

TEST(DemoCompany, TheDemoMonthCalculatesTheMonthAfterThePostedOnesOnce) {
    REQUIRE_TEST_DATABASE();
    TestDatabase db;
    db.open();
    const CliResult empty = RunDemoCommand(db.url(), QStringLiteral("demo-month"));
    EXPECT_EQ(1, empty.code);
    EXPECT_TRUE(empty.err.contains(QStringLiteral("demo"))) << "it says how to get the demo company";

    Connection& connection = db.connection();
    SeedDemoCompany(connection);
    SeedDemoHistory(connection, QDate::currentDate());
    const CliResult month = RunDemoCommand(db.url(), QStringLiteral("demo-month"));
    ASSERT_EQ(0, month.code) << month.err.toStdString();
    const QDate demoMonth = QDate(QDate::currentDate().year(), QDate::currentDate().month(), 1).addMonths(-1);
    QSqlQuery document = connection.exec(
        QStringLiteral("SELECT salaryid, status FROM salary ORDER BY year DESC, month DESC LIMIT 1"));
    ASSERT_TRUE(document.next());
    EXPECT_EQ(QStringLiteral("n"), document.value(1).toString()) << "the demo month is left for the accountant to post";
    const QVariant id = document.value(0);
    EXPECT_TRUE(month.out.contains(QStringLiteral("Zarada %1 za %2").arg(id.toLongLong()).arg(demoMonth.toString(QStringLiteral("MM/yyyy")))))
        << month.out.toStdString();
    // The recapitulation's gross and amount for payment are the lines' sums.
    for (const auto& [label, column] : {std::pair{"Bruto vrednost zarade", "salaryvalue"},
                                        std::pair{"Ukupno za isplatu", "paymentnetvalue"}}) {
        const double sum = connection.scalar(QStringLiteral("SELECT SUM(%1) FROM salaryitem WHERE salaryid = ?")
                                                 .arg(QLatin1String(column)), {id}).toDouble();
        const QRegularExpression row(QStringLiteral("%1\\.+ +([0-9.]+)\n").arg(QString::fromUtf8(label)));
        const QRegularExpressionMatch match = row.match(month.out);
        ASSERT_TRUE(match.hasMatch()) << label << "\n" << month.out.toStdString();
        EXPECT_EQ(QString::number(sum, 'f', 2), match.captured(1)) << label;
    }

    // Run again, it shows the same open month instead of paying it twice.
    const CliResult again = RunDemoCommand(db.url(), QStringLiteral("demo-month"));
    ASSERT_EQ(0, again.code) << again.err.toStdString();
    EXPECT_TRUE(again.out.contains(QStringLiteral("Zarada %1 za %2 je već obračunata").arg(id.toLongLong()).arg(demoMonth.toString(QStringLiteral("MM/yyyy")))))
        << again.out.toStdString();
    EXPECT_EQ(13, Count(connection, QStringLiteral("SELECT COUNT(*) FROM salary")));
}
