#pragma once

#include <QDialog>
#include <QHash>
#include <QStringList>

#include <functional>

class IMessages;
class QPushButton;
class QTabWidget;
class QToolButton;
class TDBEdit;
class TLineTraceView;
class TSalaryDM;

// One employee's line of the open document outside the grid ("Zaposleni"):
// every input and result of the line; edits go into the cached line and
// recalculate it at once; the tab "Obračun" shows the steps of its
// calculation. Three "..." buttons open the line's coefficient
// parts, its differences and its deduction set.
class TSalaryEmployeeForm : public QDialog {
    Q_OBJECT
public:
    TSalaryEmployeeForm(TSalaryDM& dm, IMessages& messages, bool editable, QWidget* parent = nullptr);

    // Caption and column of every field, in the order shown (two columns).
    static QList<QPair<QString, QString>> Fields();
    // The fields shown but never typed into.
    static QStringList ReadOnlyFields();

    QHash<QString, TDBEdit*> Edits;  // by column
    QToolButton* CoefficientButton;
    QToolButton* DifferenceButton;
    QToolButton* CreditsButton;
    QPushButton* OKButton;
    QPushButton* CancelButton;
    QTabWidget* Tabs;               // "Stavka" and "Obračun"
    TLineTraceView* TraceView;

    void CoefficientButtonClick();
    void DifferenceButtonClick();
    void CreditsButtonClick();
    // Keeps the line's unposted edits; "Otkaži" and closing drop them.
    void OKButtonClick();
    void reject() override;

private:
    qint64 LineKey() const;
    // Posts the line's pending edit, then runs `panel`; false after a message.
    bool RunOnPostedLine(const std::function<void()>& panel);

    TSalaryDM& dm_;
    IMessages& messages_;
};

// Shows the panel of the current line with "Zaposleni - <title>" as its caption.
void EmployeeShow(TSalaryDM& dm, IMessages& messages, const QString& title, bool editable, QWidget* owner);
