#include "CalcTest.h"

#include <cmath>
#include <random>
#include <vector>

namespace {

class NetToGross : public CalcTest {
protected:
    // Types the net on the current line and lets net to gross run.
    void TypeNet(double net) {
        company.SetLine({{QStringLiteral("paymentvalue"), net}});
        dm.CalculateGrossFromNet();
    }
};

}  // namespace

TEST_F(NetToGross, TheTypedNetGivesItsGrossAndWhatTheAgreementDoesNotExplainIsTheDifference) {
    AddLine(AgreedGross(100000));
    TypeNet(72942.30);  // the net of the agreed gross
    EXPECT_EQ((std::vector<double>{100000, 100000, 0}),
              (std::vector<double>{Line("salaryvalue"), Line("regularwork"), Line("difference")}));
    EXPECT_DOUBLE_EQ(72942.30, Line("paymentvalue"));
    EXPECT_FALSE(dm.Calculating);

    AddLine(AgreedGross(100000));
    TypeNet(80000);  // (80 000 − 2 842.30) / 0.701
    EXPECT_EQ((std::vector<double>{110068.05, 100000, 10068.05}),
              (std::vector<double>{Line("salaryvalue"), Line("regularwork"), Line("difference")}));
    EXPECT_DOUBLE_EQ(80000.0, Line("paymentvalue"));
}

// What the iteration settles on: within a few para of the typed net.
TEST_F(NetToGross, TheIterationFindsTheCappedContributionsAndThePensionRelief) {
    // The estimate, 851 865.48, ignores the capped contributions; the first
    // step goes down by 38 892.65 and the iteration goes on until it settles.
    AddLine(AgreedNet(600000));
    TypeNet(600000);
    EXPECT_EQ(808651.47, Line("salaryvalue"));
    EXPECT_DOUBLE_EQ(600000.04, Line("paymentvalue"));

    AddLine(AgreedGross(100000), {{QStringLiteral("voluntarypension"), 3000}});
    TypeNet(80000);
    EXPECT_EQ(109640.40, Line("salaryvalue"));
    EXPECT_DOUBLE_EQ(80000.22, Line("paymentvalue"));
}

TEST_F(NetToGross, RoundTaxesTakesTheTypedNetToTheDinarFirst) {
    dm.Options.RoundTaxes = true;
    AddLine(AgreedGross(100000));
    TypeNet(80000.40);
    const double gross = Line("salaryvalue");
    EXPECT_EQ(std::round(gross), gross);
    EXPECT_DOUBLE_EQ(80000.0, Line("paymentvalue"));
}

TEST_F(NetToGross, RegularWorkFollowsThePayBasis) {
    // Half a month, 10 years of service, meal and holiday allowances.
    const Values half{{QStringLiteral("workinghours"), 88},
                      {QStringLiteral("workingyears"), 10},
                      {QStringLiteral("mealrefund"), 6000},
                      {QStringLiteral("vacationrefund"), 2000}};
    AddLine(AgreedGross(100000), half);
    TypeNet(50000);
    EXPECT_EQ(43269.23, Line("regularwork"));  // (50 000 − 3 000 − 2 000) / 1.04
    AddLine(AgreedNet(40000), half);
    TypeNet(50000);
    // 20 000 of net with half the relief is 26 503.35 of gross, less 5 000, / 1.04.
    EXPECT_EQ(20676.30, Line("regularwork"));
    AddLine(OnPoints(), half);
    company.SetLine({{QStringLiteral("coefficient"), 40}});
    TypeNet(50000);
    EXPECT_EQ(50000.0, Line("regularwork"));  // 40 × 2 500 / 2
    AddLine(OnPoints(), half);
    company.SetLine({{QStringLiteral("netcoefficient"), 30}});
    TypeNet(50000);
    EXPECT_EQ(51467.69, Line("regularwork"));  // 37 500 of net with half the relief
    AddLine(MinimumWage(), half);
    TypeNet(50000);
    EXPECT_EQ(31992.65, Line("regularwork"));
    dm.Options.MealVacIncludedInMinSal = true;
    TypeNet(50000);
    EXPECT_EQ(25954.47, Line("regularwork"));  // (31 992.65 − 3 000 − 2 000) / 1.04
}

TEST_F(NetToGross, TheIterationStopsAfterAHundredStepsWhenItCannotSettle) {
    // A set whose employee items take more than the gross has no fixed point:
    // every step grows. The gross of the hundredth step is kept.
    RateSpec absurd{QStringLiteral("Greška u stopama"), 60};
    company.AddRateSet({absurd, absurd});
    company.OpenNewDocument();
    AddLine(AgreedGross(100000));
    TypeNet(50000);
    EXPECT_TRUE(std::isfinite(Line("salaryvalue")));
    EXPECT_FALSE(dm.Calculating);
}

