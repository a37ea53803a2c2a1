#include "CalcTest.h"
#include "DBIniFile.h"
#include "LineTrace.h"
#include "TraceChecks.h"
#include "db/Connection.h"

#include <QStringList>
#include <QVariantMap>

#include <functional>

// Leave and sick pay of the March 2025 document (paid and accounted on
// 10 April 2025, so averaged over 12 months) from posted documents written
// straight into the database. The minimum gross of the document is
// (47 696 − 2 842.30) / 0.701 = 63 985.31, 363.55 an hour of its 176; 16
// hours at the minimum are 63 985.31 × 16 / 176 = 5 816.85.

namespace {

class LeavePay : public CalcTest {
protected:
    void SetUp() override {
        CalcTest::SetUp();
        if (IsSkipped())
            return;
        employee = AddLine(OnPoints(), {{QStringLiteral("workinghours"), 160}});
    }

    int numbered = 0;  // documents made so far: each has its own number

    // A posted regular document paid on `paid`, with `changes` to its columns; its key.
    qint64 Posted(const QDate& paid, const QVariantMap& changes = {}) {
        QVariantMap columns{{QStringLiteral("salarytype"), QStringLiteral("Z")},
                            {QStringLiteral("year"), paid.addMonths(-1).year()},
                            {QStringLiteral("month"), paid.addMonths(-1).month()},
                            {QStringLiteral("paymentdate"), paid.toString(Qt::ISODate)},
                            {QStringLiteral("accountingdate"), paid.toString(Qt::ISODate)},
                            {QStringLiteral("salarynumber"), ++numbered},
                            {QStringLiteral("status"), QStringLiteral("p")},
                            {QStringLiteral("salarytaxid"), rateSet},
                            {QStringLiteral("partcoefficient"), 100},
                            {QStringLiteral("workinghours"), 176},
                            {QStringLiteral("baudvalue"), 2500},
                            {QStringLiteral("minnetsalaryvalue"), 47696},
                            {QStringLiteral("minsalaryvalue"), 45950},
                            {QStringLiteral("maxsalaryvalue"), 656425},
                            {QStringLiteral("workingyearsincrementpercent"), 0.4}};
        columns.insert(changes);
        return insert(QStringLiteral("salary"), columns);
    }

    // The employee's line in an earlier document: `gross` for `hours` worked, then `changes`.
    void Earned(qint64 salaryId, double gross, double hours, const QVariantMap& changes = {}) {
        QVariantMap columns{{QStringLiteral("salaryid"), salaryId},       {QStringLiteral("employeeid"), employee},
                            {QStringLiteral("coefficient"), 1},           {QStringLiteral("netcoefficient"), 1},
                            {QStringLiteral("regularwork"), gross},       {QStringLiteral("salaryvalue"), gross},
                            {QStringLiteral("workinghours"), hours},      {QStringLiteral("outturn"), 100},
                            {QStringLiteral("sickpercent"), 65}};
        columns.insert(changes);
        insert(QStringLiteral("salaryitem"), columns);
    }

    // Months paid on the 10th, the first a month before the document and each
    // one a month earlier; the gross of month i (from 0) is gross(i).
    void MonthsBack(int count, const std::function<double(int)>& gross, const QDate& latest = QDate(2025, 3, 10)) {
        for (int i = 0; i < count; ++i)
            Earned(Posted(latest.addMonths(-i)), gross(i), 176);
    }
    void MonthsBack(int count, double gross, const QDate& latest = QDate(2025, 3, 10)) {
        MonthsBack(count, [gross](int) { return gross; }, latest);
    }

    void EarlierAverage(int year, int month, double value, double hours) {
        insert(QStringLiteral("employeepreviousaveragevalue"), {{QStringLiteral("employeeid"), employee},
                                                                 {QStringLiteral("year"), year},
                                                                 {QStringLiteral("month"), month},
                                                                 {QStringLiteral("workingvalue"), value},
                                                                 {QStringLiteral("workinghours"), hours}});
    }
    void StoredAverage(double value) {
        db.connection().exec(QStringLiteral("UPDATE employee SET averagesalaryvalue = ? WHERE employeeid = ?"),
                             {value, employee});
    }

