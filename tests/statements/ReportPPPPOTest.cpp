#include "PaymentMonth.h"

#include "ReportPPPPO.h"
#include "SalaryDM.h"
#include "ScriptedMessages.h"

// The annual PPP-PO: the year's PPP-PD rows of full payments summed per
// employee and income type; rows corrected by hand only where a user may.

namespace {

TEST(AddToPPPPO, EmployeeContributionsRoundPerItemAndTheEmployerTakesFiveParasOrMore) {
    // 14 %, 5.15 % and 0.75 % of 333.33: 46.67 + 17.17 + 2.50 = 66.34, where
    // the rounded sum of the three would be 66.33.
    TPPPPOAmounts row;
    AddToPPPPO(row, {1000, 800, 80, 333.33, 66.38}, 0.14, 0.0515, 0.0075);
    EXPECT_NEAR(66.34, double(row.contributiontotal1value), 1e-9);
    EXPECT_EQ(0.0, double(row.contributiontotal2value));  // 0.04 left over: rounding, not the employer's
    AddToPPPPO(row, {500, 500, 0, 333.33, 66.34 + 0.046}, 0.14, 0.0515, 0.0075);
    EXPECT_NEAR(0.046, double(row.contributiontotal2value), 1e-9);  // five paras once rounded, taken as it is
    AddToPPPPO(row, {0, 0, 0, 333.33, 66.34 + 50.5}, 0.14, 0.0515, 0.0075);
    EXPECT_NEAR(50.546, double(row.contributiontotal2value), 1e-9);
    EXPECT_NEAR(1500, double(row.salaryvalue), 1e-9);
    EXPECT_NEAR(200, double(row.taxsub), 1e-9);
    EXPECT_NEAR(1300, double(row.taxbase), 1e-9);
    EXPECT_NEAR(80, double(row.taxvalue), 1e-9);
    EXPECT_NEAR(3 * 66.34, double(row.contributiontotal1value), 1e-9);
}

struct PppPo : PaymentMonth {
    void SetUp() override {
        PaymentMonth::SetUp();
        if (IsSkipped())
            return;
        identifyEmployees(QStringLiteral("communitycode = '80020', city = 'Novi Sad', address = 'Dunavska 1'"));
    }