TEST_F(NetToGross, TransportDocumentsTaxOnlyAboveTheProratedFreeAmount) {
    company.OpenNewDocument({{QStringLiteral("salarytype"), QStringLiteral("P")},
                             {QStringLiteral("workinghours"), 160},
                             {QStringLiteral("taxpercent"), 10},
                             {QStringLiteral("taxfreevalue"), 3000}});
    AddLine(OnPoints(), {{QStringLiteral("workinghours"), 80}, {QStringLiteral("paymentvalue"), 1500}});
    dm.CalculateOtherGrossFromNet();
    EXPECT_EQ(1500.0, Line("salaryvalue"));
    company.SetLine({{QStringLiteral("paymentvalue"), 2000}});
    dm.CalculateOtherGrossFromNet();
    EXPECT_EQ(2055.56, Line("salaryvalue"));  // 500 / 0.9 + 1 500
    dm.Options.ProportionallyCalculateTaxTransport = false;
    dm.CalculateOtherGrossFromNet();
    EXPECT_EQ(2000.0, Line("salaryvalue"));
    company.SetLine({{QStringLiteral("paymentvalue"), 4800}});
    dm.CalculateOtherGrossFromNet();
    EXPECT_EQ(5000.0, Line("salaryvalue"));  // 1 800 / 0.9 + 3 000
}

// Typing a line's net and letting net to gross and the net run gives back
// that net, for a thousand lines of every pay basis, working state, hours,
// allowances and options, with and without RoundTaxes.
class NetToGrossSweep : public CalcTest, public ::testing::WithParamInterface<bool> {};

TEST_P(NetToGrossSweep, GivesBackTheTypedNet) {
    const bool roundTaxes = GetParam();
    dm.Options.RoundTaxes = roundTaxes;
    std::mt19937 random(roundTaxes ? 19 : 2025);
    const auto pick = [&](int from, int to) { return std::uniform_int_distribution<int>(from, to)(random); };
    const qint64 employee = company.AddEmployee(EmployeeSpec{QStringLiteral("S1")});
    int worst = 0;
    double worstError = 0;
    for (int i = 0; i < 1000; ++i) {
        EmployeeSpec e;
        switch (i % 5) {
        case 0: e.minsalary = true; break;
        case 1: e.arrangedsalaryvalue = pick(40, 900) * 1000; break;
        case 2: e.arrangedpaymentvalue = pick(30, 600) * 1000; break;
        default: break;
        }
        const int states[] = {1, 1, 1, 9, 19};
        e.workingstateid = states[pick(0, 4)];
        const int vacation = pick(0, 2) == 0 ? 8 * pick(1, 10) : 0;
        const int night = pick(0, 3) == 0 ? pick(1, 30) : 0;
        const int sick = pick(0, 5) == 0 ? 8 * pick(1, 5) : 0;
        const int gap = pick(0, 3) == 0 ? pick(1, 50) : 0;  // part-time
        company.AddLine(employee, e,
                        {{QStringLiteral("workinghours"), 176 - vacation - night - sick - gap},
                         {QStringLiteral("vacationhours"), vacation},
                         {QStringLiteral("nightworkinghours"), night},
                         {QStringLiteral("sickhours"), sick},
                         {QStringLiteral("overtimehours"), pick(0, 3) == 0 ? pick(1, 21) / 2.0 : 0},
                         {QStringLiteral("coefficient"), i % 5 == 3 ? pick(3, 60) : 1},
                         {QStringLiteral("netcoefficient"), i % 5 == 4 ? pick(3, 60) : 1},
                         {QStringLiteral("workingyears"), pick(0, 35)},
                         {QStringLiteral("mealrefund"), pick(0, 1) * 6000},
                         {QStringLiteral("vacationrefund"), pick(0, 1) * 2000},
                         {QStringLiteral("voluntarypension"), pick(0, 2) == 0 ? pick(1, 12) * 1000 : 0}});
        dm.Options.MealVacIncludedInMinSal = pick(0, 1);
        dm.Options.MealVacNotIncludedInArranSal = pick(0, 1);
        dm.Options.MealVacIncludedInCoeffSal = pick(0, 1);
        const double typed = pick(1500000, 90000000) / 100.0;
        company.SetLine({{QStringLiteral("paymentvalue"), typed}});
        dm.CalculateGrossFromNet();
        const double wanted = roundTaxes ? std::nearbyint(typed) : typed;
        const double error = std::fabs(Line("paymentvalue") - wanted);
        if (error > worstError) {
            worstError = error;
            worst = i;
        }
        dm.SalaryItemZQ->cancel();
    }
    EXPECT_GT(1.0, worstError) << "line " << worst;
}

INSTANTIATE_TEST_SUITE_P(RoundTaxes, NetToGrossSweep, ::testing::Bool());
