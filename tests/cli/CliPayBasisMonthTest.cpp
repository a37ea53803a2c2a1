#include "ScriptedMonth.h"

// A regular month with one employee on every pay basis: 010 on the minimum
// wage, 020 on an agreed gross of 120 000, 030 on an agreed net of 80 000,
// 040 on 900 points and 050 on 700 net points, at a point value of 100;
// 001 on 500 points too, 003 on sick leave (working state 7), 004 inactive.
// Nets worked by hand: contributions 19.9 % of the gross, tax 10 % of the
// gross above 28 423 (prorated by the hours paid when under the fund).

namespace {

// The minimum net wage of the March documents: 300 an hour for 176 hours.
const QString MinimumNetPrice = QStringLiteral("minnetsalaryprice=300");

struct PayBasisMonth : ScriptedMonth {
    void SetUp() override {
        ScriptedMonth::SetUp();
        if (IsSkipped())
            return;
        addEmployees(QStringLiteral("('010', 'Mina', 'Minimalna', 'y', 1, 1, 1, 0, 0, 'y'), "
                                    "('020', 'Bora', 'Bruto', 'y', 1, 1, 1, 120000, 0, 'n'), "
                                    "('030', 'Nela', 'Neto', 'y', 1, 1, 1, 0, 80000, 'n'), "
                                    "('040', 'Pera', 'Bodovi', 'y', 1, 900, 1, 0, 0, 'n'), "
                                    "('050', 'Neda', 'Netobodovi', 'y', 1, 1, 700, 0, 0, 'n'), "
                                    "('001', 'Ana', 'Ilić', 'y', 1, 500, 1, 0, 0, 'n'), "
                                    "('003', 'Iva', 'Bolesna', 'y', 7, 1, 1, 0, 0, 'n'), "
                                    "('004', 'Neaktivan', 'X', 'n', 1, 1, 1, 0, 0, 'n')"));
    }

    // A March document of 176 hours without a minimum wage, with Ana's line; its key.
    qint64 withAna() {
        const qint64 id = newDocument(QStringLiteral("176"));
        ok({QStringLiteral("line"), QStringLiteral("add"), QString::number(id), QStringLiteral("001")});
        return id;
    }

    qint64 marchWithMinimumWage() {
        return newDocument(QStringLiteral("Z"), {QStringLiteral("workinghours=176"), MinimumNetPrice});
    }

    // Regular work, gross and net of the employee's line.
    void expectLine(qint64 id, const char* code, double regularWork, double gross, double net) {
        const QJsonObject l = line(id, QLatin1String(code));
        EXPECT_EQ(regularWork, number(l, "regularwork")) << code;
        EXPECT_EQ(gross, number(l, "salaryvalue")) << code;
        EXPECT_NEAR(net, number(l, "paymentvalue"), 0.005) << code;
    }

    // A deduction set of the employee in force, with items of (net percent,
    // gross percent, amount, expiry date or NULL).
    void addDeductionSet(const QString& code, const QString& items) {
        const QVariant employee = c->scalar(QStringLiteral("SELECT employeeid FROM employee WHERE code = ?"), {code});
        c->exec(QStringLiteral("INSERT INTO salarycredit (employeeid, defaultcredit) VALUES (?, 'y')"), {employee});
        const QVariant set = c->scalar(QStringLiteral("SELECT MAX(salarycreditid) FROM salarycredit"));
        c->exec(QStringLiteral("INSERT INTO salarycredititem (salarycreditid, creditname, creditpercent, "
                               "creditgrosspercent, creditvalue, expirydate, creditbankaccount) "
                               "SELECT ?, 'Obustava', p, g, v, e, '160-1-00' FROM (") + items + QStringLiteral(") AS i"),
                {set});
    }
};

// The minimum gross of the month: (300 × 176 − 2 842.30) / 0.701.
constexpr double MinimumGross = 71266.33;

}  // namespace

// "Add all" pays a whole month by the pay basis and leaves pay below the
// minimum wage as it is, for the accountant to see; typing the line's hours
// then lifts it to the minimum gross.
TEST_F(PayBasisMonth, AddAllPaysTheWholeMonthByThePayBasisWithoutTheMinimumFloor) {
    addEmployees(QStringLiteral("('060', 'Malo', 'Bodova', 'y', 1, 300, 1, 0, 0, 'n')"));
    const qint64 id = marchWithMinimumWage();
    EXPECT_EQ(QStringLiteral("7"), addAll(id).out.trimmed());
    EXPECT_EQ(30000, number(line(id, QStringLiteral("060")), "regularwork"));  // 300 points × 100

    ok(lineSet(id, QStringLiteral("060"), {QStringLiteral("workinghours=176")}));
    EXPECT_EQ(MinimumGross, number(line(id, QStringLiteral("060")), "regularwork"));
}