    void SetDocument(const Values& changes) {
        if (!dm.SalaryZQ->isEditing())
            dm.SalaryZQ->edit();
        for (const auto& [column, value] : changes)
            dm.SalaryZQ->fieldByName(column)->setValue(value);
    }

    double Vacation(int hours) {
        company.SetLine({{QStringLiteral("vacationhours"), hours}});
        return dm.CalculateVacation();
    }

    void SickLeaveStartsAsSet(bool starts) {
        TDBIniFile(db.connection()).WriteBool(QStringLiteral("Salary"), QStringLiteral("SickStarts"), starts);
    }

    qint64 employee = 0;

private:
    qint64 insert(const QString& table, const QVariantMap& columns) {
        Connection& c = db.connection();
        c.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                   .arg(table, columns.keys().join(QLatin1Char(',')),
                        QStringList(columns.size(), QStringLiteral("?")).join(QLatin1Char(','))),
               columns.values());
        return c.lastInsertId();
    }
};

TEST_F(LeavePay, VacationAveragesThePostedFullMonthsOfTheWindowOnly) {
    // 90 000 to 101 000 with 5 000 meal and 2 000 holiday allowance in each: 1 146 000 in all.
    for (int i = 0; i < 12; ++i)
        Earned(Posted(QDate(2025, 3, 10).addMonths(-i)), 90000 + 1000 * i, 176,
               {{QStringLiteral("mealrefund"), 5000}, {QStringLiteral("vacationrefund"), 2000}});
    // None of these counts: too early, not posted, a part payment, a sick-leave document.
    Earned(Posted(QDate(2024, 3, 10)), 900000, 176);
    Earned(Posted(QDate(2025, 3, 20), {{QStringLiteral("status"), QStringLiteral("n")}}), 900000, 176);
    Earned(Posted(QDate(2025, 3, 25), {{QStringLiteral("partcoefficient"), 50}}), 900000, 176);
    Earned(Posted(QDate(2025, 3, 26), {{QStringLiteral("salarytype"), QStringLiteral("B")}}), 900000, 176);

    EXPECT_EQ(8681.82, Vacation(16));  // 1 146 000 × 16 / (12 × 176)
    // Without the allowances: 1 062 000 × 16 / 2 112.
    dm.Options.MealVacNotIncludedInQuarterlyAverages = true;
    EXPECT_EQ(8045.45, Vacation(16));
    EXPECT_EQ(0.0, Vacation(0));
}

TEST_F(LeavePay, TheTraceOfVacationPayShowsItsMonthsAndEndsInTheStoredLine) {
    MonthsBack(12, [](int i) { return 176000.0 + 1760 * i; });
    company.SetLine({{QStringLiteral("workinghours"), 144}, {QStringLiteral("coefficient"), 30}});
    company.SetLine({{QStringLiteral("vacationvalue"), Vacation(16)}});
    company.CalculateLine();
    company.Apply();
    const TCalcTrace trace = ExplainLine(dm);
    ExpectTraceAddsUpToLine(trace, company);
    // The twelve months of the window, each with its pay, and the amount of the leave.
    int months = 0;
    long double window = 0;
    for (const TTraceStep& step : trace.steps())
        if (step.title.startsWith(QStringLiteral("Mesec "))) {
            ++months;
            window += step.result;
        }
    EXPECT_EQ(12, months);
    EXPECT_NEAR(176000 * 12 + 1760 * 66, double(window), 0.005);
    int amounts = 0;
    for (const TTraceStep& step : trace.steps())
        if ((step.kind == TTraceKind::GrossItem && step.title == QStringLiteral("Godišnji odmor"))
            || step.title == QStringLiteral("Naknada")) {
            ++amounts;
            EXPECT_EQ(Line("vacationvalue"), step.result) << step.title.toStdString();
        }
    EXPECT_EQ(2, amounts);
}

