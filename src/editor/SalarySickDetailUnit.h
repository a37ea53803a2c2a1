#pragma once

#include "SalaryDetailUnit.h"

// The editor of a sick-leave document ("Detalji bolovanja"): the document
// editor with the columns of sick pay.
class TSalarySickDetailForm : public TSalaryDetailForm {
    Q_OBJECT
public:
    TSalarySickDetailForm(TSalaryDM& dm, IConsole& console, QWidget* parent = nullptr);
    static TSalaryDetailVariant SickVariant();
};
