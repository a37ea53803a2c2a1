#pragma once

#include "AnnualReportForm.h"

// "M4": the annual return of insured service and pension contributions per
// employee, its prints and the fund's file.
class TReportM4Form : public TAnnualReportForm {
    Q_OBJECT
public:
    TReportM4Form(TSalaryDM& dm, IMessages& messages, QWidget* parent = nullptr);

private:
    void PrintButtonClick();
    void PrintIndividualButtonClick();
    void ExportButtonClick();
};