TEST_F(LeavePay, AMonthWithoutWorkedHoursAddsNothingToTheAverage) {
    MonthsBack(12, [](int i) { return i == 5 ? 0.0 : 176000.0; });
    // The month of i = 5 paid only a difference, for no hours worked.
    db.connection().exec(QStringLiteral("UPDATE salaryitem SET workinghours = 0, difference = 50000, "
                                        "salaryvalue = 50000 WHERE salaryvalue = 0"));
    EXPECT_EQ(16000.0, Vacation(16));  // 1 000 an hour over the 11 months worked
}

TEST_F(LeavePay, WithoutHistoryTheStoredOrEnteredAveragesCount) {
    StoredAverage(120000);
    EXPECT_EQ(10909.09, Vacation(16));  // 120 000 × 16 / 176

    StoredAverage(0);
    for (int month = 1; month <= 12; ++month)
        EarlierAverage(2024, month, 100000, 176);
    EarlierAverage(2023, 12, 5000000, 176);  // the thirteenth latest month does not count
    EXPECT_EQ(9090.91, Vacation(16));        // 100 000 × 16 / 176

    // Three months of history at 120 000; the nine missing take the latest entered ones:
    // (9 × 100 000 + 360 000) × 16 / (9 × 176 + 528).
    MonthsBack(3, 120000);
    EXPECT_EQ(9545.45, Vacation(16));
    // A stored average makes the history count alone: 450 000 × 16 / 528.
    db.connection().exec(QStringLiteral("UPDATE salaryitem SET salaryvalue = 150000 WHERE salaryvalue = 120000"));
    StoredAverage(1);
    EXPECT_EQ(13636.36, Vacation(16));
}

TEST_F(LeavePay, WithoutAnyAverageTheCoefficientOrTheMinimumGrossCounts) {
    EXPECT_EQ(5816.85, Vacation(16));  // coefficient 1: the minimum gross

    // 40 × 2 500 = 100 000 with 10 years of 0.4 %: 104 000.
    company.SetLine({{QStringLiteral("coefficient"), 40}, {QStringLiteral("workingyears"), 10}});
    EXPECT_EQ(9454.55, Vacation(16));
    // Decreased by 10 %, to 93 600, above the gross of a 60 000 net (81 537.38).
    SetDocument({{QStringLiteral("netdecreasepercent"), 10}, {QStringLiteral("netdecreaseminvalue"), 60000}});
    EXPECT_EQ(8509.09, Vacation(16));
    // Below it the pay is not decreased.
    SetDocument({{QStringLiteral("netdecreaseminvalue"), 70000}});
    EXPECT_EQ(9454.55, Vacation(16));

    // Allowances inside the points' pay come off it: 100 000 − 6 000 − 2 000.
    SetDocument({{QStringLiteral("netdecreasepercent"), 0}});
    dm.Options.MealVacIncludedInCoeffSal = true;
    company.SetLine({{QStringLiteral("mealrefund"), 6000}, {QStringLiteral("vacationrefund"), 2000}});
    EXPECT_EQ(8363.64, Vacation(16));
}

TEST_F(LeavePay, DocumentsUpTo28July2014AverageOverThreeMonthsLaterOnesOverTwelve) {
    // Paid on the 10th from August 2013 to July 2014: the latest three at
    // 150 000, the nine before at 60 000.
    MonthsBack(12, [](int i) { return i < 3 ? 150000.0 : 60000.0; }, QDate(2014, 7, 10));
    SetDocument({{QStringLiteral("paymentdate"), QDate(2014, 7, 28)},
                 {QStringLiteral("accountingdate"), QDate(2014, 7, 28)}});
    EXPECT_EQ(13636.36, Vacation(16));  // 450 000 × 16 / 528
    SetDocument({{QStringLiteral("accountingdate"), QDate(2014, 7, 29)}});
    EXPECT_EQ(7500.0, Vacation(16));  // 990 000 × 16 / 2 112
    SetDocument({{QStringLiteral("paymentdate"), QDate(2014, 7, 29)},
                 {QStringLiteral("accountingdate"), QDate(2014, 7, 28)}});
    EXPECT_EQ(7500.0, Vacation(16));
}

