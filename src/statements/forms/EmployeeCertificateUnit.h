#pragma once

#include "EmployeeCertificate.h"
#include "ReturnGridForm.h"

class QComboBox;
class QDateEdit;
class TSalaryDM;

// "Potvrda": one employee's monthly gross, net and paid amounts over a
// period of payment dates, without the statutory net decrease, with their
// averages, printed as a certificate of earnings.
class TEmployeeCertificateForm : public TReturnGridForm {
    Q_OBJECT
public:
    TEmployeeCertificateForm(TSalaryDM& dm, IMessages& messages, QWidget* parent = nullptr);

    QDateEdit* FromDate;
    QDateEdit* ToDate;
    QComboBox* EmployeeCB;

    qint64 SelectedEmployee() const { return employeeId_; }
    void EmployeeCBChange();
    void ShowButtonClick();
    void PrintButtonClick();

private:
    void FormCreate();

    TSalaryDM& dm_;
    qint64 employeeId_ = -1;
    TCertificateAverages averages_;
};
