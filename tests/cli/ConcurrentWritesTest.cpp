#include "CliSession.h"
#include "DatabaseErrorOf.h"
#include "ScriptedMonth.h"

#include "SalaryResourceString.h"

#include <QProcess>
#include <QSqlQuery>
#include <QThread>

// Two workstations on one database: each opens the month, the second write
// based on an older reading is refused and nothing of it is stored; a
// posted month refuses every change on every path. Each workstation is a
// session of its own with its own connection.

namespace {

struct Workstation {
    QString shown;
    QTextStream out{&shown};
    CliSession session;
    explicit Workstation(const QString& url) : session(CliContext{url, {}, out, out}) {}
    TSalaryDM& dm() { return session.dm(); }
    void setLine(const QString& code, const char* column, double value) {
        ASSERT_TRUE(dm().SalaryItemZQ->locate(QStringLiteral("code"), code));
        dm().SalaryItemZQ->edit();
        dm().SalaryItemZQ->fieldByName(QLatin1String(column))->setAsFloat(value);
        dm().SalaryItemZQ->post();
    }
};

struct ConcurrentWrites : ScriptedMonth {
    qint64 id = 0;

    void SetUp() override {
        ScriptedMonth::SetUp();
        if (IsSkipped())
            return;
        addEmployees(QStringLiteral("('001', 'Ana', 'Ilić', 'y', 1, 1, 1, 120000, 0, 'n'), "
                                    "('002', 'Đorđe', 'Šarić', 'y', 1, 1, 1, 95000, 0, 'n')"));
        id = newDocument(QStringLiteral("176"));
        addAll(id);
    }

