#pragma once

#include "AnnualReportForm.h"

// "PPP": the annual statement of taxable income, tax and employee
// contributions per employee, its prints and its text file.
class TReportPPPForm : public TAnnualReportForm {
    Q_OBJECT
public:
    TReportPPPForm(TSalaryDM& dm, IMessages& messages, QWidget* parent = nullptr);

private:
    void PrintButtonClick();
    void PrintIndividualButtonClick();
    void PrintIndividualReportButtonClick();
    void ExportButtonClick();
};
