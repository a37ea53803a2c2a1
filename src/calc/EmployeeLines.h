#pragma once

#include <QtGlobal>

#include <memory>

class QSqlQuery;
class TSalaryDM;

// Lines of the open document for employees that another source chooses (an
// import), added as "Dodaj" adds them: the employee's data, the document's
// defaults and the default deduction set, then calculated for the whole
// month. What every line shares is read once, when the adder is made.
class TEmployeeLineAdder {
public:
    explicit TEmployeeLineAdder(TSalaryDM& dm);
    ~TEmployeeLineAdder();
    TEmployeeLineAdder(const TEmployeeLineAdder&) = delete;
    TEmployeeLineAdder& operator=(const TEmployeeLineAdder&) = delete;

    // The employee has a line in the document (added before or by this adder).
    bool Present(qint64 employeeId) const;
    // Appends and posts the line of the employee at the query's row (which
    // selects the columns of "employee"); the line stays current. False,
    // adding nothing, when the employee already has one.
    bool Add(const QSqlQuery& employee);

    // Warns and answers true when the document has no fund of hours: lines
    // are added only to a document that has one.
    static bool RefuseWithoutFund(TSalaryDM& dm);

private:
    struct Context;
    TSalaryDM& dm_;
    std::unique_ptr<Context> context_;
};
