#pragma once

#include <QDialog>

class IMessages;
class QPushButton;
class QTabWidget;
class TSalaryDM;
class TSalaryOptionsTabFrame;

// The module's own options dialog (the list's "Opcije"): the options page on
// a tab "Opšte". OK stores the page, Cancel leaves everything as it was.
class TOptionsForm : public QDialog {
    Q_OBJECT
public:
    TOptionsForm(TSalaryDM& dm, IMessages& messages, QWidget* parent = nullptr);
    ~TOptionsForm() override;

    QTabWidget* PageControl;
    TSalaryOptionsTabFrame* FOptionsTab;
    QPushButton* OKButton;
    QPushButton* CancelButton;

private slots:
    void OKButtonClick();

private:
    void FormCreate();

    IMessages& messages_;
};
