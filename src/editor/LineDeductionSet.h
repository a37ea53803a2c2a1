#pragma once

class IMessages;
class QWidget;
class TSalaryDM;

// The deduction set of the current line (SalaryItemZQ): a line without one
// gets one from the deduction editor; a line with one may change or lose it.
// The line's deductions and amount for payment follow by the deduction rule.
// True when the line changed.
bool ChooseLineDeductionSet(TSalaryDM& dm, IMessages& messages, QWidget* owner);