    int lines() { return c->scalar(QStringLiteral("SELECT COUNT(*) FROM salaryitem WHERE salaryid = ?"), {id}).toInt(); }
    double stored(const char* column, const char* code) {
        return c->scalar(QStringLiteral("SELECT si.%1 FROM salaryitem AS si JOIN employee AS e ON e.employeeid = "
                                        "si.employeeid WHERE si.salaryid = ? AND e.code = ?")
                             .arg(QLatin1String(column)),
                         {id, QLatin1String(code)})
            .toDouble();
    }
};

TEST_F(ConcurrentWrites, TheSecondOfTwoEditsOfOneMonthIsRefusedAndTheFirstStaysWhole) {
    Workstation a(db.url()), b(db.url());
    a.session.OpenDocument(id);
    b.session.OpenDocument(id);
    a.setLine(QStringLiteral("001"), "workinghours", 100);
    a.dm().SalaryApply();
    const double gross = stored("salaryvalue", "001");
    b.setLine(QStringLiteral("001"), "workinghours", 150);
    EXPECT_EQ(QString::fromUtf8(_SAL_CHANGED_BY_OTHER), DatabaseErrorOf([&] { b.dm().SalaryApply(); }));
    EXPECT_EQ(100, stored("workinghours", "001"));
    EXPECT_EQ(gross, stored("salaryvalue", "001"));
    // Read again, the change goes through.
    b.session.OpenDocument(id);
    b.setLine(QStringLiteral("001"), "workinghours", 150);
    b.dm().SalaryApply();
    EXPECT_EQ(150, stored("workinghours", "001"));
}

TEST_F(ConcurrentWrites, NoLineIsWrittenIntoAMonthPostedOrDeletedSinceItWasRead) {
    Workstation a(db.url()), b(db.url());
    a.session.OpenDocument(id);
    b.session.OpenDocument(id);
    b.dm().RegisterSalary(true);
    a.setLine(QStringLiteral("002"), "workinghours", 90);
    EXPECT_EQ(QString::fromUtf8(_SAL_POSTED_READ_ONLY), DatabaseErrorOf([&] { a.dm().SalaryApply(); }));
    EXPECT_EQ(176, stored("workinghours", "002"));

    // Unposted and deleted by one, while the other adds everybody again.
    b.dm().RegisterSalary(false);
    Workstation c2(db.url());
    c2.session.OpenDocument(id);
    c2.dm().SalaryItemsOpen();
    b.session.OpenDocument(id);
    b.dm().SalaryZQ->remove();
    c2.setLine(QStringLiteral("001"), "workinghours", 10);
    EXPECT_THROW(c2.dm().SalaryApply(), EVersionConflict);
    EXPECT_EQ(0, c->scalar(QStringLiteral("SELECT COUNT(*) FROM salaryitem WHERE salaryid NOT IN "
                                          "(SELECT salaryid FROM salary)"))
                     .toInt());
}

TEST_F(ConcurrentWrites, AddingEveryoneTwiceAndNumberingTwiceNeverRepeat) {
    ok({QStringLiteral("line"), QStringLiteral("delete"), QString::number(id), QStringLiteral("001")});
    ok({QStringLiteral("line"), QStringLiteral("delete"), QString::number(id), QStringLiteral("002")});
    Workstation a(db.url()), b(db.url());
    a.session.OpenDocument(id);
    b.session.OpenDocument(id);
    EXPECT_EQ(2, a.dm().AddAllActiveEmployees());
    EXPECT_EQ(2, b.dm().AddAllActiveEmployees());
    a.dm().SalaryApply();
    EXPECT_THROW(b.dm().SalaryApply(), EVersionConflict);
    EXPECT_EQ(2, lines());

    // Two new documents of one period made at once take two numbers.
    const auto made = [](Workstation& w) {
        w.dm().SalaryZQ->setSQL(QStringLiteral("SELECT DISTINCT s.* FROM salary AS s WHERE s.salaryid = -1"));
        w.dm().SalaryAddDocument(QStringLiteral("Z"));
        EXPECT_TRUE(w.dm().SalaryTaxItemsOpen());
        w.dm().SetNewSalaryPeriod(QDate(2025, 4, 5));
        w.dm().SalaryItemsOpen();
    };
    made(a);
    made(b);
    EXPECT_EQ(a.dm().SalaryZQ->fieldByName(QStringLiteral("salarynumber"))->asInteger(),
              b.dm().SalaryZQ->fieldByName(QStringLiteral("salarynumber"))->asInteger());
    a.dm().SalaryApply();
    b.dm().SalaryApply();
    // With the month's first document, three documents of three numbers.
    QSqlQuery numbers = c->exec(QStringLiteral("SELECT COUNT(*), COUNT(DISTINCT salarynumber) FROM salary "
                                               "WHERE year = 2025 AND month = 3 AND salarytype = 'Z'"));
    ASSERT_TRUE(numbers.next());
    EXPECT_EQ(3, numbers.value(0).toInt());
    EXPECT_EQ(3, numbers.value(1).toInt());
    // Two employees of one code are one too many.
    EXPECT_THROW(addEmployees(QStringLiteral("('001', 'Druga', 'Ana', 'y', 1, 1, 1, 0, 0, 'n')")), EDatabaseError);
}

TEST_F(ConcurrentWrites, APostedMonthAndItsKeysRefuseEveryPathAndBadNumbersAreNeverStored) {
    const QString doc = QString::number(id);
    const QJsonObject before = show(id);
    const auto refused = [&](const QStringList& args) {
        const CliResult r = run(args);
        EXPECT_EQ(1, r.code) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(r.err.isEmpty());
    };
    // Keys, status and type change only through their operations; numbers
    // out of their column's range or meaning.
    for (const char* value : {"status=p", "salarytaxid=999", "salarytype=Q", "month=13", "year=-5", "salarynumber=-3",
                              "year=99999999999999999999"})
        refused({QStringLiteral("document"), QStringLiteral("set"), doc, QLatin1String(value)});
    refused(lineSet(id, QStringLiteral("001"), {QStringLiteral("salaryid=1")}));
    refused(lineSet(id, QStringLiteral("001"), {QStringLiteral("employeeid=99999")}));
    refused(lineSet(id, QStringLiteral("001"), {QStringLiteral("workinghours=70000")}));
    refused({QStringLiteral("document"), QStringLiteral("new"), QStringLiteral("--type"), QStringLiteral("Z"),
             QStringLiteral("--month"), QStringLiteral("4294967297")});
    // Detail rows: numbers that are not, hours beyond the month's fund, and
    // rows that would leave the line invalid store neither rows nor line.
    refused({QStringLiteral("line"), QStringLiteral("difference"), doc, QStringLiteral("001"), QStringLiteral("Bonus=inf")});
    refused({QStringLiteral("line"), QStringLiteral("coefficients"), doc, QStringLiteral("002"), QStringLiteral("2:900")});
    refused({QStringLiteral("line"), QStringLiteral("difference"), doc, QStringLiteral("001"),
             QStringLiteral("Kazna=-99999999")});
    EXPECT_EQ(before, show(id));

    ok({QStringLiteral("document"), QStringLiteral("post"), doc});
    const QJsonObject posted = show(id);
    refused(lineSet(id, QStringLiteral("001"), {QStringLiteral("workinghours=100")}));
    refused({QStringLiteral("line"), QStringLiteral("difference"), doc, QStringLiteral("001"), QStringLiteral("Bonus=1000")});
    refused({QStringLiteral("line"), QStringLiteral("coefficients"), doc, QStringLiteral("002"), QStringLiteral("2:176")});
    EXPECT_EQ(QStringLiteral("0\n"), ok({QStringLiteral("line"), QStringLiteral("add-all"), doc}).out);  // nobody new
    refused({QStringLiteral("document"), QStringLiteral("delete"), doc});
    EXPECT_EQ(posted, show(id));
    EXPECT_EQ(0, c->scalar(QStringLiteral("SELECT COUNT(*) FROM salaryitemdifference")).toInt());
    EXPECT_EQ(0, c->scalar(QStringLiteral("SELECT COUNT(*) FROM salaryitemcoefficient")).toInt());
}

TEST_F(ConcurrentWrites, AProcessKilledWhileStoringTheMonthLeavesItWholeOrUntouched) {
    ok({QStringLiteral("line"), QStringLiteral("delete"), QString::number(id), QStringLiteral("001")});
    ok({QStringLiteral("line"), QStringLiteral("delete"), QString::number(id), QStringLiteral("002")});
    QStringList values;
    for (int i = 0; i < 300; ++i)
        values << QStringLiteral("('K%1', 'Radnik', 'Broj %1', 'y', 1, 1, 1, 90000, 0, 'n')").arg(i);
    addEmployees(values.join(QStringLiteral(", ")));
    // Killed at different moments of "add everybody and apply"; the lines
    // are either all there or none.
    for (int delay : {5, 20, 40, 80}) {
        QProcess cli;
        cli.start(QStringLiteral(ZARADE_CLI), {QStringLiteral("--db"), db.url(), QStringLiteral("line"),
                                               QStringLiteral("add-all"), QString::number(id)});
        ASSERT_TRUE(cli.waitForStarted());
        QThread::msleep(delay);
        cli.kill();
        cli.waitForFinished();
        const int stored = lines();
        EXPECT_TRUE(stored == 0 || stored == 302) << "after " << delay << " ms: " << stored << " lines";
        if (stored == 302)
            break;
    }
}

}  // namespace
