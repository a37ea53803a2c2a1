#pragma once

#include "SalaryValues.h"

// What an employee's regular pay is agreed on, tested in this order.
enum class TPayBasis {
    MinimumWage,     // the employee is on the minimum wage, or nothing else is agreed
    AgreedGross,     // arrangedsalaryvalue
    AgreedNet,       // arrangedpaymentvalue
    Coefficient,     // points times the document's point value
    NetCoefficient,  // points giving a net, times the point value
};

// A coefficient or net coefficient of 1 or less is no agreement.
inline TPayBasis PayBasisOf(const TLineValues& line, long double coefficient) {
    if (line.minsalary
        || (line.arrangedsalaryvalue <= 0 && line.arrangedpaymentvalue <= 0 && coefficient <= 1
            && line.netcoefficient <= 1))
        return TPayBasis::MinimumWage;
    if (line.arrangedsalaryvalue > 0)
        return TPayBasis::AgreedGross;
    if (line.arrangedpaymentvalue > 0)
        return TPayBasis::AgreedNet;
    if (coefficient > 1)
        return TPayBasis::Coefficient;
    return TPayBasis::NetCoefficient;
}
