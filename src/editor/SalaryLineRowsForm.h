#pragma once

#include <QDialog>
#include <QStringList>

class IMessages;
class QPushButton;
class QTableView;
class QToolBar;
class TSalaryDM;
class TSqlQuery;

// The modal editor of a salary line's detail rows (its differences or its
// coefficient parts): a navigator and a grid over the cached rows, "U redu"
// stores them and carries them into the line, "Otkaži" drops them.
class TSalaryLineRowsForm : public QDialog {
    Q_OBJECT
public:
    using CarryIntoLine = void (TSalaryDM::*)(qint64 SalaryItemID);

    TSalaryLineRowsForm(TSalaryDM& dm, IMessages& messages, TSqlQuery& rows, const QStringList& columns,
                        const QString& caption, qint64 salaryItemId, CarryIntoLine carry, QWidget* parent = nullptr);
    ~TSalaryLineRowsForm() override;

    QToolBar* Navigator;
    QTableView* Grid;
    QPushButton* OKButton;
    QPushButton* CancelButton;
    qint64 SalaryItemID() const { return salaryItemId_; }

    void OKButtonClick();
    void CancelButtonClick();
    // Closing the window drops the rows, as "Otkaži" does.
    void reject() override;

private:
    bool Apply();

    TSalaryDM& dm_;
    IMessages& messages_;
    TSqlQuery& rows_;
    qint64 salaryItemId_;
    CarryIntoLine carry_;
};
