#include "CalcTest.h"

// The calculation keeps the values it read; these tests change them in the
// ways the editor does and check that no stale value is used.

namespace {

using KeptValues = CalcTest;

}  // namespace

TEST_F(KeptValues, EditsMadeByChangeHandlersAreFollowed) {
    // Wired as the editor wires them: a new gross recalculates the net, a new
    // net the decreased net.
    TDataSet& lines = *dm.SalaryItemZQ;
    lines.fieldByName(QStringLiteral("salaryvalue"))->OnChange = [&](TField&) {
        if (!dm.Calculating)
            dm.CalculateNet();
    };
    lines.fieldByName(QStringLiteral("paymentvalue"))->OnChange = [&](TField&) { dm.CalculateDecreasedNet(); };
    AddLine(AgreedGross(100000), {{QStringLiteral("regularwork"), 100000}});
    company.SetLine({{QStringLiteral("salaryvalue"), dm.CalculateGross(Line("regularwork"))}});
    EXPECT_DOUBLE_EQ(72942.30, Line("paymentnetvalue"));
    company.SetLine({{QStringLiteral("regularwork"), 150000}, {QStringLiteral("increment"), 1000}});
    company.SetLine({{QStringLiteral("salaryvalue"), dm.CalculateGross(Line("regularwork"))}});
    EXPECT_EQ(151000.0, Line("salaryvalue"));
    EXPECT_DOUBLE_EQ(151000 - 30049.00 - 12257.70, Line("paymentnetvalue"));
}

TEST_F(KeptValues, AnotherLineIsReadAfresh) {
    AddLine(AgreedGross(100000), {{QStringLiteral("salaryvalue"), 100000}});
    dm.CalculateNet();
    AddLine(AgreedGross(50000), {{QStringLiteral("salaryvalue"), 50000}});
    dm.CalculateNet();
    EXPECT_DOUBLE_EQ(50000 - 9950 - 2157.70, Line("paymentvalue"));
    dm.SalaryItemZQ->first();
    EXPECT_DOUBLE_EQ(72942.30, Line("paymentvalue"));
    dm.SalaryItemZQ->edit();
    dm.CalculateNet();
    EXPECT_DOUBLE_EQ(72942.30, Line("paymentvalue"));
}

TEST_F(KeptValues, ARateChangedInTheRateItemsIsUsedAtOnce) {
    AddLine(AgreedGross(100000), {{QStringLiteral("salaryvalue"), 100000}});
    dm.CalculateNet();
    EXPECT_DOUBLE_EQ(72942.30, Line("paymentvalue"));
    TDataSet& rates = *dm.SalaryTaxItemZQ;
    ASSERT_TRUE(rates.locate(QStringLiteral("taxname"), QStringLiteral("Porez na zarade")));
    rates.edit();
    rates.fieldByName(QStringLiteral("taxpercent"))->setAsFloat(12);
    rates.post();
    dm.CalculateNet();
    EXPECT_DOUBLE_EQ(72942.30 - 2 * 715.77, Line("paymentvalue"));  // 12 % of 71 577 instead of 10 %
}

// The document's cap of the voluntary pension's relief, changed.
TEST_F(KeptValues, AChangeOfTheDocumentIsRead) {
    AddLine(AgreedGross(100000), {{QStringLiteral("salaryvalue"), 100000}, {QStringLiteral("voluntarypension"), 3000}});
    dm.CalculateNet();
    EXPECT_DOUBLE_EQ(73242.30, Line("paymentvalue"));
    dm.SalaryZQ->edit();
    for (const auto& [cap, net] : {std::pair{2000.0, 73142.30}, std::pair{0.0, 72942.30}}) {
        dm.SalaryZQ->fieldByName(QStringLiteral("voluntarypensiontaxfreevalue"))->setAsFloat(cap);
        dm.CalculateNet();
        EXPECT_DOUBLE_EQ(net, Line("paymentvalue")) << "cap " << cap;
    }
}
