#pragma once

#include "SalaryDM.h"

class IMessages;
class QWidget;
class TReportEngine;

// The salary editor's deduction prints: CreditsCDS prepared from the open
// document and printed under its title and the document's month; nothing
// is printed when the document takes no deductions. `engine` is for tests.
void SalaryDeductionsPrint(TSalaryDM& dm, IMessages& messages, TSalaryDM::TCreditsPrint print, QWidget* owner,
                           TReportEngine* engine = nullptr);

inline void SalaryDeductionsSummaryExecute(TSalaryDM& dm, IMessages& messages, QWidget* owner) {
    SalaryDeductionsPrint(dm, messages, TSalaryDM::TCreditsPrint::Summary, owner);
}
inline void SalaryDeductionsAnalyticExecute(TSalaryDM& dm, IMessages& messages, QWidget* owner) {
    SalaryDeductionsPrint(dm, messages, TSalaryDM::TCreditsPrint::Analytic, owner);
}
inline void SalaryDeductionsAnalyticEmployeeExecute(TSalaryDM& dm, IMessages& messages, QWidget* owner) {
    SalaryDeductionsPrint(dm, messages, TSalaryDM::TCreditsPrint::AnalyticEmployee, owner);
}
