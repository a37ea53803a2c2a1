#include "DBIniFile.h"
#include "ScriptedMonth.h"

// Leave and sick pay typed with zarade-cli line set, on history posted with
// zarade-cli: November 2024 to January 2025, 176 hours each. Employee 001
// has an agreed gross of 176 000 (1 000 an hour); 002 one of 88 000 until
// January, when it is 176 000 and he works 136 hours with 40 sick hours;
// 003 one of 100 000. The documents have no minimum net wage, so no
// minimum gross floor reaches these amounts.

namespace {

struct CliLeave : ScriptedMonth {
    void SetUp() override {
        ScriptedMonth::SetUp();
        if (IsSkipped())
            return;
        addEmployees(QStringLiteral("('001', 'Ana', 'Ilić', 'y', 1, 1, 1, 176000, 0, 'n'), "
                                    "('002', 'Đorđe', 'Šarić', 'y', 1, 1, 1, 88000, 0, 'n'), "
                                    "('003', 'Iva', 'Lazić', 'y', 1, 1, 1, 100000, 0, 'n')"));
        postMonth(2024, 11);
        postMonth(2024, 12);
        c->exec(QStringLiteral("UPDATE employee SET arrangedsalaryvalue = 176000 WHERE code = '002'"));
        postMonth(2025, 1, {QStringLiteral("--yes"), QStringLiteral("line"), QStringLiteral("set"), {},
                            QStringLiteral("002"), QStringLiteral("workinghours=136"), QStringLiteral("sickhours=40")});
    }

    // A regular month of 176 hours with the three employees, paid on the
    // 10th of the next month, edited by `edit` (its fourth word is the
    // document's number) and posted.
    void postMonth(int year, int month, QStringList edit = {}) {
        const QDate paid = QDate(year, month, 10).addMonths(1);
        const QString id = ok({QStringLiteral("document"), QStringLiteral("new"), QStringLiteral("--type"),
                               QStringLiteral("Z"), QStringLiteral("--year"), QString::number(year),
                               QStringLiteral("--month"), QString::number(month), QStringLiteral("--paymentdate"),
                               paid.toString(Qt::ISODate), QStringLiteral("workinghours=176")})
                               .out.trimmed();
        ok({QStringLiteral("line"), QStringLiteral("add-all"), id});
        if (!edit.isEmpty()) {
            edit[3] = id;
            ok(edit);
        }
        ok({QStringLiteral("document"), QStringLiteral("post"), id});
    }

    // The March 2025 document with the employee's line; its key.
    qint64 march(const QString& code, const QString& type = QStringLiteral("Z")) {
        const qint64 id = newDocument(type, {QStringLiteral("workinghours=176")});
        ok({QStringLiteral("line"), QStringLiteral("add"), QString::number(id), code});
        return id;
    }
};

TEST_F(CliLeave, VacationAndPublicHolidaysArePaidFromTheAverageAndEnterTheGross) {
    const qint64 id = march(QStringLiteral("001"));
    ok(lineSet(id, QStringLiteral("001"),
               {QStringLiteral("workinghours=152"), QStringLiteral("vacationhours=16"),
                QStringLiteral("publicholidayhours=8")}));
    const QJsonObject l = line(id, QStringLiteral("001"));
    EXPECT_EQ(16000, number(l, "vacationvalue"));
    EXPECT_EQ(8000, number(l, "publicholidayvalue"));
    EXPECT_EQ(152000, number(l, "regularwork"));  // 176 000 × 152 / 176
    EXPECT_EQ(176000, number(l, "salaryvalue"));
    // 176 000 − 35 024 contributions − 14 757.70 tax
    EXPECT_DOUBLE_EQ(126218.30, number(l, "paymentvalue"));

    // Hours above the fund are refused and nothing is stored.
    const CliResult refused = run(lineSet(id, QStringLiteral("001"), {QStringLiteral("vacationhours=24")}));
    EXPECT_EQ(1, refused.code);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("Zbir sati je veći od dozvoljenog!"))) << refused.err.toStdString();
    EXPECT_EQ(16, number(line(id, QStringLiteral("001")), "vacationhours"));
}