// The month before the document had 136 hours worked at 2 000 and 40 sick
// hours; the twelve months before it 176 hours at 1 000.
class SickLeave : public LeavePay {
protected:
    void SetUp() override {
        LeavePay::SetUp();
        if (IsSkipped())
            return;
        Earned(Posted(QDate(2025, 3, 10)), 286000, 136,
               {{QStringLiteral("sickhours"), 40}, {QStringLiteral("sickvalue"), 14000}});
        MonthsBack(12, 176000, QDate(2025, 2, 10));
        company.SetLine({{QStringLiteral("workinghours"), 136}, {QStringLiteral("sickhours"), 40}});
    }
};

TEST_F(SickLeave, ASickLeaveThatStartsNowAveragesTheLatestMonths) {
    messages.answerYes();
    // (272 000 + 11 × 176 000) × 40 / (136 + 11 × 176) × 65 %
    EXPECT_EQ(27706.56, dm.CalculateSick());
    ASSERT_EQ(1u, messages.shown.size());
    EXPECT_EQ(QStringLiteral("Da li je ovo početak bolovanja do 30 dana?"), messages.shown[0].text);

    // The setting answers for the user.
    SickLeaveStartsAsSet(true);
    EXPECT_EQ(27706.56, dm.CalculateSick());
    EXPECT_EQ(1u, messages.shown.size());
}

TEST_F(SickLeave, AContinuedSickLeavePassesOverTheMonthItBeganIn) {
    messages.answerNo();
    EXPECT_EQ(26000.0, dm.CalculateSick());  // 12 months from a month further back: 1 000 × 40 × 65 %
}

TEST_F(LeavePay, SickPayNeverFallsBelowTheMinimumGrossForTheSickHours) {
    SickLeaveStartsAsSet(true);
    company.SetLine({{QStringLiteral("workinghours"), 160}, {QStringLiteral("sickhours"), 16}});
    // 65 % of the minimum gross would be 3 780.95.
    EXPECT_EQ(5816.85, dm.CalculateSick());
    StoredAverage(120000);
    EXPECT_EQ(7090.91, dm.CalculateSick());  // 120 000 × 16 / 176 × 65 %
    company.SetLine({{QStringLiteral("sickpercent"), 10}});
    EXPECT_EQ(5816.85, dm.CalculateSick());
}

TEST_F(LeavePay, LongSickLeavePassesOverItsOwnMonthsAndAveragesTheThreeBefore) {
    SetDocument({{QStringLiteral("salarytype"), QStringLiteral("B")}});
    for (const QDate paid : {QDate(2025, 3, 10), QDate(2025, 2, 10)})
        Earned(Posted(paid), 114400, 0, {{QStringLiteral("longsickhours"), 176}, {QStringLiteral("longsickvalue"), 114400}});
    MonthsBack(4, [](int i) { return i == 0 ? 352000.0 : i == 3 ? 880000.0 : 176000.0; }, QDate(2025, 1, 10));
    company.SetLine({{QStringLiteral("workinghours"), 0}, {QStringLiteral("longsickhours"), 176}});
    // (352 000 + 2 × 176 000) × 176 / 528 × 65 %
    EXPECT_EQ(152533.33, dm.CalculateLongSick());
}

