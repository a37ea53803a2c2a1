#include "CalcTest.h"
#include "LineTrace.h"
#include "TraceChecks.h"

// The trace of a line is the calculation's own: for every pay basis it ends
// in the stored net and amount for payment and its steps add up.

namespace {

using LineTrace = CalcTest;

// The steps whose title starts with `title`.
int StepsTitled(const TCalcTrace& trace, const QString& title) {
    int count = 0;
    for (const TTraceStep& step : trace.steps())
        count += step.title.startsWith(title) ? 1 : 0;
    return count;
}

}  // namespace

TEST_F(LineTrace, EveryPayBasisEndsInTheStoredNetAndAmountForPayment) {
    company.OpenNewDocument({{QStringLiteral("netdecreasepercent"), 10},
                             {QStringLiteral("netdecreaseminvalue"), 60000},
                             {QStringLiteral("mealrefund"), 6000}});
    const struct {
        const char* basis;
        EmployeeSpec employee;
        Values line;
    } lines[] = {
        {"minimalna zarada", MinimumWage(), {}},
        {"ugovoreni bruto", AgreedGross(180000), {{QStringLiteral("voluntarypension"), 3000}}},
        {"ugovoreni neto", AgreedNet(90000), {{QStringLiteral("absencehours"), 8}, {QStringLiteral("absencevalue"), 2088.64}}},
        {"koeficijent", OnPoints(), {{QStringLiteral("coefficient"), 40}}},
        {"neto koeficijent", OnPoints(), {{QStringLiteral("netcoefficient"), 30}}},
    };
    for (const auto& l : lines) {
        SCOPED_TRACE(l.basis);
        const qint64 employee = company.AddEmployee(l.employee);
        const qint64 deductions = company.AddDeductionSet(
            employee, {{{QStringLiteral("creditpercent"), 5}},
                       {{QStringLiteral("creditvalue"), 3000}, {QStringLiteral("expirydate"), QDate(2025, 1, 31)}}});
        Values changes{{QStringLiteral("workinghours"), 144}, {QStringLiteral("nightworkinghours"), 16},
                       {QStringLiteral("overtimehours"), 4},  {QStringLiteral("workingyears"), 12},
                       {QStringLiteral("mealrefund"), 6000},  {QStringLiteral("salarycreditid"), deductions}};
        changes += l.line;
        company.AddLine(employee, l.employee, changes);
        company.CalculateLine();
        company.Apply();
        dm.SalaryItemZQ->last();
        const TCalcTrace trace = ExplainLine(dm);
        ExpectTraceAddsUpToLine(trace, company);
        EXPECT_EQ(1, StepsTitled(trace, QStringLiteral("Osnov zarade: ") + QString::fromUtf8(l.basis)));
        EXPECT_EQ(2, StepsTitled(trace, QStringLiteral("Noćni rad")));  // hours × price, then the gross item
    }
}

TEST_F(LineTrace, ATypedNetShowsTheStepsFromNetToGross) {
    const EmployeeSpec e = AgreedGross(150000);
    AddLine(e);
    company.CalculateLine();
    dm.ConnectRecalculationTriggers();
    company.SetLine({{QStringLiteral("paymentvalue"), 100000}});
    company.Apply();
    const TCalcTrace trace = ExplainLine(dm);
    ExpectTraceAddsUpToLine(trace, company);
    EXPECT_EQ(1, StepsTitled(trace, QStringLiteral("Neto je unet")));
    EXPECT_LE(1, StepsTitled(trace, QStringLiteral("Korak")));
    EXPECT_NEAR(100000, trace.last(TTraceKind::Net), 0.5);
}
