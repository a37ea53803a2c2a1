#include "CliRun.h"
#include "TestDatabase.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>

#include <gtest/gtest.h>

namespace {

using Result = CliResult;

// A company with a rate set and two employees, driven through zarade-cli.
struct CliDocuments : ::testing::Test {
    TestDatabase db;
    Connection* c = nullptr;

    void SetUp() override {
        REQUIRE_TEST_DATABASE();
        c = &db.open();
        c->exec(QStringLiteral("INSERT INTO salarytax (defaulttax) VALUES ('y')"));
        // Last month's document: a new one takes its parameters.
        c->exec(QStringLiteral("INSERT INTO salary (salarytype, year, month, paymentdate, accountingdate, salarynumber, "
                               "baudvalue, maxsalaryvalue, minsalaryvalue, workinghours, partcoefficient, status, salarytaxid) "
                               "VALUES ('Z', 2025, 2, '2025-03-10', '2025-03-10', 1, 10, 656425, 45950, 160, 100, 'p', ?)"),
                {c->lastInsertId()});
        c->exec(QStringLiteral("INSERT INTO employee (code, firstname, lastname, active) VALUES "
                               "('001', 'Ana', 'Ilić', 'y'), ('002', 'Đorđe', 'Šarić', 'y')"));
    }

    Result run(const QStringList& args) { return RunCliCaptured(args, db.url()); }

    qint64 newDocument() {
        const Result r = run({QStringLiteral("document"), QStringLiteral("new"), QStringLiteral("--type"), QStringLiteral("Z"),
                              QStringLiteral("--year"), QStringLiteral("2025"), QStringLiteral("--month"), QStringLiteral("3"),
                              QStringLiteral("--paymentdate"), QStringLiteral("2025-04-10"), QStringLiteral("workinghours=176")});
        EXPECT_EQ(0, r.code) << r.err.toStdString();
        return r.out.trimmed().toLongLong();
    }

    QJsonObject show(qint64 id) {
        const Result r = run({QStringLiteral("document"), QStringLiteral("show"), QString::number(id)});
        EXPECT_EQ(0, r.code) << r.err.toStdString();
        return QJsonDocument::fromJson(r.out.toUtf8()).object();
    }

    void addLines(qint64 id) {
        QList<qint64> employees;
        QSqlQuery q = c->exec(QStringLiteral("SELECT employeeid FROM employee ORDER BY code"));
        while (q.next())
            employees << q.value(0).toLongLong();
        for (int i = 0; i < employees.size(); ++i)
            c->exec(QStringLiteral("INSERT INTO salaryitem (salaryid, employeeid, coefficient, netcoefficient, sort) "
                                   "VALUES (?, ?, 1, 1, ?)"),
                    {id, employees[i], i + 1});
    }
};

}  // namespace

TEST_F(CliDocuments, NewSetAndShowAHeader) {
    const qint64 id = newDocument();
    ASSERT_GT(id, 0);
    Result set = run({QStringLiteral("document"), QStringLiteral("set"), QString::number(id), QStringLiteral("baudvalue=12,5")});
    EXPECT_EQ(0, set.code) << set.err.toStdString();
    const QJsonObject salary = show(id).value(QStringLiteral("salary")).toObject();
    EXPECT_EQ(12.5, salary.value(QStringLiteral("baudvalue")).toDouble());
    EXPECT_EQ(176, salary.value(QStringLiteral("workinghours")).toInt());
    EXPECT_EQ(QStringLiteral("2025-04-10"), salary.value(QStringLiteral("paymentdate")).toString());
    EXPECT_EQ(3, salary.value(QStringLiteral("month")).toInt());
    EXPECT_EQ(1, salary.value(QStringLiteral("salarynumber")).toInt());
    EXPECT_EQ(QStringLiteral("n"), salary.value(QStringLiteral("status")).toString());
}

