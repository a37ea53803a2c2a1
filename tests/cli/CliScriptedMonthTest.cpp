#include "ScriptedMonth.h"

// Employees: 001 on 500 points, 002 on an agreed gross of 120 000, 003 on
// sick leave (working state 7), 004 inactive.

namespace {

using Result = CliResult;

struct ScriptedMonthOfFour : ScriptedMonth {
    void SetUp() override {
        ScriptedMonth::SetUp();
        if (IsSkipped())
            return;
        addEmployees(QStringLiteral("('001', 'Ana', 'Ilić', 'y', 1, 500, 1, 0, 0, 'n'), "
                                    "('002', 'Đorđe', 'Šarić', 'y', 1, 1, 1, 120000, 0, 'n'), "
                                    "('003', 'Iva', 'Bolesna', 'y', 7, 1, 1, 0, 0, 'n'), "
                                    "('004', 'Neaktivan', 'X', 'n', 1, 1, 1, 0, 0, 'n')"));
    }

    // A March document of 176 hours with Ana's line; its key.
    qint64 withAna() {
        const qint64 id = newDocument(QStringLiteral("176"));
        ok({QStringLiteral("line"), QStringLiteral("add"), QString::number(id), QStringLiteral("001")});
        return id;
    }
};

}  // namespace

TEST_F(ScriptedMonthOfFour, AddAllTakesQualifyingEmployeesOnceAndCalculatesThemByPayBasis) {
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

TEST_F(ScriptedMonthOfFour, HoursNightAndDeductionPercentFollowTheLineAndTooManyHoursAreRefused) {
    const qint64 id = withAna();
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

    // A value the line refuses names the line, as the editor would show it.
    const Result invalid = run(lineSet(id, QStringLiteral("001"), {QStringLiteral("coefficient=0")}));
    EXPECT_EQ(1, invalid.code);
    EXPECT_TRUE(invalid.err.contains(QStringLiteral("Stavka: 001 Ilić Ana"))) << invalid.err.toStdString();
    EXPECT_EQ(45454.55, number(line(id, QStringLiteral("001")), "regularwork"));
}

TEST_F(ScriptedMonthOfFour, ChangingTheFundRecalculatesEveryLineOnceLessItsOvertime) {
    const qint64 id = withAna();
    const QString doc = QString::number(id);
    ok(lineSet(id, QStringLiteral("001"), {QStringLiteral("overtimehours=2")}));
    ok({QStringLiteral("document"), QStringLiteral("set"), doc, QStringLiteral("workinghours=168")});
    const QJsonObject l = line(id, QStringLiteral("001"));
    EXPECT_EQ(166, number(l, "workinghours"));             // 168 − 2 overtime hours
    EXPECT_EQ(49404.76, number(l, "regularwork"));         // 50 000 × 166 / 168
    EXPECT_EQ(750, number(l, "overtimevalue"));            // 49 404.76 / 166 × 2 × 1.26
    EXPECT_EQ(50154.76, number(l, "salaryvalue"));
}

TEST_F(ScriptedMonthOfFour, AddingToADocumentWithoutFundIsRefused) {
    const qint64 id = newDocument(QStringLiteral("0"));
    const Result r = run({QStringLiteral("line"), QStringLiteral("add-all"), QString::number(id)});
    EXPECT_EQ(1, r.code);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Morate najpre definisati broj radnih sati."))) << r.err.toStdString();
}

TEST_F(ScriptedMonthOfFour, DifferencesAreRoundedEachBeforeTheirSum) {
    const qint64 id = withAna();
    ok({QStringLiteral("line"), QStringLiteral("difference"), QString::number(id), QStringLiteral("001"), QStringLiteral("a=100.004"),
        QStringLiteral("b=200.004")});
    EXPECT_EQ(300, number(line(id, QStringLiteral("001")), "difference"));  // each rounded first
    EXPECT_EQ(50300, number(line(id, QStringLiteral("001")), "salaryvalue"));
}

// The split of 500 points' hours: 100 hours at 400 and 60 hours at 600 with
// 8 night and 4 overtime hours. Applied again, the rows replace themselves
// and nothing is counted twice (overtime enters the gross through the
// difference's handler).
TEST_F(ScriptedMonthOfFour, ACoefficientSplitAppliedTwiceGivesTheSameLine) {
    const qint64 id = withAna();
    const QStringList split{QStringLiteral("line"), QStringLiteral("coefficients"), QString::number(id), QStringLiteral("001"),
                            QStringLiteral("400:100"), QStringLiteral("600:60:8:4")};
    ok(split);
    const QJsonObject once = line(id, QStringLiteral("001"));
    EXPECT_DOUBLE_EQ((1 + 100 * 400 + 72 * 600) / 172.0, number(once, "coefficient"));
    EXPECT_EQ(160, number(once, "workinghours"));
    EXPECT_EQ(8, number(once, "nightworkinghours"));
    EXPECT_EQ(4, number(once, "overtimehours"));
    // 100 / 176 × 400 × 100 + 60 / 176 × 600 × 100 = 22 727.27 + 20 454.55
    EXPECT_EQ(43181.82, number(once, "regularwork"));
    EXPECT_EQ(3436.36, number(once, "nightworkingvalue"));  // 20 454.55 / 60 × 8 × 1.26
    EXPECT_EQ(1718.18, number(once, "overtimevalue"));      // 20 454.55 / 60 × 4 × 1.26
    EXPECT_EQ(48336.36, number(once, "salaryvalue"));
    // − 9 618.93 contributions − 2 055.93 tax (10 % above 28 423 × 172 / 176)
    EXPECT_EQ(36661.50, number(once, "paymentvalue"));
    ok(split);
    const QJsonObject twice = line(id, QStringLiteral("001"));
    for (const char* column : {"coefficient", "workinghours", "nightworkinghours", "overtimehours", "regularwork",
                               "nightworkingvalue", "overtimevalue", "salaryvalue", "paymentvalue", "paymentnetvalue"})
        EXPECT_EQ(number(once, column), number(twice, column)) << column;
}