// Neither the sick nor the inactive employee is added, and nobody twice.
TEST_F(PayBasisMonth, EveryPayBasisGivesItsAgreedPayForTheWholeFund) {
    const qint64 id = marchWithMinimumWage();
    EXPECT_EQ(QStringLiteral("6"), addAll(id).out.trimmed());
    EXPECT_EQ(QStringLiteral("0"), addAll(id).out.trimmed());
    expectLine(id, "010", MinimumGross, MinimumGross, 52799.99);  // the gross is rounded
    expectLine(id, "020", 120000, 120000, 86962.30);
    expectLine(id, "030", 110068.05, 110068.05, 80000);  // (80 000 − 2 842.30) / 0.701
    expectLine(id, "040", 90000, 90000, 65932.30);
    expectLine(id, "050", 95802.71, 95802.71, 70000);    // (70 000 − 2 842.30) / 0.701
    for (const QJsonValue& l : show(id).value(QStringLiteral("lines")).toArray()) {
        // No decrease and no deductions: the whole net is paid.
        EXPECT_EQ(number(l.toObject(), "paymentvalue"), number(l.toObject(), "paymentnetvalue"));
        EXPECT_EQ(176, number(l.toObject(), "workinghours"));
    }
}

TEST_F(PayBasisMonth, NightHolidayOvertimeAndAbsenceHoursOfAPointsLine) {
    const qint64 id = marchWithMinimumWage();
    addAll(id);
    ok(lineSet(id, QStringLiteral("040"),
               {QStringLiteral("workinghours=144"), QStringLiteral("nightworkinghours=8"),
                QStringLiteral("holidayworkinghours=8"), QStringLiteral("overtimehours=4"),
                QStringLiteral("absencehours=16")}));
    const QJsonObject l = line(id, QStringLiteral("040"));
    EXPECT_EQ(73636.36, number(l, "regularwork"));              // 90 000 × 144 / 176
    EXPECT_EQ(5154.55, number(l, "nightworkingvalue"));         // 73 636.36 / 144 × 8 × 1.26
    EXPECT_EQ(8590.91, number(l, "holidayworkingvalue"));       // × 8 × 2.10
    EXPECT_EQ(2577.27, number(l, "overtimevalue"));             // × 4 × 1.26
    EXPECT_EQ(4177.27, number(l, "absencevalue"));              // 45 950 × 16 / 176
    EXPECT_EQ(94136.36, number(l, "salaryvalue"));
    // 94 136.36 − 18 733.13 − 6 765.13 (relief for 164 of 176 hours), less
    // the absence without its own 29.9 %: 4 177.27 − 1 249.01
    EXPECT_NEAR(65709.84, number(l, "paymentvalue"), 0.005);

    const CliResult refused = run(lineSet(id, QStringLiteral("040"), {QStringLiteral("nightworkinghours=9")}));
    EXPECT_EQ(1, refused.code);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("Bodovi Pera"))) << refused.err.toStdString();
    EXPECT_EQ(94136.36, number(line(id, QStringLiteral("040")), "salaryvalue"));
}

TEST_F(PayBasisMonth, OutturnLowersRegularWorkUntilThePointValueRecalculatesIt) {
    const qint64 id = marchWithMinimumWage();
    addAll(id);
    ok(lineSet(id, QStringLiteral("050"), {QStringLiteral("outturn=80")}));
    expectLine(id, "050", 76642.17, 76642.17, 56568.46);  // 80 % of 95 802.71
    // Assigning the same point value recalculates every line, without the outturn.
    ok({QStringLiteral("document"), QStringLiteral("set"), QString::number(id), QStringLiteral("baudvalue=100")});
    expectLine(id, "050", 95802.71, 95802.71, 70000);
    expectLine(id, "040", 90000, 90000, 65932.30);
}

TEST_F(PayBasisMonth, DeductionsComeOffTheDecreasedNet) {
    // 10 % of the net, 2 000 a month, and a loan that expired in January.
    addDeductionSet(QStringLiteral("040"), QStringLiteral("SELECT 10 AS p, 0 AS g, 0 AS v, NULL AS e "
                                                          "UNION ALL SELECT 0, 0, 2000, NULL "
                                                          "UNION ALL SELECT 0, 0, 7000, '2025-01-31'"));
    const qint64 id = marchWithMinimumWage();
    addAll(id);
    QJsonObject l = line(id, QStringLiteral("040"));
    EXPECT_NEAR(8593.23, number(l, "credits"), 0.005);  // 6 593.23 + 2 000
    EXPECT_NEAR(57339.07, number(l, "paymentnetvalue"), 0.005);

    // A 10 % decrease down to a net of 50 000: 040 pays the net of 81 000,
    // the minimum wage only down to the threshold.
    ok({QStringLiteral("document"), QStringLiteral("set"), QString::number(id), QStringLiteral("netdecreasepercent=10"),
        QStringLiteral("netdecreaseminvalue=50000")});
    l = line(id, QStringLiteral("040"));
    EXPECT_NEAR(65932.30, number(l, "paymentvalue"), 0.005);  // the net before the decrease stays
    EXPECT_NEAR(59623.30, number(l, "paymentdecreasedvalue"), 0.005);
    EXPECT_NEAR(7962.33, number(l, "credits"), 0.005);  // 5 962.33 + 2 000
    EXPECT_NEAR(51660.97, number(l, "paymentnetvalue"), 0.005);
    EXPECT_NEAR(50000, number(line(id, QStringLiteral("010")), "paymentdecreasedvalue"), 0.005);
}

