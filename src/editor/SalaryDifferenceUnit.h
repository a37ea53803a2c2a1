#pragma once

#include "SalaryLineRowsForm.h"

// The named differences of a salary line ("Razlika").
class TSalaryDifferenceForm : public TSalaryLineRowsForm {
    Q_OBJECT
public:
    TSalaryDifferenceForm(TSalaryDM& dm, IMessages& messages, qint64 salaryItemId, QWidget* parent = nullptr);
    static QStringList GridColumns();
};

// Opens the line's differences; "U redu" carries their sum into the line.
void DifferenceShow(TSalaryDM& dm, IMessages& messages, qint64 SalaryItemID, QWidget* owner);
