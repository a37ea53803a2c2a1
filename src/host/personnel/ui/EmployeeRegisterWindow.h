#pragma once

#include <QDialog>

class EmployeeFilterModel;
class EmployeeRegister;
class DataSetTableModel;
class IMessages;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QTableView;

// The register of employees: the list with search by code and name, active
// employees only unless asked otherwise, and the actions on it. The actions
// belong to the window; its toolbar, buttons and context menu reuse them.
class EmployeeRegisterWindow : public QDialog {
    Q_OBJECT
public:
    EmployeeRegisterWindow(EmployeeRegister& employees, IMessages& messages, QWidget* parent = nullptr);

    QAction* NewEmployee;
    QAction* EditEmployee;
    QAction* DeleteEmployee;
    QAction* PreviousAverages;
    QAction* TransportZones;
    QAction* OrganizationUnits;
    QAction* ImportEmployees;
    QAction* ExportEmployees;

    QTableView* view() const { return view_; }
    EmployeeFilterModel* filter() const { return filter_; }
    QLineEdit* search() const { return search_; }
    QCheckBox* activeOnly() const { return activeOnly_; }

    void NewEmployeeExecute();
    void EditEmployeeExecute();
    void DeleteEmployeeExecute();
    void PreviousAveragesExecute();
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
    DataSetTableModel* model_;
    EmployeeFilterModel* filter_;
    QTableView* view_;
    QLineEdit* search_;
    QCheckBox* activeOnly_;
    QLabel* count_;
};
