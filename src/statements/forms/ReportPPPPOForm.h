#pragma once

#include "ReturnGridForm.h"

class IConsole;
class QComboBox;
class QDateEdit;
class TSalaryDM;

// "PPP-PO": the year's certificates per employee and income type. "Dodaj
// sve" builds an empty year from its PPP-PD rows, "Dodaj" adds income
// outside employment for an employee chosen in the personnel register,
// "Izbriši sve" clears the year, "Š&tampaj" prints a page per row with the
// issue date. Rows are written by "Primeni" or "U redu".
class TReportPPPPOForm : public TReturnGridForm {
    Q_OBJECT
public:
    TReportPPPPOForm(TSalaryDM& dm, IConsole& console, QWidget* parent = nullptr);

    QComboBox* YearCB;
    QDateEdit* IssueDateDTP;

private:
    int year() const;
    void openYear();
    void yearChanged();
    void AddButtonClick();

    TSalaryDM& dm_;
    IConsole& console_;
    int shownYear_ = 0;
};