// 040 works 2 hours of overtime, which the new fund leaves out of the hours.
TEST_F(PayBasisMonth, ANewFundRecalculatesEveryLineOnceWithItsMinimumWageLessItsOvertime) {
    const qint64 id = marchWithMinimumWage();
    addAll(id);
    ok(lineSet(id, QStringLiteral("040"), {QStringLiteral("overtimehours=2")}));
    ok({QStringLiteral("document"), QStringLiteral("set"), QString::number(id), QStringLiteral("workinghours=168")});
    EXPECT_EQ(50400, number(show(id).value(QStringLiteral("salary")).toObject(), "minnetsalaryvalue"));
    expectLine(id, "010", 67842.65, 67842.65, 50399.99);  // (300 × 168 − 2 842.30) / 0.701
    expectLine(id, "030", 110068.05, 110068.05, 80000);
    const QJsonObject overtime = line(id, QStringLiteral("040"));
    EXPECT_EQ(88928.57, number(overtime, "regularwork"));  // 90 000 × 166 / 168
    EXPECT_EQ(1350, number(overtime, "overtimevalue"));      // 88 928.57 / 166 × 2 × 1.26
    EXPECT_EQ(90278.57, number(overtime, "salaryvalue"));
    for (const QJsonValue& l : show(id).value(QStringLiteral("lines")).toArray())
        EXPECT_EQ(l.toObject().value(QStringLiteral("code")) == QStringLiteral("040") ? 166 : 168,
                  number(l.toObject(), "workinghours"));
}

TEST_F(PayBasisMonth, ANetTypedTwiceGivesTheSameGross) {
    const qint64 id = marchWithMinimumWage();
    addAll(id);
    ok(lineSet(id, QStringLiteral("040"), {QStringLiteral("paymentvalue=60000")}));
    const QJsonObject once = line(id, QStringLiteral("040"));
    EXPECT_NEAR(60000, number(once, "paymentvalue"), 0.005);
    EXPECT_NEAR(81537.38, number(once, "salaryvalue"), 0.01);  // (60 000 − 2 842.30) / 0.701
    ok(lineSet(id, QStringLiteral("040"), {QStringLiteral("paymentvalue=60000")}));
    const QJsonObject twice = line(id, QStringLiteral("040"));
    for (const char* column : {"regularwork", "salaryvalue", "paymentvalue", "paymentnetvalue"})
        EXPECT_EQ(number(once, column), number(twice, column)) << column;
}

TEST_F(PayBasisMonth, HoursNightAndDeductionPercentFollowTheLineAndTooManyHoursAreRefused) {
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

    const CliResult refused = run(lineSet(id, QStringLiteral("001"), {QStringLiteral("workinghours=170")}));
    EXPECT_EQ(1, refused.code);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("Obračun neće biti sproveden za zaposlenog: Ilić Ana.")))
        << refused.err.toStdString();
    EXPECT_EQ(45454.55, number(line(id, QStringLiteral("001")), "regularwork"));

    // A value the line refuses names the line, as the editor would show it.
    const CliResult invalid = run(lineSet(id, QStringLiteral("001"), {QStringLiteral("coefficient=0")}));
    EXPECT_EQ(1, invalid.code);
    EXPECT_TRUE(invalid.err.contains(QStringLiteral("Stavka: 001 Ilić Ana"))) << invalid.err.toStdString();
    EXPECT_EQ(45454.55, number(line(id, QStringLiteral("001")), "regularwork"));
}

TEST_F(PayBasisMonth, AddingToADocumentWithoutFundIsRefused) {
    const qint64 id = newDocument(QStringLiteral("0"));
    const CliResult r = run({QStringLiteral("line"), QStringLiteral("add-all"), QString::number(id)});
    EXPECT_EQ(1, r.code);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Morate najpre definisati broj radnih sati."))) << r.err.toStdString();
}

TEST_F(PayBasisMonth, DifferencesAreRoundedEachBeforeTheirSum) {
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
TEST_F(PayBasisMonth, ACoefficientSplitAppliedTwiceGivesTheSameLine) {
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
