#pragma once

#include <QDialog>

class EmployeeListView;
class EmployeeRegister;
class IMessages;
class QAction;

// The register of employees: the list with search by code and name, active
// employees only unless asked otherwise, and the actions on it. The actions
// belong to the window; its toolbar and the list's context menu reuse them.
class EmployeeRegisterWindow : public QDialog {
    Q_OBJECT
public:
    EmployeeRegisterWindow(EmployeeRegister& employees, IMessages& messages, QWidget* parent = nullptr);

    QAction* NewEmployee;
    QAction* EditEmployee;
    QAction* DeleteEmployee;
    QAction* PreviousAverages;
    QAction* Attendance;
    QAction* TransportZones;
    QAction* OrganizationUnits;
    QAction* ImportEmployees;
    QAction* ExportEmployees;

    EmployeeListView* list() const { return list_; }

    void NewEmployeeExecute();
    void EditEmployeeExecute();
    void DeleteEmployeeExecute();
    void PreviousAveragesExecute();
    void AttendanceExecute();
    void TransportZonesExecute();
    void OrganizationUnitsExecute();
    void ImportEmployeesExecute();
    void ExportEmployeesExecute();

private:
    QAction* action(const QString& text, const QString& toolTip, void (EmployeeRegisterWindow::*execute)());
    // Moves the employees' cursor to the selected row; false when none is selected.
    bool selectCurrent();
    void showCode(const QString& code);
    void updateActions();
    void runEditor();

    EmployeeRegister& employees_;
    IMessages& messages_;
    EmployeeListView* list_;
};
