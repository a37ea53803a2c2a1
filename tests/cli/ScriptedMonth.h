#pragma once

#include "CliRun.h"
#include "TestDatabase.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

// A company whose months are calculated only through zarade-cli, as a payroll
// script runs them. Rates: employee 14 + 5.15 + 0.75 % contributions on the
// minimum and maximum bases, 10 % tax above 28 423 (relief 2 842.30); the
// gross of a net N is (N − 2 842.30) / 0.701. A posted February document
// (point value 100, bases 45 950 and 656 425) gives new documents their
// parameters.
struct ScriptedMonth : ::testing::Test {
    TestDatabase db;
    Connection* c = nullptr;

    void SetUp() override {
        REQUIRE_TEST_DATABASE();
        c = &db.open();
        c->exec(QStringLiteral("INSERT INTO salarytax (defaulttax) VALUES ('y')"));
        const QVariant rates = c->scalar(QStringLiteral("SELECT MAX(salarytaxid) FROM salarytax"));
        const QString item = QStringLiteral(
            "INSERT INTO salarytaxitem (salarytaxid, taxname, taxpercent, taxfreevalue, taxstatus, minsalary, "
            "maxsalary, chamber, taxbankaccount) VALUES (?, ?, ?, ?, 's', ?, ?, 'n', '840-1-00')");
        c->exec(item, {rates, QStringLiteral("PIO"), 14, 0, QStringLiteral("y"), QStringLiteral("y")});
        c->exec(item, {rates, QStringLiteral("Zdravstvo"), 5.15, 0, QStringLiteral("y"), QStringLiteral("y")});
        c->exec(item, {rates, QStringLiteral("Nezaposlenost"), 0.75, 0, QStringLiteral("y"), QStringLiteral("y")});
        c->exec(item, {rates, QStringLiteral("Porez"), 10, 28423, QStringLiteral("n"), QStringLiteral("n")});
        c->exec(QStringLiteral("INSERT INTO salary (salarytype, year, month, paymentdate, accountingdate, salarynumber, "
                               "baudvalue, maxsalaryvalue, minsalaryvalue, workinghours, partcoefficient, status, "
                               "salarytaxid) VALUES ('Z', 2025, 2, '2025-03-10', '2025-03-10', 1, 100, 656425, "
                               "45950, 160, 100, 'p', ?)"),
                {rates});
    }

    // Employees from SQL value tuples of (code, firstname, lastname, active,
    // workingstateid, coefficient, netcoefficient, arrangedsalaryvalue,
    // arrangedpaymentvalue, minsalary).
    void addEmployees(const QString& tuples) {
        c->exec(QStringLiteral("INSERT INTO employee (code, firstname, lastname, active, workingstateid, coefficient, "
                               "netcoefficient, arrangedsalaryvalue, arrangedpaymentvalue, minsalary) VALUES ")
                + tuples);
    }

    CliResult run(const QStringList& args) { return RunCliCaptured(args, db.url()); }

    CliResult ok(const QStringList& args) {
        const CliResult r = run(args);
        EXPECT_EQ(0, r.code) << args.join(QLatin1Char(' ')).toStdString() << ": " << r.err.toStdString();
        return r;
    }

    // A document of the type for March 2025 with header fields assigned in order; its key.
    qint64 newDocument(const QString& type, const QStringList& fields) {
        return ok(QStringList{QStringLiteral("document"), QStringLiteral("new"), QStringLiteral("--type"), type,
                              QStringLiteral("--year"), QStringLiteral("2025"), QStringLiteral("--month"),
                              QStringLiteral("3"), QStringLiteral("--paymentdate"), QStringLiteral("2025-04-10")}
                  + fields)
            .out.trimmed()
            .toLongLong();
    }

    qint64 newDocument(const QString& hours) { return newDocument(QStringLiteral("Z"), {QStringLiteral("workinghours=") + hours}); }

    // The document as `document show` prints it.
    QJsonObject show(qint64 id) {
        const CliResult r = ok({QStringLiteral("document"), QStringLiteral("show"), QString::number(id)});
        return QJsonDocument::fromJson(r.out.toUtf8()).object();
    }

    // The line of the employee with this code, as `document show` prints it.
    QJsonObject line(qint64 id, const QString& code) {
        for (const QJsonValue& l : show(id).value(QStringLiteral("lines")).toArray())
            if (l.toObject().value(QStringLiteral("code")).toString() == code)
                return l.toObject();
        ADD_FAILURE() << "no line " << code.toStdString();
        return {};
    }

    static QStringList lineSet(qint64 id, const QString& code, const QStringList& values) {
        return QStringList{QStringLiteral("line"), QStringLiteral("set"), QString::number(id), code} + values;
    }

    CliResult addAll(qint64 id) { return ok({QStringLiteral("line"), QStringLiteral("add-all"), QString::number(id)}); }
};

inline double number(const QJsonObject& o, const char* column) { return o.value(QLatin1String(column)).toDouble(); }