TEST_F(LeavePay, ChildCareAndMaternityAverageTheTwelveLatestDocuments) {
    SetDocument({{QStringLiteral("salarytype"), QStringLiteral("B")}});
    MonthsBack(13, [](int i) { return i == 12 ? 880000.0 : 176000.0; }, QDate(2024, 1, 10));
    company.SetLine({{QStringLiteral("workinghours"), 0}, {QStringLiteral("childcareleavehours"), 88},
                     {QStringLiteral("maternityleavehours"), 88}});
    EXPECT_EQ(88000.0, dm.CalculateChildCare());
    EXPECT_EQ(88000.0, dm.CalculateMaternityLeave());
    // Maternity leave leaves overtime out of the hours, but not its pay.
    db.connection().exec(QStringLiteral("UPDATE salaryitem SET overtimehours = 16, salaryvalue = 193600"));
    EXPECT_EQ(96800.0, dm.CalculateMaternityLeave());  // 193 600 / 176 × 88
    EXPECT_EQ(88733.33, dm.CalculateChildCare());      // 193 600 / 192 × 88
}

TEST_F(LeavePay, PaidLeaveTakesItsPercentOfTheAverageButNotOfTheMinimum) {
    MonthsBack(12, 176000);
    dm.Options.PaidLeaveCoef = 80;
    EXPECT_EQ(12800.0, dm.CalculatePaidLeave(16));
    dm.Options.PaidLeaveCoef = 100;
    EXPECT_EQ(Vacation(16), dm.CalculatePaidLeave(16));

    // 400 an hour, 80 % of it below the minimum's 363.55: the minimum, whole.
    db.connection().exec(QStringLiteral("UPDATE salaryitem SET salaryvalue = 70400"));
    dm.Options.PaidLeaveCoef = 80;
    EXPECT_EQ(5816.85, dm.CalculatePaidLeave(16));
}

// The gross of a 200 000 line whose document decreased net pay by 10 % down
// to 60 000 counts as the 180 000 its net before the decrease came from:
// 143 042.30 net, reduced to 129 022.30, is the gross (129 022.30 −
// 2 842.30) / 0.701 = 180 000.
TEST_F(LeavePay, AnEarlierDocumentThatDecreasedNetPayCountsWithTheDecrease) {
    MonthsBack(11, 176000, QDate(2025, 2, 10));
    Earned(Posted(QDate(2025, 3, 10),
                  {{QStringLiteral("netdecreasepercent"), 10}, {QStringLiteral("netdecreaseminvalue"), 60000}}),
           200000, 176, {{QStringLiteral("paymentvalue"), 143042.30}});
    EXPECT_EQ(16030.30, Vacation(16));  // (11 × 176 000 + 180 000) × 16 / 2 112
}

TEST_F(LeavePay, AWindowWithoutMonthHoursPaysTheMinimumWithoutDividingByZero) {
    Earned(Posted(QDate(2025, 3, 10), {{QStringLiteral("workinghours"), 0}}), 0, 0);
    SetDocument({{QStringLiteral("workinghours"), 0}});
    StoredAverage(120000);
    EXPECT_EQ(0.0, Vacation(16));  // the minimum for a month of no hours
}

TEST_F(LeavePay, ABulkOperationReadsTheHistoryOfAllItsEmployeesOnce) {
    MonthsBack(12, 176000);
    const quint64 before = db.connection().statementCount();
    EXPECT_EQ(16000.0, Vacation(16));
    EXPECT_EQ(2u, db.connection().statementCount() - before);  // one line: two queries

    dm.PreloadLeaveHistory();
    const quint64 preloaded = db.connection().statementCount();
    EXPECT_EQ(16000.0, Vacation(16));
    EXPECT_EQ(8000.0, Vacation(8));
    EXPECT_EQ(preloaded, db.connection().statementCount());
    dm.ForgetLeaveHistory();
    EXPECT_EQ(16000.0, Vacation(16));
    EXPECT_EQ(preloaded + 2, db.connection().statementCount());
}

}  // namespace
