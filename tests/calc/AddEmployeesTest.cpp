#include "CalcTest.h"
#include "db/Connection.h"

// Adding every employee of the register to a regular document.

namespace {

class AddEmployees : public CalcTest {
protected:
    qint64 Employee(const char* code, double gross) {
        EmployeeSpec e = AgreedGross(gross);
        e.code = QLatin1String(code);
        const qint64 id = company.AddEmployee(e);
        // The register's coefficients, which a line must not have as 0.
        dm.ZConnection()->exec(QStringLiteral("UPDATE employee SET coefficient = 1, netcoefficient = 1 WHERE employeeid = ?"),
                               {id});
        return id;
    }

    // The statements adding all employees sends, and the lines' deductions.
    quint64 AddAll(QList<double>& credits) {
        Connection& connection = *dm.ZConnection();
        dm.ForgetCalculationSets();
        const quint64 before = connection.statementCount();
        EXPECT_EQ(3, dm.AddAllActiveEmployees());
        const quint64 statements = connection.statementCount() - before;
        credits.clear();
        TDataSet& lines = *dm.SalaryItemZQ;
        for (lines.first(); !lines.eof(); lines.next())
            credits << Line("credits");
        return statements;
    }

    double Line(const char* column) { return company.Line(column); }
};

}  // namespace

// The deduction sets are read all at once: the lines take the same
// deductions as when each set is read on its own, and the statements do not
// grow with the number of sets.
TEST_F(AddEmployees, EveryLineTakesItsDeductionSetReadWithAllTheOthers) {
    dm.ConnectRecalculationTriggers();
    const qint64 first = Employee("001", 120000);
    const qint64 second = Employee("002", 90000);
    Employee("003", 80000);
    QList<double> without;
    const quint64 statementsWithout = AddAll(without);
    EXPECT_EQ(QList<double>({0, 0, 0}), without);
    dm.SalaryCancel();
    company.OpenNewDocument();

    company.AddDeductionSet(first, {{{QStringLiteral("creditpercent"), 5}}, {{QStringLiteral("creditvalue"), 3000}}});
    company.AddDeductionSet(second, {{{QStringLiteral("creditgrosspercent"), 1}}});
    QList<double> credits;
    EXPECT_EQ(statementsWithout, AddAll(credits));

    // Each line again, its set read alone.
    TDataSet& lines = *dm.SalaryItemZQ;
    int row = 0;
    for (lines.first(); !lines.eof(); lines.next(), ++row) {
        dm.ForgetCalculationSets();
        lines.edit();
        dm.CalculateDeductions();
        EXPECT_EQ(credits[row], Line("credits")) << "line " << row + 1;
    }
    EXPECT_GT(credits[0], 3000);  // 5 % of the decreased net and 3 000
    EXPECT_EQ(900, credits[1]);   // 1 % of the gross of 90 000
    EXPECT_EQ(0, credits[2]);
}
