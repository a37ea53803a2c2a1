#pragma once

#include <QDialog>

#include <functional>

class DataSetTableModel;
class IMessages;
class QAction;
class QComboBox;
class QPushButton;
class QTableView;
class QToolBar;
class TSalaryDM;

// The deduction editor: an employee's deductions in force, and a new set
// composed from a copy of them or from templates.
class TCreditRatesForm : public QDialog {
    Q_OBJECT
public:
    // From the list every active employee can be chosen; from a salary line
    // (`lineEmployee` above 0) only that one, and the set `salaryCreditId`
    // when above 0 is shown.
    TCreditRatesForm(TSalaryDM& dm, IMessages& messages, qint64 lineEmployee = 0, qint64 salaryCreditId = 0,
                     QWidget* parent = nullptr);
    ~TCreditRatesForm() override;

    QComboBox* EmployeeCB;
    QToolBar* Navigator;
    QTableView* Grid;
    QAction* NewItemsAction;
    QAction* DeactivateAction;
    QAction* TemplateAction;
    QAction* ApplyAction;
    QAction* OKAction;
    QAction* CancelAction;
    QPushButton* PrintButton;

    static QStringList GridColumns();
    qint64 EmployeeID() const { return employee_; }
    // Closing without "U redu" drops a set being composed.
    void reject() override;

    void EmployeeCBChange();
    void TemplateExecute();
    void PrintExecute();

private:
    void UpdateState();
    bool Guarded(const std::function<void()>& operation);
    bool ApplyExecute();
    // New sets and deactivation may be reserved for the salary document.
    bool SetsMayChange() const;

    TSalaryDM& dm_;
    IMessages& messages_;
    bool fromLine_;
    qint64 employee_ = 0;
    DataSetTableModel* model_;
};

// The editor from the salary list.
void CreditRatesManage(TSalaryDM& dm, IMessages& messages, QWidget* owner);
// The editor of one salary line: true after "U redu", with the set shown in SalaryCreditID.
bool GetCreditRates(TSalaryDM& dm, IMessages& messages, qint64& SalaryCreditID, qint64 EmployeeID, QWidget* owner);
