#include "CliRun.h"
#include "TestDatabase.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

// A month calculated only through zarade-cli, as a payroll script runs it.
// Rates: employee 14 + 5.15 + 0.75 % contributions, 10 % tax above 28 423.

namespace {

using Result = CliResult;

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
        c->exec(QStringLiteral("INSERT INTO employee (code, firstname, lastname, active, workingstateid, coefficient, "
                               "netcoefficient, arrangedsalaryvalue) VALUES "
                               "('001', 'Ana', 'Ilić', 'y', 1, 500, 1, 0), ('002', 'Đorđe', 'Šarić', 'y', 1, 1, 1, 120000), "
                               "('003', 'Iva', 'Bolesna', 'y', 7, 1, 1, 0), ('004', 'Neaktivan', 'X', 'n', 1, 1, 1, 0)"));
    }

    Result run(const QStringList& args) { return RunCliCaptured(args, db.url()); }

    Result ok(const QStringList& args) {
        const Result r = run(args);
        EXPECT_EQ(0, r.code) << args.join(QLatin1Char(' ')).toStdString() << ": " << r.err.toStdString();
        return r;
    }

    qint64 newDocument(const QString& hours) {
        return ok({QStringLiteral("document"), QStringLiteral("new"), QStringLiteral("--type"), QStringLiteral("Z"),
                   QStringLiteral("--year"), QStringLiteral("2025"), QStringLiteral("--month"), QStringLiteral("3"),
                   QStringLiteral("--paymentdate"), QStringLiteral("2025-04-10"),
                   QStringLiteral("workinghours=") + hours})
            .out.trimmed()
            .toLongLong();
    }

    // The line of the employee with this code, as `document show` prints it.
    QJsonObject line(qint64 id, const QString& code) {
        const Result r = ok({QStringLiteral("document"), QStringLiteral("show"), QString::number(id)});
        for (const QJsonValue& l : QJsonDocument::fromJson(r.out.toUtf8()).object().value(QStringLiteral("lines")).toArray())
            if (l.toObject().value(QStringLiteral("code")).toString() == code)
                return l.toObject();
        ADD_FAILURE() << "no line " << code.toStdString();
        return {};
    }

    QStringList lineSet(qint64 id, const QString& code, const QStringList& values) {
        return QStringList{QStringLiteral("line"), QStringLiteral("set"), QString::number(id), code} + values;
    }
};

double number(const QJsonObject& o, const char* column) { return o.value(QLatin1String(column)).toDouble(); }

}  // namespace

TEST_F(ScriptedMonth, AddAllTakesQualifyingEmployeesOnceAndCalculatesThemByPayBasis) {
    const qint64 id = newDocument(QStringLiteral("176"));
    const QString doc = QString::number(id);
    EXPECT_EQ(QStringLiteral("2"), ok({QStringLiteral("line"), QStringLiteral("add-all"), doc}).out.trimmed());
    EXPECT_EQ(QStringLiteral("0"), ok({QStringLiteral("line"), QStringLiteral("add-all"), doc}).out.trimmed());

    const QJsonObject points = line(id, QStringLiteral("001"));
    EXPECT_EQ(50000, number(points, "regularwork"));  // 100 × 500 points
    EXPECT_EQ(50000, number(points, "salaryvalue"));
    // 50 000 − 19.9 % contributions − 10 % of (50 000 − 28 423) = 37 892.30
    EXPECT_DOUBLE_EQ(37892.30, number(points, "paymentvalue"));
    EXPECT_EQ(120000, number(line(id, QStringLiteral("002")), "regularwork"));
}

TEST_F(ScriptedMonth, HoursNightAndDeductionPercentFollowTheLineAndTooManyHoursAreRefused) {
    const qint64 id = newDocument(QStringLiteral("176"));
    const QString doc = QString::number(id);
    ok({QStringLiteral("line"), QStringLiteral("add"), doc, QStringLiteral("001")});
    ok(lineSet(id, QStringLiteral("001"), {QStringLiteral("workinghours=160"), QStringLiteral("nightworkinghours=16")}));
    QJsonObject l = line(id, QStringLiteral("001"));
    EXPECT_EQ(45454.55, number(l, "regularwork"));        // 50 000 × 160 / 176
    EXPECT_EQ(5727.27, number(l, "nightworkingvalue"));   // 45 454.55 / 160 × 16 × 1.26
    EXPECT_EQ(51181.82, number(l, "salaryvalue"));

    // 10 % of the regular pay of all 176 worked hours.
    ok(lineSet(id, QStringLiteral("001"), {QStringLiteral("decrementperc=10")}));
    l = line(id, QStringLiteral("001"));
    EXPECT_NEAR(5000.0, number(l, "decrement"), 0.001);
    EXPECT_EQ(46181.82, number(l, "salaryvalue"));

    const Result refused = run(lineSet(id, QStringLiteral("001"), {QStringLiteral("workinghours=170")}));
    EXPECT_EQ(1, refused.code);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("Obračun neće biti sproveden za zaposlenog: Ilić Ana.")))
        << refused.err.toStdString();
    EXPECT_EQ(45454.55, number(line(id, QStringLiteral("001")), "regularwork"));
}

