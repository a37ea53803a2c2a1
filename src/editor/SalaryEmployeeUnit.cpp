#include "SalaryEmployeeUnit.h"

#include "DBControls.h"
#include "DialogButtons.h"
#include "EditorResourceStrings.h"
#include "ItemsGridSupport.h"
#include "LineDeductionSet.h"
#include "LineTraceView.h"
#include "SalaryCoefficientUnit.h"
#include "SalaryDM.h"
#include "SalaryDifferenceUnit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

QList<QPair<QString, QString>> TSalaryEmployeeForm::Fields() {
    const auto f = [](const char* caption, const char* column) {
        return QPair<QString, QString>(QString::fromUtf8(caption), QLatin1String(column));
    };
    return {f("Kod", "code"),
            f("Prezime", "lastname"),
            f("Ime", "firstname"),
            f("Radni sati", "workinghours"),
            f("Sati odmora", "vacationhours"),
            f("Sati bolovanja", "sickhours"),
            f("Procenat za bolovanje", "sickpercent"),
            f("Sati bolov. preko 30 dana", "longsickhours"),
            f("Sati plaćenog odsustva", "paidleavehours"),
            f("Sati noćnog rada", "nightworkinghours"),
            f("Sati prazničnog rada", "holidayworkinghours"),
            f("Sati noćnog prazničnog rada", "nightholidayworkinghours"),
            f("Sati prekovremenog rada", "overtimehours"),
            f("Sati državnog praznika", "publicholidayhours"),
            f("Sati odsustva", "absencehours"),
            f("Učinak", "outturn"),
            f("Koeficient", "coefficient"),
            f("Neto koeficient", "netcoefficient"),
            f("Redovan rad", "regularwork"),
            f("Pov. proc.", "incrementperc"),
            f("Povišica", "increment"),
            f("Odb. proc.", "decrementperc"),
            f("Odbitak", "decrement"),
            f("Razlika", "difference"),
            f("Topli obrok", "mealrefund"),
            f("Regres", "vacationrefund"),
            f("Bruto", "salaryvalue"),
            f("Dobr. pen.", "voluntarypension"),
            f("Neto", "paymentvalue"),
            f("Umanj. neto", "paymentdecreasedvalue"),
            f("Obustave", "credits"),
            f("Za isplatu", "paymentnetvalue")};
}

QStringList TSalaryEmployeeForm::ReadOnlyFields() {
    // The percentages follow from the increment and the decrement, the
    // deductions from the deduction set (the "..." beside "Za isplatu"):
    // shown here, typed there.
    return {QStringLiteral("code"),          QStringLiteral("lastname"),      QStringLiteral("firstname"),
            QStringLiteral("incrementperc"), QStringLiteral("decrementperc"), QStringLiteral("credits")};
}

TSalaryEmployeeForm::TSalaryEmployeeForm(TSalaryDM& dm, IMessages& messages, bool editable, QWidget* parent)
    : QDialog(parent), dm_(dm), messages_(messages) {
    setObjectName(QStringLiteral("SalaryEmployeeForm"));
    setWindowTitle(QString::fromUtf8(_SAL_EMPLOYEE_CAPTION));
    const auto ellipsis = [this, editable](void (TSalaryEmployeeForm::*click)()) {
        auto* button = new QToolButton(this);
        button->setText(QStringLiteral("..."));
        button->setEnabled(editable);
        connect(button, &QToolButton::clicked, this, click);
        return button;
    };
    CoefficientButton = ellipsis(&TSalaryEmployeeForm::CoefficientButtonClick);
    DifferenceButton = ellipsis(&TSalaryEmployeeForm::DifferenceButtonClick);
    CreditsButton = ellipsis(&TSalaryEmployeeForm::CreditsButtonClick);
    const QHash<QString, QToolButton*> buttons = {{QStringLiteral("netcoefficient"), CoefficientButton},
                                                 {QStringLiteral("difference"), DifferenceButton},
                                                 {QStringLiteral("paymentnetvalue"), CreditsButton}};

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(3);
    const QList<QPair<QString, QString>> fields = Fields();
    const int half = int(fields.size() + 1) / 2;
    for (int i = 0; i < fields.size(); ++i) {
        const auto& [caption, column] = fields.at(i);
        auto* edit = new TDBEdit(*dm_.SalaryItemZQ->fieldByName(column), messages_, this);
        edit->setReadOnly(!editable || ReadOnlyFields().contains(column));
        edit->setMinimumWidth(110);
        Edits.insert(column, edit);
        auto* label = new QLabel(caption + QLatin1Char(':'), this);
        label->setBuddy(edit);
        const int row = i % half, pair = (i / half) * 3;
        grid->addWidget(label, row, pair);
        grid->addWidget(edit, row, pair + 1);
        if (QToolButton* button = buttons.value(column))
            grid->addWidget(button, row, pair + 2);
    }
    grid->setColumnMinimumWidth(3, 24);

    const TOkCancelButtons ok = MakeOkCancelButtons(this);
    OKButton = ok.ok;
    CancelButton = ok.cancel;
    OKButton->setAutoDefault(false);
    OKButton->setDefault(false);
    CancelButton->setAutoDefault(false);
    connect(OKButton, &QPushButton::clicked, this, &TSalaryEmployeeForm::OKButtonClick);
    auto* line = new QWidget(this);
    auto* lineLayout = new QVBoxLayout(line);
    lineLayout->addLayout(grid);
    lineLayout->addStretch(1);
    TraceView = new TLineTraceView(dm_, this);
    Tabs = new QTabWidget(this);
    Tabs->addTab(line, QStringLiteral("Stavka"));
    Tabs->addTab(TraceView, QStringLiteral("Obračun"));
    // The steps follow the line as it is when the tab is opened.
    connect(Tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (Tabs->widget(index) != TraceView)
            return;
        RunGuarded(messages_, [this] { TraceView->Refresh(); });
        // Rules and inputs need the width of a line each.
        if (width() < 1000)
            resize(1100, std::max(height(), 600));
    });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Tabs);
    layout->addLayout(ok.row);
}

qint64 TSalaryEmployeeForm::LineKey() const {
    return dm_.SalaryItemZQ->fieldByName(QStringLiteral("salaryitemid"))->asLargeInt();
}

bool TSalaryEmployeeForm::RunOnPostedLine(const std::function<void()>& panel) {
    // The panels carry their rows into the line through its own post.
    return RunGuarded(messages_, [this] { dm_.SalaryItemZQ->checkBrowseMode(); }) && RunGuarded(messages_, panel);
}

void TSalaryEmployeeForm::CoefficientButtonClick() {
    RunOnPostedLine([this] { CoefficientShow(dm_, messages_, LineKey(), this); });
}

void TSalaryEmployeeForm::DifferenceButtonClick() {
    RunOnPostedLine([this] { DifferenceShow(dm_, messages_, LineKey(), this); });
}

void TSalaryEmployeeForm::CreditsButtonClick() {
    RunOnPostedLine([this] { ChooseLineDeductionSet(dm_, messages_, this); });
}

void TSalaryEmployeeForm::OKButtonClick() {
    if (RunOnPostedLine([] {}))
        accept();
}

void TSalaryEmployeeForm::reject() {
    RunGuarded(messages_, [this] { dm_.SalaryItemZQ->cancel(); });
    QDialog::reject();
}

void EmployeeShow(TSalaryDM& dm, IMessages& messages, const QString& title, bool editable, QWidget* owner) {
    TSalaryEmployeeForm form(dm, messages, editable, owner);
    form.setWindowTitle(form.windowTitle() + QStringLiteral(" - ") + title);
    form.exec();
}