// In the window of a sick leave starting now, January (136 hours at 1 000)
// counts with the two months at 500: 312 000 / 488 hours; going on, January
// is the month it began and only the months at 500 count.
TEST_F(CliLeave, SickLeaveAsksWhetherItStartsNow) {
    const qint64 id = march(QStringLiteral("002"));
    const QStringList sick = lineSet(id, QStringLiteral("002"), {QStringLiteral("workinghours=136"),
                                                                 QStringLiteral("sickhours=40")});
    const CliResult unanswered = run(sick);
    EXPECT_EQ(1, unanswered.code);
    for (const char* said : {"Pitanje bez odgovora", "Da li je ovo početak bolovanja do 30 dana?"})
        EXPECT_TRUE(unanswered.err.contains(QString::fromUtf8(said))) << unanswered.err.toStdString();
    EXPECT_EQ(0, number(line(id, QStringLiteral("002")), "sickhours"));

    ok(QStringList{QStringLiteral("--yes")} + sick);
    EXPECT_EQ(16622.95, number(line(id, QStringLiteral("002")), "sickvalue"));  // 312 000 × 40 / 488 × 65 %
    ok(QStringList{QStringLiteral("--no")} + lineSet(id, QStringLiteral("002"), {QStringLiteral("sickhours=40")}));
    QJsonObject l = line(id, QStringLiteral("002"));
    EXPECT_EQ(13000, number(l, "sickvalue"));  // 500 × 40 × 65 %
    EXPECT_EQ(136000 + 13000, number(l, "salaryvalue"));  // 176 000 × 136 / 176 + the sick pay

    // A new sick percent recalculates the pay; the setting answers the question.
    TDBIniFile(*c).WriteBool(QStringLiteral("Salary"), QStringLiteral("SickStarts"), true);
    ok(lineSet(id, QStringLiteral("002"), {QStringLiteral("sickpercent=100")}));
    l = line(id, QStringLiteral("002"));
    EXPECT_EQ(25573.77, number(l, "sickvalue"));  // 312 000 × 40 / 488
    EXPECT_DOUBLE_EQ(136000 + 25573.77, number(l, "salaryvalue"));
}

TEST_F(CliLeave, LongSickLeaveIsPaidInASickLeaveDocumentOnly) {
    const qint64 regular = march(QStringLiteral("001"));
    ok(lineSet(regular, QStringLiteral("001"), {QStringLiteral("workinghours=100"), QStringLiteral("longsickhours=76")}));
    EXPECT_EQ(0, number(line(regular, QStringLiteral("001")), "longsickvalue"));

    const qint64 sickLeave = newDocument(QStringLiteral("B"), {QStringLiteral("workinghours=176")});
    ok({QStringLiteral("line"), QStringLiteral("add"), QString::number(sickLeave), QStringLiteral("001")});
    ok(lineSet(sickLeave, QStringLiteral("001"), {QStringLiteral("longsickhours=176")}));
    const QJsonObject l = line(sickLeave, QStringLiteral("001"));
    EXPECT_EQ(114400, number(l, "longsickvalue"));  // 1 000 × 176 × 65 %
    EXPECT_EQ(114400, number(l, "salaryvalue"));
    // A sick-leave document checks only its own hours against the fund.
    const CliResult refused =
        run(lineSet(sickLeave, QStringLiteral("001"), {QStringLiteral("maternityleavehours=8")}));
    EXPECT_EQ(1, refused.code);
}

TEST_F(CliLeave, WithRoundTaxesTheGrossStaysWholeAfterACompensation) {
    TDBIniFile(*c).WriteBool(QStringLiteral("Salary"), QStringLiteral("RoundTaxes"), true);
    const qint64 id = march(QStringLiteral("003"));
    ok(lineSet(id, QStringLiteral("003"), {QStringLiteral("workinghours=160"), QStringLiteral("vacationhours=16")}));
    const QJsonObject l = line(id, QStringLiteral("003"));
    EXPECT_EQ(90909, number(l, "regularwork"));        // 100 000 × 160 / 176, whole
    EXPECT_EQ(9090.91, number(l, "vacationvalue"));    // 300 000 × 16 / 528
    EXPECT_EQ(100000, number(l, "salaryvalue"));       // 99 999.91, whole
}

}  // namespace
