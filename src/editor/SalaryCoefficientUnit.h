#pragma once

#include "SalaryLineRowsForm.h"

// The coefficient parts of a salary line ("Koeficient"): hours worked at
// several point coefficients.
class TSalaryCoefficientForm : public TSalaryLineRowsForm {
    Q_OBJECT
public:
    TSalaryCoefficientForm(TSalaryDM& dm, IMessages& messages, qint64 salaryItemId, QWidget* parent = nullptr);
    static QStringList GridColumns();
};

// Opens the line's coefficient parts; "U redu" carries their sums into the line.
void CoefficientShow(TSalaryDM& dm, IMessages& messages, qint64 SalaryItemID, QWidget* owner);
