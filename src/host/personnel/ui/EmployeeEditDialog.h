#pragma once

#include "FieldBinder.h"

#include <QDialog>

class EmployeeRegister;
class IMessages;
class QComboBox;
class QTabWidget;

// Edits the register's current employee (the caller has put the employee
// dataset into edit or insert state): every column of the employee, grouped
// in tabs. OK stores the row, or shows why it cannot and keeps the dialog
// open on the field to correct; Cancel drops the changes.
class EmployeeEditDialog : public QDialog {
    Q_OBJECT
public:
    EmployeeEditDialog(EmployeeRegister& employees, IMessages& messages, QWidget* parent = nullptr);

    QTabWidget* tabs() const { return tabs_; }
    const FieldBinder& binder() const { return binder_; }

    void accept() override;
    void reject() override;

private:
    QWidget* basicTab();
    QWidget* addressTab();
    QWidget* bankTab();
    QWidget* workTab();
    QWidget* payTab();
    QWidget* pensionTab();
    QComboBox* organizationUnitCombo();
    QComboBox* subUnitCombo(QComboBox* unit);
    QComboBox* transportZoneCombo();
    void showProblem(QWidget* widget, const QString& message);

    EmployeeRegister& employees_;
    IMessages& messages_;
    FieldBinder binder_;
    QTabWidget* tabs_;
};
