#pragma once

#include "EmployeePicker.h"

#include <QDialog>

class Connection;
class EmployeeListView;
class EmployeeRegister;
class IMessages;
class QPushButton;

// Lets the user choose employees by code and name: one or several, from the
// active employees unless "show inactive too" is ticked.
class EmployeePickerDialog : public QDialog {
    Q_OBJECT
public:
    EmployeePickerDialog(EmployeeRegister& employees, const EmployeePickerOptions& options, QWidget* parent = nullptr);

    // The selected employees in the order of the register (by code).
    TEmployeeDescArr chosen() const;

    EmployeeListView* list() const { return list_; }
    QPushButton* okButton() const { return ok_; }

private:
    EmployeeRegister& employees_;
    EmployeeListView* list_;
    QPushButton* ok_;
};

// IEmployeePicker for the desktop: the dialog above over a fresh read of
// the register.
class WidgetEmployeePicker : public IEmployeePicker {
public:
    WidgetEmployeePicker(QWidget* parent, Connection& connection, IMessages& messages)
        : parent_(parent), connection_(connection), messages_(messages) {}

    bool PickEmployees(TEmployeeDescArr& chosen, const EmployeePickerOptions& options = {}) override;

private:
    QWidget* parent_;
    Connection& connection_;
    IMessages& messages_;
};
