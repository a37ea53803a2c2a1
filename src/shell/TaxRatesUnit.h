#pragma once

#include <QDialog>

#include <functional>

class DataSetTableModel;
class IMessages;
class QAction;
class QPushButton;
class QTableView;
class QToolBar;
class TSalaryDM;

// The rate editor: the items of the default set, and a new set composed from
// a copy of them. View-only, it shows the set of the open document.
class TTaxRatesForm : public QDialog {
    Q_OBJECT
public:
    TTaxRatesForm(TSalaryDM& dm, IMessages& messages, bool viewOnly, QWidget* parent = nullptr);
    ~TTaxRatesForm() override;

    QTableView* Grid;
    QToolBar* Navigator;
    QAction* CancelAction;
    QAction* ApplyAction;
    QAction* OKAction;
    QAction* NewRatesAction;
    QPushButton* CancelButton;
    QPushButton* ApplyButton;
    QPushButton* OKButton;
    QPushButton* NewRatesButton;

    static QStringList GridColumns();
    // Closing without "U redu" drops a set being composed.
    void reject() override;

private:
    void FormCreate();
    void UpdateState();
    void NewRatesExecute();
    bool ApplyExecute();
    void OKExecute();
    void CancelExecute();
    // Runs a dataset operation, telling the user when the database refuses it.
    bool Guarded(const std::function<void()>& operation);

    TSalaryDM& dm_;
    IMessages& messages_;
    bool viewOnly_;
    DataSetTableModel* model_;
};

// Shows the rate editor modally: editable from the list, view-only from a document.
void TaxRatesManage(TSalaryDM& dm, IMessages& messages, bool ViewOnly, QWidget* owner);
