#pragma once

#include <QDialog>

class DataSetTableModel;
class IMessages;
class QTableView;
class QToolBar;
class TSalaryDM;

// The deduction templates: an editable list; "U redu" chooses the current one.
class TCreditFrameForm : public QDialog {
    Q_OBJECT
public:
    TCreditFrameForm(TSalaryDM& dm, IMessages& messages, QWidget* parent = nullptr);
    ~TCreditFrameForm() override;

    QToolBar* Navigator;
    QTableView* Grid;

    // Stores a pending edit; false when it is refused.
    bool ApplyExecute();
    // Chooses the current template; an empty list keeps the dialog open.
    void OKExecute();
    void reject() override;

private:
    TSalaryDM& dm_;
    IMessages& messages_;
    DataSetTableModel* model_;
};
