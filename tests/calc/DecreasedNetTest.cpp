#include "CalcTest.h"

#include <vector>

// A document that reduces net pay by 10 %, down to a net of 60 000 for a
// full month of worked hours.

namespace {

class DecreasedNet : public CalcTest {
protected:
    void SetUp() override {
        CalcTest::SetUp();
        if (IsSkipped())
            return;
        company.OpenNewDocument({{QStringLiteral("netdecreasepercent"), 10},
                                 {QStringLiteral("netdecreaseminvalue"), 60000}});
    }

    // A full month of regular work paid `gross`, with its net.
    void AddPaid(double gross, const Values& changes = {}) {
        AddLine(AgreedGross(gross), {{QStringLiteral("regularwork"), gross}, {QStringLiteral("salaryvalue"), gross}});
        company.SetLine(changes);
        dm.CalculateNet();
    }
};

struct Outputs {
    double regularNet = -1, otherNet = -1, workNet = -1, workGross = -1, pensionRelief = -1;
};

Outputs PreDecreased(TSalaryDM& dm, qint64 salaryId, qint64 salaryItemId, double percent) {
    Outputs o;
    dm.CalculatePreDecreasedNetValueFromGrossValue(salaryId, salaryItemId, percent, o.regularNet, o.otherNet,
                                                   o.workNet, o.workGross, o.pensionRelief);
    return o;
}

}  // namespace

TEST_F(DecreasedNet, WithoutAPercentageTheNetIsNotReduced) {
    company.OpenNewDocument();
    AddPaid(150000);
    dm.CalculateDecreasedNet();
    EXPECT_EQ(107992.30, Line("paymentdecreasedvalue"));
    EXPECT_DOUBLE_EQ(107992.30, Line("paymentnetvalue"));
    EXPECT_DOUBLE_EQ(0.0, Line("credits"));
}

TEST_F(DecreasedNet, AHighNetIsReducedByThePercentage) {
    AddPaid(150000);  // net 107 992.30
    dm.CalculateDecreasedNet();
    // 135 000 less its 37 522.70 of contributions and tax.
    EXPECT_EQ(97477.30, Line("paymentdecreasedvalue"));
    EXPECT_DOUBLE_EQ(107992.30, Line("paymentvalue"));
}

TEST_F(DecreasedNet, ANetBetweenTheTwoIsReducedOnlyDownToTheThreshold) {
    // 86 538.46 of regular work with 10 years of service is 90 000 of gross,
    // 65 932.30 of net; reduced, its worked hours would net 57 439.41.
    AddPaid(90000, {{QStringLiteral("regularwork"), 86538.46}, {QStringLiteral("workingyears"), 10}});
    dm.CalculateDecreasedNet();
    EXPECT_EQ(60000.0, Line("paymentdecreasedvalue"));
    // Compared through regular work instead: the regular work whose net is
    // the threshold (81 537.38) with its years of service, 84 798.88 of gross.
    dm.Options.CompareNetDecreaseMinValueRegularWork = true;
    dm.CalculateDecreasedNet();
    EXPECT_EQ(62286.31, Line("paymentdecreasedvalue"));
}

TEST_F(DecreasedNet, ANetAtOrBelowTheThresholdIsKept) {
    AddPaid(60000);
    dm.CalculateDecreasedNet();
    EXPECT_EQ(44902.30, Line("paymentdecreasedvalue"));
}

TEST_F(DecreasedNet, LeaveAndThePensionReliefAreNotReducedOnTheCurrentOrAStoredLine) {
    // 136 worked hours and 40 of annual leave; a voluntary pension of 3 000.
    AddPaid(155909.09, {{QStringLiteral("regularwork"), 115909.09},
                        {QStringLiteral("workinghours"), 136},
                        {QStringLiteral("vacationhours"), 40},
                        {QStringLiteral("vacationvalue"), 40000},
                        {QStringLiteral("voluntarypension"), 3000}});
    EXPECT_DOUBLE_EQ(112434.57, Line("paymentvalue"));
    dm.CalculateDecreasedNet();
    // Reduced regular net 75 323.35, the rest of the net 28 685.98, relief 300.
    EXPECT_EQ(104309.33, Line("paymentdecreasedvalue"));
    EXPECT_DOUBLE_EQ(3000.0, Line("credits"));
    EXPECT_DOUBLE_EQ(101309.33, Line("paymentnetvalue"));

    // Its parts, of the line being edited and of the same line read from the database.
    company.Apply();
    const auto parts = [&](qint64 salaryId, qint64 lineId) {
        const Outputs o = PreDecreased(dm, salaryId, lineId, 10);
        return std::vector<double>{o.regularNet, o.otherNet, o.workNet, o.workGross, o.pensionRelief};
    };
    const std::vector<double> current = parts(0, 0);
    EXPECT_EQ(75323.35, current[0]);
    EXPECT_DOUBLE_EQ(112434.57 - 300 - 75323.35, current[1]);
    EXPECT_EQ((std::vector<double>{75323.35, 104318.18, 300}), std::vector<double>(current.begin() + 2, current.end()));
    const qint64 salaryId = dm.SalaryZQ->fieldByName(QStringLiteral("salaryid"))->asLargeInt();
    const qint64 lineId = dm.SalaryItemZQ->fieldByName(QStringLiteral("salaryitemid"))->asLargeInt();
    dm.SalaryItemZQ->close();  // nothing of the open document is used
    EXPECT_EQ(current, parts(salaryId, lineId));
    EXPECT_EQ(std::vector<double>(5, -1.0), parts(salaryId, lineId + 1000)) << "no such line";
}