TEST_F(CliDocuments, InvalidValuesAreRefusedWithTheFieldsMessageAndNothingChanges) {
    const qint64 id = newDocument();
    run({QStringLiteral("document"), QStringLiteral("set"), QString::number(id), QStringLiteral("baudvalue=10")});
    const Result bad = run({QStringLiteral("document"), QStringLiteral("set"), QString::number(id), QStringLiteral("baudvalue=0")});
    EXPECT_EQ(1, bad.code);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("Vrednost boda"))) << bad.err.toStdString();
    EXPECT_EQ(10.0, show(id).value(QStringLiteral("salary")).toObject().value(QStringLiteral("baudvalue")).toDouble());

    const Result text = run({QStringLiteral("document"), QStringLiteral("set"), QString::number(id), QStringLiteral("baudvalue=deset")});
    EXPECT_EQ(1, text.code);
    const Result unknown = run({QStringLiteral("document"), QStringLiteral("set"), QString::number(id), QStringLiteral("nofield=1")});
    EXPECT_EQ(1, unknown.code);
    EXPECT_NE(0, run({QStringLiteral("document"), QStringLiteral("show"), QStringLiteral("999")}).code);
}

TEST_F(CliDocuments, LinesAreEditedByEmployeeCodeAndShownWithTheEmployee) {
    const qint64 id = newDocument();
    addLines(id);
    const Result set = run({QStringLiteral("line"), QStringLiteral("set"), QString::number(id), QStringLiteral("002"),
                            QStringLiteral("outturn=80"), QStringLiteral("sickpercent=65")});
    EXPECT_EQ(0, set.code) << set.err.toStdString();
    const QJsonArray lines = show(id).value(QStringLiteral("lines")).toArray();
    ASSERT_EQ(2, lines.size());
    const QJsonObject second = lines.at(1).toObject();
    EXPECT_EQ(QStringLiteral("Šarić"), second.value(QStringLiteral("lastname")).toString());
    EXPECT_EQ(80.0, second.value(QStringLiteral("outturn")).toDouble());
    EXPECT_TRUE(second.contains(QStringLiteral("decrementperc")));

    EXPECT_EQ(0, run({QStringLiteral("line"), QStringLiteral("delete"), QString::number(id), QStringLiteral("001")}).code);
    const QJsonArray left = show(id).value(QStringLiteral("lines")).toArray();
    ASSERT_EQ(1, left.size());
    EXPECT_EQ(1, left.at(0).toObject().value(QStringLiteral("sort")).toInt());
    EXPECT_NE(0, run({QStringLiteral("line"), QStringLiteral("set"), QString::number(id), QStringLiteral("777"),
                      QStringLiteral("outturn=1")}).code);
}

TEST_F(CliDocuments, PostedDocumentsAreReadOnlyUntilUnposted) {
    const qint64 id = newDocument();
    run({QStringLiteral("document"), QStringLiteral("set"), QString::number(id), QStringLiteral("baudvalue=10")});
    EXPECT_EQ(0, run({QStringLiteral("document"), QStringLiteral("post"), QString::number(id)}).code);
    EXPECT_EQ(QStringLiteral("p"), show(id).value(QStringLiteral("salary")).toObject().value(QStringLiteral("status")).toString());
    const Result change = run({QStringLiteral("document"), QStringLiteral("set"), QString::number(id), QStringLiteral("baudvalue=11")});
    EXPECT_EQ(1, change.code);
    EXPECT_TRUE(change.err.contains(QStringLiteral("Proknjižena"))) << change.err.toStdString();
    EXPECT_EQ(1, run({QStringLiteral("document"), QStringLiteral("delete"), QString::number(id)}).code);

    EXPECT_EQ(0, run({QStringLiteral("document"), QStringLiteral("unpost"), QString::number(id)}).code);
    EXPECT_EQ(0, run({QStringLiteral("document"), QStringLiteral("delete"), QString::number(id)}).code);
    EXPECT_EQ(1, c->scalar(QStringLiteral("SELECT COUNT(*) FROM salary")).toInt());  // last month's stays
}

TEST_F(CliDocuments, ACopyGetsItsOwnKeyAndTheLines) {
    const qint64 id = newDocument();
    addLines(id);
    const Result copy = run({QStringLiteral("document"), QStringLiteral("copy"), QString::number(id)});
    ASSERT_EQ(0, copy.code) << copy.err.toStdString();
    const qint64 newId = copy.out.trimmed().toLongLong();
    EXPECT_GT(newId, id);
    EXPECT_EQ(2, show(newId).value(QStringLiteral("lines")).toArray().size());
}
