#include "ScriptedMonth.h"

// A regular month with one employee on every pay basis.

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
                                    "('050', 'Neda', 'Netobodovi', 'y', 1, 1, 700, 0, 0, 'n')"));
    }

    qint64 marchWithMinimumWage() {
        return newDocument(QStringLiteral("Z"), {QStringLiteral("workinghours=176"), MinimumNetPrice});
    }
};

// The minimum gross of the month: (300 × 176 − 2 842.30) / 0.701.
constexpr double MinimumGross = 71266.33;

}  // namespace

// Points worth less than the minimum wage, and a net on points below the tax
// relief, were added without the minimum gross: the net came out negative
// and `line add-all` was refused ("Neto" invalid).
TEST_F(PayBasisMonth, AddAllLiftsPayBelowTheMinimumWageToTheMinimumGross) {
    addEmployees(QStringLiteral("('060', 'Malo', 'Bodova', 'y', 1, 20, 1, 0, 0, 'n'), "
                                "('070', 'Malo', 'Netobodova', 'y', 1, 1, 20, 0, 0, 'n')"));
    const qint64 id = marchWithMinimumWage();
    EXPECT_EQ(QStringLiteral("7"), addAll(id).out.trimmed());
    for (const char* code : {"010", "060", "070"}) {
        const QJsonObject l = line(id, QLatin1String(code));
        EXPECT_EQ(MinimumGross, number(l, "regularwork")) << code;
        EXPECT_EQ(MinimumGross, number(l, "salaryvalue")) << code;
        EXPECT_NEAR(52800, number(l, "paymentvalue"), 0.011) << code;  // the minimum net wage
    }
}
