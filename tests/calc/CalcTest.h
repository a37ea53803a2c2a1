#pragma once

#include "PayrollFixture.h"
#include "QStringPrinter.h"
#include "ScriptedMessages.h"
#include "TestDatabase.h"

#include <gtest/gtest.h>

// A company with the Serbian rates of 2025 and a March 2025 document of
// 176 hours (minimum base 45 950, maximum 656 425, minimum net wage
// 271 × 176 = 47 696) opened with its lines, ready for lines to be added.
//
// With these rates the employee pays 29.9 % (pension 14, health 5.15,
// unemployment 0.75, tax 10) and the tax relief is 10 % of 28 423 = 2 842.30,
// so a full month's net N has the gross (N − 2 842.30) / 0.701.
//
// Amounts that are rounded are compared exactly; the net, the amount for
// payment and the deductions are differences of rounded amounts, which are
// not rounded again, so they are compared to the last bits of a double.
class CalcTest : public ::testing::Test {
protected:
    void SetUp() override {
        REQUIRE_TEST_DATABASE();
        dm.SetMessages(&messages);
        dm.SetZConnection(&db.open());
        dm.LoadOptions();
        rateSet = company.AddRateSet(SerbianRates());
        company.OpenNewDocument();
        // What the document's minimum net wage gives as gross:
        // (47 696 − 2 842.30) / 0.701 = 63 985.31.
        dm.CalculatedMinNetSalaryGross = 63985.31;
    }

    // A line of an employee with the given register data, in edit.
    qint64 AddLine(const EmployeeSpec& employee, const Values& changes = {}) {
        const qint64 id = company.AddEmployee(employee);
        company.AddLine(id, employee, changes);
        return id;
    }

    static EmployeeSpec AgreedGross(double gross) {
        EmployeeSpec e;
        e.arrangedsalaryvalue = gross;
        return e;
    }
    static EmployeeSpec AgreedNet(double net) {
        EmployeeSpec e;
        e.arrangedpaymentvalue = net;
        return e;
    }
    static EmployeeSpec OnPoints() { return {}; }  // with a coefficient or net coefficient on the line
    static EmployeeSpec MinimumWage() {
        EmployeeSpec e;
        e.minsalary = true;
        return e;
    }

    // One column assignment of a line, for tables of cases.
    static QPair<QString, QVariant> Assign(const char* column, double value) { return {QLatin1String(column), value}; }

    double LineRegularWork() { return company.RegularWork(); }

    double Line(const char* column) const { return company.Line(column); }

    TestDatabase db;
    TSalaryDM dm;
    ScriptedMessages messages;
    PayrollFixture company{dm};
    qint64 rateSet = 0;
};