TEST_F(DecreasedNet, WorkGrossIsWrittenLastWhenItSharesAVariableWithTheRelief) {
    AddPaid(150000, {{QStringLiteral("voluntarypension"), 3000}});
    double regularNet = 0, otherNet = 0, workNet = 0, shared = 0;
    dm.CalculatePreDecreasedNetValueFromGrossValue(0, 0, 10, regularNet, otherNet, workNet, shared, shared);
    EXPECT_EQ(135000.0, shared);
}

// The deduction rule: the voluntary pension and each deduction of the
// line's set are taken from the decreased net.

namespace {

class Deductions : public CalcTest {
protected:
    void AddPaidWithDeductions(const QList<Values>& deductions, const Values& changes = {}) {
        const qint64 employee = company.AddEmployee(AgreedGross(100000));
        const qint64 set = company.AddDeductionSet(employee, deductions);
        company.AddLine(employee, AgreedGross(100000),
                        {{QStringLiteral("salaryvalue"), 100000}, {QStringLiteral("salarycreditid"), set}});
        company.SetLine(changes);
        dm.CalculateNet();  // 72 942.30
        dm.CalculateDecreasedNet();
    }
};

Values Deduction(const char* column, double value, const QDate& expiry = {}) {
    return {{QLatin1String(column), value}, {QStringLiteral("expirydate"), expiry}};
}

}  // namespace

TEST_F(Deductions, EachTakesItsFirstNonZeroBasisUntilItExpires) {
    // The document is paid on 10 April 2025.
    AddPaidWithDeductions({{{QStringLiteral("creditpercent"), 10}, {QStringLiteral("creditvalue"), 5000}},
                           Deduction("creditgrosspercent", 2),
                           Deduction("creditvalue", 1500.50),
                           Deduction("creditvalue", 9999, QDate(2025, 4, 9)),
                           Deduction("creditvalue", 100, QDate(2025, 4, 10)),
                           Deduction("creditvalue", 200)});
    // 7 294.23 of the net, 2 000 of the gross, 1 500.50, nothing, 100, 200.
    EXPECT_DOUBLE_EQ(11094.73, Line("credits"));
    EXPECT_DOUBLE_EQ(61847.57, Line("paymentnetvalue"));
    EXPECT_EQ(72942.30, Line("paymentdecreasedvalue"));
}

TEST_F(Deductions, TheAmountForPaymentMayGoBelowZero) {
    AddPaidWithDeductions({Deduction("creditvalue", 100000)});
    EXPECT_DOUBLE_EQ(72942.30 - 100000, Line("paymentnetvalue"));
}

TEST_F(Deductions, TransportDocumentsTakeNone) {
    company.OpenNewDocument({{QStringLiteral("salarytype"), QStringLiteral("P")}});
    AddPaidWithDeductions({Deduction("creditvalue", 1000)}, {{QStringLiteral("voluntarypension"), 2000}});
    EXPECT_DOUBLE_EQ(0.0, Line("credits"));
    EXPECT_DOUBLE_EQ(Line("paymentdecreasedvalue"), Line("paymentnetvalue"));
}

TEST_F(Deductions, CalculatedAgainAfterTheLineGetsAnotherSet) {
    AddPaidWithDeductions({Deduction("creditvalue", 1000)});
    EXPECT_DOUBLE_EQ(1000.0, Line("credits"));
    const qint64 employee = company.AddEmployee(AgreedGross(1));
    company.SetLine({{QStringLiteral("salarycreditid"),
                      company.AddDeductionSet(employee, {Deduction("creditgrosspercent", 1)})}});
    dm.CalculateDeductions();
    EXPECT_DOUBLE_EQ(1000.0, Line("credits"));  // 1 % of 100 000
    company.SetLine({{QStringLiteral("salarycreditid"), 0}});
    dm.CalculateDeductions();
    EXPECT_DOUBLE_EQ(0.0, Line("credits"));
}
