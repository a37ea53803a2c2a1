#pragma once

#include <QDate>

#include <unordered_map>
#include <vector>

class Connection;
class TCalcTrace;

// One deduction of an employee's deduction set: a percentage of the
// decreased net, a percentage of the gross or a fixed amount, the first
// non-zero of them, up to and including its expiry date.
struct TDeduction {
    double netPercent = 0;    // creditpercent
    double grossPercent = 0;  // creditgrosspercent
    double value = 0;         // creditvalue
    QDate expiryDate;         // empty: no end
};

using TDeductions = std::vector<TDeduction>;

// What one deduction takes from a line paid on `paymentDate`; nothing once expired.
long double DeductionAmount(const TDeduction& deduction, long double decreasedNet, long double gross,
                            const QDate& paymentDate);

// The voluntary pension plus every deduction of the set.
long double DeductionsTotal(const TDeductions& deductions, long double voluntaryPension, long double decreasedNet,
                            long double gross, const QDate& paymentDate, TCalcTrace* trace = nullptr);

// One deduction as a step of a line's calculation.
void TraceDeduction(TCalcTrace& trace, const TDeduction& deduction, long double decreasedNet, long double gross,
                    const QDate& paymentDate, long double amount);

// The deductions of a stored deduction set.
TDeductions LoadDeductions(Connection& connection, qint64 salaryCreditId);
// Every default deduction set with deductions, by salarycreditid, in one
// statement: for adding many employees at once.
std::unordered_map<qint64, TDeductions> LoadDefaultDeductionSets(Connection& connection);
