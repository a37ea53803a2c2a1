#pragma once

#include "CalcTrace.h"
#include "PayrollFixture.h"

#include <gtest/gtest.h>

// A line's trace ends in the line's own amounts and adds up: its gross items
// make the gross, the gross less what the employee pays makes the net, the
// decreased net less the deductions makes the amount for payment.
inline void ExpectTraceAddsUpToLine(const TCalcTrace& trace, const PayrollFixture& company) {
    using K = TTraceKind;
    const double gross = trace.last(K::Gross);
    const double net = trace.last(K::Net);
    EXPECT_DOUBLE_EQ(company.Line("salaryvalue"), gross);
    EXPECT_NEAR(gross, trace.sum(K::GrossItem), 0.005);
    EXPECT_NEAR(company.Line("paymentvalue"), net, 0.005);
    EXPECT_NEAR(net,
                gross - trace.sum(K::EmployeeContribution) - trace.sum(K::IncomeTax) - trace.sum(K::AbsenceWithheld),
                0.005);
    EXPECT_NEAR(company.Line("paymentdecreasedvalue"), trace.last(K::DecreasedNet), 0.005);
    EXPECT_NEAR(company.Line("paymentnetvalue"), trace.last(K::AmountForPayment), 0.005);
    EXPECT_NEAR(trace.last(K::AmountForPayment), trace.last(K::DecreasedNet) - trace.sum(K::Deduction), 0.005);
    ASSERT_FALSE(trace.steps().empty());
    EXPECT_EQ(K::AmountForPayment, trace.steps().back().kind);
}