TEST_F(ScriptedMonth, ChangingTheFundRecalculatesEveryLineOnceAndATypedNetGivesItsGross) {
    const qint64 id = newDocument(QStringLiteral("176"));
    const QString doc = QString::number(id);
    ok({QStringLiteral("line"), QStringLiteral("add"), doc, QStringLiteral("001")});
    ok(lineSet(id, QStringLiteral("001"), {QStringLiteral("overtimehours=2")}));
    ok({QStringLiteral("document"), QStringLiteral("set"), doc, QStringLiteral("workinghours=168")});
    const QJsonObject l = line(id, QStringLiteral("001"));
    EXPECT_EQ(166, number(l, "workinghours"));             // 168 − 2 overtime hours
    EXPECT_EQ(49404.76, number(l, "regularwork"));         // 50 000 × 166 / 168
    EXPECT_EQ(750, number(l, "overtimevalue"));            // 49 404.76 / 166 × 2 × 1.26
    EXPECT_EQ(50154.76, number(l, "salaryvalue"));

    ok(lineSet(id, QStringLiteral("001"), {QStringLiteral("paymentvalue=40000")}));
    EXPECT_NEAR(40000, number(line(id, QStringLiteral("001")), "paymentvalue"), 0.5);
}

TEST_F(ScriptedMonth, AddingToADocumentWithoutFundIsRefused) {
    const qint64 id = newDocument(QStringLiteral("0"));
    const Result r = run({QStringLiteral("line"), QStringLiteral("add-all"), QString::number(id)});
    EXPECT_EQ(1, r.code);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Morate najpre definisati broj radnih sati."))) << r.err.toStdString();
}

TEST_F(ScriptedMonth, DifferencesAreRoundedEachBeforeTheirSum) {
    const qint64 id = newDocument(QStringLiteral("176"));
    const QString doc = QString::number(id);
    ok({QStringLiteral("line"), QStringLiteral("add"), doc, QStringLiteral("001")});
    ok({QStringLiteral("line"), QStringLiteral("difference"), doc, QStringLiteral("001"), QStringLiteral("a=100.004"),
        QStringLiteral("b=200.004")});
    EXPECT_EQ(300, number(line(id, QStringLiteral("001")), "difference"));  // each rounded first
    EXPECT_EQ(50300, number(line(id, QStringLiteral("001")), "salaryvalue"));
}

// Known fault: the line is refused ("Neto" invalid) after the split is carried in.
TEST_F(ScriptedMonth, DISABLED_ACoefficientSplitAppliedTwiceGivesTheSameLine) {
    const qint64 id = newDocument(QStringLiteral("176"));
    const QString doc = QString::number(id);
    ok({QStringLiteral("line"), QStringLiteral("add"), doc, QStringLiteral("001")});

    const QStringList split{QStringLiteral("line"), QStringLiteral("coefficients"), doc, QStringLiteral("001"),
                            QStringLiteral("2:100"), QStringLiteral("3:60")};
    ok(split);
    const QJsonObject once = line(id, QStringLiteral("001"));
    EXPECT_DOUBLE_EQ(381.0 / 160, number(once, "coefficient"));
    EXPECT_EQ(160, number(once, "workinghours"));
    // 100 × 100 / 176 × 2 + 100 × 60 / 176 × 3 = 11 363.64 + 10 227.27
    EXPECT_EQ(21590.91, number(once, "regularwork"));
    EXPECT_EQ(21890.91, number(once, "salaryvalue"));
    ok(split);
    const QJsonObject twice = line(id, QStringLiteral("001"));
    EXPECT_EQ(number(once, "salaryvalue"), number(twice, "salaryvalue"));
    EXPECT_EQ(number(once, "paymentvalue"), number(twice, "paymentvalue"));
}