    QStringList command(const char* action, const QStringList& rest = {}) {
        return QStringList{QStringLiteral("ppppo"), QLatin1String(action)} + rest;
    }
    QJsonArray ppppo(int year) { return rows(command("show", {QString::number(year)})); }
    QJsonArray pppd(int year, int month) {
        return rows({QStringLiteral("pppd"), QStringLiteral("show"), QStringLiteral("--year"), QString::number(year),
                     QStringLiteral("--month"), QString::number(month)});
    }
    void buildPppd(int year, int month) {
        ok({QStringLiteral("pppd"), QStringLiteral("build"), QStringLiteral("--year"), QString::number(year),
            QStringLiteral("--month"), QString::number(month)});
    }
    void refused(const QStringList& args, const QString& message) {
        const CliResult r = run(args);
        EXPECT_EQ(1, r.code) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(r.err.contains(message)) << r.err.toStdString();
    }
};

QJsonArray rowsOf(const QJsonArray& rows, const QString& jmbg) {
    QJsonArray found;
    for (const QJsonValue& row : rows)
        if (row.toObject().value(QStringLiteral("employeepersonalidentificator")).toString() == jmbg)
            found.append(row);
    return found;
}

TEST_F(PppPo, TheYearSumsItsPPPPDRowsPerIncomeTypeAndLeavesAdvancesAndOtherYearsOut) {
    REQUIRE_TEST_DATABASE();
    post(month(QStringLiteral("2025-04-10")));
    buildPppd(2025, 4);
    // Ana is insured with increased service from May on: a second income type.
    c->exec(QStringLiteral("UPDATE employee SET workingstateid = 11 WHERE code = '001'"));
    post(month(QStringLiteral("2025-05-10")));
    buildPppd(2025, 5);
    post(month(QStringLiteral("2025-06-05"), {QStringLiteral("partcoefficient=50")}));
    buildPppd(2025, 6);
    post(month(QStringLiteral("2026-01-10")));
    buildPppd(2026, 1);
    ASSERT_GT(total(pppd(2025, 6), "salaryvalue"), 0);  // the advance has its PPP-PD rows

    EXPECT_EQ(QStringLiteral("6\n"), ok(command("build", {QStringLiteral("2025")})).out);
    const QJsonArray rows = ppppo(2025);
    ASSERT_EQ(6, rows.size());
    QJsonArray paid = pppd(2025, 4);
    for (const QJsonValue& row : pppd(2025, 5))
        paid.append(row);
    for (const char* column : {"salaryvalue", "taxbase", "taxvalue"})
        EXPECT_NEAR(total(paid, column), total(rows, column), 0.005) << column;
    EXPECT_NEAR(total(paid, "contribution1value") + total(paid, "contribution2value")
                    + total(paid, "contribution3value") + total(paid, "contribution4value"),
                total(rows, "contributiontotal1value") + total(rows, "contributiontotal2value"), 0.005);
    EXPECT_NEAR(total(paid, "salaryvalue") - total(paid, "taxbase"), total(rows, "taxsub"), 0.005);

    const QJsonArray ana = rowsOf(rows, QStringLiteral("0101990710001"));
    ASSERT_EQ(2, ana.size());
    QStringList codes;
    for (const QJsonValue& row : ana) {
        const QJsonObject r = row.toObject();
        codes << r.value(QStringLiteral("incometypecode")).toString();
        EXPECT_EQ(QStringLiteral("Prihodi iz radnog odnosa"), r.value(QStringLiteral("incometype")).toString());
        EXPECT_EQ(QStringLiteral("Ana Ilić"), r.value(QStringLiteral("employeename")).toString());
        EXPECT_EQ(QStringLiteral("Novi Sad, Dunavska 1"), r.value(QStringLiteral("employeecityaddress")).toString());
        // Each row is the month of its code alone.
        const int month = codes.back() == QLatin1String("101101000") ? 4 : 5;
        for (const QJsonValue& source : pppd(2025, month)) {
            if (source.toObject().value(QStringLiteral("personalidentificator")).toString()
                == QLatin1String("0101990710001")) {
                EXPECT_NEAR(number(source.toObject(), "salaryvalue"), number(r, "salaryvalue"), 0.005);
            }
        }
    }
    codes.sort();
    EXPECT_EQ((QStringList{QStringLiteral("101101000"), QStringLiteral("101101001")}), codes);
    EXPECT_EQ(1, rowsOf(rows, QStringLiteral("0101990710002")).size());  // one code, two months: one row
}

TEST_F(PppPo, HandCorrectionsGoThroughTheFieldsChecksAndARefusalStoresNothing) {
    REQUIRE_TEST_DATABASE();
    const QStringList year{QStringLiteral("2025")};
    refused(command("build", {QStringLiteral("2024")}),
            QStringLiteral("Nema proknjiženih zarada za ceo mesec isplaćenih u 2024."));
    post(month(QStringLiteral("2025-04-10")));
    refused(command("build", year), QStringLiteral("03/2025 isplaćena 10.04.2025. nema redova PPP-PD"));
    buildPppd(2025, 4);
    ok(command("build", year));
    refused(command("build", year), QStringLiteral("već ima redove"));

    const qint64 added = ok(command("add", {QStringLiteral("2025"), QStringLiteral("003")})).out.trimmed().toLongLong();
    const QJsonArray before = ppppo(2025);
    ASSERT_EQ(6, before.size());
    QJsonObject outside;
    for (const QJsonValue& row : before)
        if (row.toObject().value(QStringLiteral("incometypecode")).toString() == QLatin1String("1"))
            outside = row.toObject();
    EXPECT_EQ(QStringLiteral("Prihodi van radnog odnosa"), outside.value(QStringLiteral("incometype")).toString());
    EXPECT_EQ(QStringLiteral("Žarko Čolić"), outside.value(QStringLiteral("employeename")).toString());
    EXPECT_EQ(0.0, number(outside, "salaryvalue"));
    const QString id = QString::number(outside.value(QStringLiteral("salaryreportppppoid")).toInteger());
    EXPECT_EQ(QString::number(added), id);

    // A valid amount before the refused key is not stored either.
    refused(command("set", {id, QStringLiteral("salaryvalue=1000"), QStringLiteral("employeeid=1")}),
            QStringLiteral("se ne može menjati"));
    refused(command("set", {id, QStringLiteral("salaryreportppppoid=99")}), QStringLiteral("se ne može menjati"));
    refused(command("set", {id, QStringLiteral("year=2024")}), QStringLiteral("se ne može menjati"));
    refused(command("set", {id, QStringLiteral("salaryvalue=1000"), QStringLiteral("taxvalue=12x")}),
            QStringLiteral("\"12x\" nije ispravan broj"));
    refused(command("set", {id, QStringLiteral("taxvalue=-5")}), QStringLiteral("Porez"));
    refused(command("set", {id, QStringLiteral("incometype=Honorar")}), QStringLiteral("Tip prihoda"));
    refused(command("set", {QStringLiteral("999999"), QStringLiteral("taxvalue=1")}), QStringLiteral("ne postoji"));
    EXPECT_EQ(before, ppppo(2025));

    ok(command("set", {id, QStringLiteral("salaryvalue=1000,50"), QStringLiteral("taxbase=900"),
                       QStringLiteral("taxsub=100.5"), QStringLiteral("taxvalue=90")}));
    for (const QJsonValue& row : ppppo(2025))
        if (row.toObject().value(QStringLiteral("salaryreportppppoid")).toInteger() == id.toLongLong()) {
            EXPECT_EQ(1000.5, number(row.toObject(), "salaryvalue"));
            EXPECT_EQ(90.0, number(row.toObject(), "taxvalue"));
        }
    EXPECT_EQ(QStringLiteral("6\n"), ok(command("delete", year)).out);
    EXPECT_EQ(0, ppppo(2025).size());
}

TEST_F(PppPo, BuildingReadsAFixedNumberOfStatementsWhateverTheEmployeesAndDocuments) {
    REQUIRE_TEST_DATABASE();
    post(month(QStringLiteral("2025-04-10")));
    buildPppd(2025, 4);
    addEmployees(QStringLiteral("('006', 'Ivan', 'Novi', 'y', 1, 1, 1, 90000, 0, 'n'), "
                                "('007', 'Ina', 'Nova', 'y', 1, 1, 1, 90000, 0, 'n'), "
                                "('008', 'Iris', 'Nova', 'y', 1, 1, 1, 90000, 0, 'n')"));
    for (const char* code : {"006", "007", "008"})
        c->exec(QStringLiteral("UPDATE employee SET personalidentificator = ? WHERE code = ?"),
                {QStringLiteral("0101990710") + QLatin1String(code), QLatin1String(code)});
    for (const char* paid : {"2026-01-10", "2026-02-10"})
        post(month(QLatin1String(paid)));
    buildPppd(2026, 1);
    buildPppd(2026, 2);

    ScriptedMessages messages(ScriptedMessages::AnswerPolicy::Fail);
    TSalaryDM dm;
    dm.ConnectForEditing(*c, messages);
    const auto statements = [&](int year, int expectedRows) {
        const quint64 before = c->statementCount();
        OpenReportPPPPO(dm, year);
        EXPECT_EQ(expectedRows, AddAllReportPPPPO(dm, year));
        return c->statementCount() - before;
    };
    const quint64 five = statements(2025, 5);
    EXPECT_EQ(five, statements(2026, 8));
    EXPECT_LE(five, 6u);
    EXPECT_EQ(0, c->scalar(QStringLiteral("SELECT COUNT(*) FROM salaryreportppppo")).toInt());  // pending only
}

}  // namespace
