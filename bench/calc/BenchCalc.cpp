// Full calculation of one salary line (regular work, supplements, gross,
// net, decreased net with two deductions) over 10,000 prepared lines of
// mixed pay bases. Items per second are lines per second.

#include "DatabaseSchema.h"
#include "PayrollFixture.h"
#include "ScriptedMessages.h"
#include "db/Connection.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

constexpr int LineCount = 10000;

// A document with a 10 % net decrease above 60 000 and 10,000 lines whose
// employees are paid on every basis, with night, overtime, holiday and
// leave hours, allowances, years of service and two deductions each.
class PreparedPayroll {
public:
    PreparedPayroll() {
        connection.open(*DbUrl::parse(QStringLiteral("sqlite:") + dir.filePath(QStringLiteral("bench.db"))));
        PrepareDatabase(connection);
        dm.SetMessages(&messages);
        dm.SetZConnection(&connection);
        dm.LoadOptions();
        company.AddRateSet(SerbianRates());
        std::vector<qint64> employees;
        for (int basis = 0; basis < 5; ++basis) {
            EmployeeSpec e;
            e.code = QString::number(basis + 1);
            employees.push_back(company.AddEmployee(e));
        }
        const qint64 deductions = company.AddDeductionSet(
            employees.front(), {{{QStringLiteral("creditpercent"), 5}},
                                {{QStringLiteral("creditvalue"), 3000}, {QStringLiteral("expirydate"), QDate(2026, 1, 1)}}});
        company.OpenNewDocument({{QStringLiteral("netdecreasepercent"), 10},
                                 {QStringLiteral("netdecreaseminvalue"), 60000},
                                 {QStringLiteral("mealrefund"), 6000},
                                 {QStringLiteral("vacationrefund"), 2000}});
        dm.CalculatedMinNetSalaryGross = 63985.31;

        std::mt19937 random(2025);
        const auto pick = [&](int from, int to) { return std::uniform_int_distribution<int>(from, to)(random); };
        dm.SalaryItemZQ->disableControls();
        for (int i = 0; i < LineCount; ++i) {
            const int basis = i % 5;
            EmployeeSpec e;
            e.minsalary = basis == 0;
            e.arrangedsalaryvalue = basis == 1 ? pick(60, 400) * 1000 : 0;
            e.arrangedpaymentvalue = basis == 2 ? pick(45, 300) * 1000 : 0;
            const int night = pick(0, 3) == 0 ? pick(1, 40) : 0;
            const int holiday = pick(0, 4) == 0 ? 8 : 0;
            const int vacation = pick(0, 3) == 0 ? 8 * pick(1, 10) : 0;
            company.AddLine(employees[size_t(basis)], e,
                            {{QStringLiteral("workinghours"), PayrollFixture::MonthHours - night - holiday - vacation},
                             {QStringLiteral("nightworkinghours"), night},
                             {QStringLiteral("holidayworkinghours"), holiday},
                             {QStringLiteral("vacationhours"), vacation},
                             {QStringLiteral("vacationvalue"), vacation * 600},
                             {QStringLiteral("overtimehours"), pick(0, 4) == 0 ? pick(1, 20) / 2.0 : 0},
                             {QStringLiteral("coefficient"), basis == 3 ? pick(20, 90) / 2.0 : 1},
                             {QStringLiteral("netcoefficient"), basis == 4 ? pick(15, 70) / 2.0 : 1},
                             {QStringLiteral("workingyears"), pick(0, 35)},
                             {QStringLiteral("mealrefund"), 6000},
                             {QStringLiteral("vacationrefund"), 2000},
                             {QStringLiteral("voluntarypension"), pick(0, 3) == 0 ? 3000 : 0},
                             {QStringLiteral("salarycreditid"), deductions}});
            dm.SalaryItemZQ->post();
        }
        dm.SalaryItemZQ->enableControls();
    }

    QTemporaryDir dir;
    Connection connection;
    ScriptedMessages messages;
    TSalaryDM dm;
    PayrollFixture company{dm};
};

PreparedPayroll& payroll() {
    static auto prepared = std::make_unique<PreparedPayroll>();
    return *prepared;
}

// The calculation alone: each line is calculated and its edit dropped, so
// that every pass starts from the same prepared lines.
void BM_CalculateLine(benchmark::State& state) {
    PreparedPayroll& p = payroll();
    TDataSet& lines = *p.dm.SalaryItemZQ;
    for (auto _ : state) {
        for (int row = 0; row < LineCount; ++row) {
            lines.setCurrentIndex(row);
            p.company.CalculateLine();
            lines.cancel();
        }
    }
    state.SetItemsProcessed(state.iterations() * LineCount);
}
BENCHMARK(BM_CalculateLine)->Unit(benchmark::kMillisecond);

// As the editor goes through a document: moving to the next line posts the
// calculated one, with its field validations.
void BM_CalculateAndPostLine(benchmark::State& state) {
    PreparedPayroll& p = payroll();
    TDataSet& lines = *p.dm.SalaryItemZQ;
    for (auto _ : state) {
        for (int row = 0; row < LineCount; ++row) {
            lines.setCurrentIndex(row);  // posts the line before
            p.company.CalculateLine();
        }
        lines.post();
    }
    state.SetItemsProcessed(state.iterations() * LineCount);
}
BENCHMARK(BM_CalculateAndPostLine)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    payroll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
