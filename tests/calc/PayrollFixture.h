#pragma once

#include "SalaryDM.h"

#include <QDate>
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

#include <vector>

// A small company for calculation tests and benchmarks, built through the
// data module's datasets as the editor builds it: a rate set, employees,
// a document opened with its rate set, and lines. Needs no test framework.

// One item of a rate set.
struct RateSpec {
    QString name;
    double percent = 0;
    double freeValue = 0;
    bool employee = true;  // "s"; false: borne by the employer ("a")
    bool minBase = true;
    bool maxBase = true;
    bool chamber = false;
    QString account = QStringLiteral("840-0000000000000-00");
};

// Serbian rates of 2025: employee pension 14 %, health 5.15 %, unemployment
// 0.75 %, income tax 10 % above 28 423 a month; employer pension 10 % and
// health 5.15 %. The items are listed out of order on purpose.
std::vector<RateSpec> SerbianRates();

// Column assignments, in order, as a user would type them.
using Values = QList<QPair<QString, QVariant>>;

// The register data of an employee that a line carries.
struct EmployeeSpec {
    QString code;
    QString lastname = QStringLiteral("Petrović");
    QString firstname = QStringLiteral("Marko");
    bool minsalary = false;
    double arrangedsalaryvalue = 0;
    double arrangedpaymentvalue = 0;
    qint64 workingstateid = 1;
};

class PayrollFixture {
public:
    // The module must be connected to a prepared database.
    explicit PayrollFixture(TSalaryDM& dm);

    TSalaryDM& dm;

    // A new default rate set (through the rate datasets); returns its key.
    qint64 AddRateSet(const std::vector<RateSpec>& items);
    // An employee of the host's register; returns the key.
    qint64 AddEmployee(const EmployeeSpec& employee);
    // A default deduction set of the employee with the deductions given as
    // column assignments; returns its key.
    qint64 AddDeductionSet(qint64 employeeId, const QList<Values>& deductions);

    // A regular document of 176 hours in March 2025 with realistic
    // parameters, changed by `changes`, posted and opened with its rate set
    // and lines. `changes` may name any column of "salary".
    void OpenNewDocument(const Values& changes = {});
    // Appends a line for the employee with every amount 0, coefficients 1,
    // the working hours of the whole month and the employee's register
    // data, then `changes`; the line stays in edit.
    void AddLine(qint64 employeeId, const EmployeeSpec& employee, const Values& changes = {});
    // Assigns line columns, in order, on the current line (in edit).
    void SetLine(const Values& changes);
    // Stores the document with its lines and reads the lines back (the
    // employee's data then comes from the register).
    void Apply();

    double Line(const char* column) const;

    // The regular work of the current line for its own hours and coefficient.
    double RegularWork();
    // The whole calculation of the current line in the order the editor's
    // handlers run it: regular work (with the outturn), the supplements at
    // the hour price, gross, net, decreased net and amount for payment.
    void CalculateLine();

    static constexpr int MonthHours = 176;

private:
    // The line columns the whole-line calculation reads and writes.
    struct LineColumns {
        explicit LineColumns(TDataSet& lines);
        TField *workinghours, *overtimehours, *coefficient, *outturn, *regularwork, *salaryvalue;
        TField *vacationhours, *sickhours, *longsickhours, *nightworkinghours, *holidayworkinghours,
            *nightholidayworkinghours, *paidleavehours, *publicholidayhours;
        TField *nightworkingvalue, *overtimevalue, *holidayworkingvalue, *nightholidayworkingvalue;
    };
    LineColumns columns_;
};
