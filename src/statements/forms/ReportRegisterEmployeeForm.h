#pragma once

#include "ReturnGridForm.h"

#include <QDate>

class QComboBox;
class TSalaryDM;

// "Izvezi za trezor - zaposleni": the register of employees of a month,
// built from the posted documents, corrected on cached updates and written
// as the treasury's file.
class TReportRegisterEmployeeForm : public TReturnGridForm {
    Q_OBJECT
public:
    // Opens on the month before `today`.
    TReportRegisterEmployeeForm(TSalaryDM& dm, IMessages& messages, const QDate& today, QWidget* parent);

    void AddAllButtonClick();
    void DeleteAllButtonClick();
    void ExportButtonClick();

private:
    void periodChanged();
    void openRows();
    int year() const;
    int month() const;

    TSalaryDM& dm_;
    QComboBox* year_ = nullptr;
    QComboBox* month_ = nullptr;
    int openYear_ = 0;
    int openMonth_ = 0;
};
