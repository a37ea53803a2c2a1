#include "CreditRatesUnit.h"

#include "CreditFrameUnit.h"
#include "ItemsGridSupport.h"
#include "Messages.h"
#include "ReportEngine.h"
#include "SalaryDM.h"
#include "db/DataSet.h"
#include "db/DataSetTableModel.h"
#include "db/Field.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

TCreditRatesForm::TCreditRatesForm(TSalaryDM& dm, IMessages& messages, qint64 lineEmployee, qint64 salaryCreditId,
                                   QWidget* parent)
    : QDialog(parent), dm_(dm), messages_(messages), fromLine_(lineEmployee > 0) {
    setObjectName(QStringLiteral("CreditRatesForm"));
    setWindowTitle(QStringLiteral("Obustave"));
    dm_.ConnectCreditRateHandlers();
    const GuardedRun run = [this](const std::function<void()>& operation) { return Guarded(operation); };

    EmployeeCB = new QComboBox(this);
    EmployeeCB->setEditable(true);
    EmployeeCB->setInsertPolicy(QComboBox::NoInsert);
    EmployeeCB->setMinimumWidth(320);
    Navigator = NewItemsNavigator(this, *dm_.SalaryCreditItemZQ, run);
    Grid = new QTableView(this);
    model_ = new DataSetTableModel(dm_.SalaryCreditItemZQ, GridColumns(), this);
    Grid->setModel(model_);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->verticalHeader()->hide();
    Grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Grid->setItemDelegateForColumn(model_->columnOf(QStringLiteral("expirydate")),
                                   new DateEllipsisDelegate(messages_, this));
    BindItemsGrid(Grid, model_, *dm_.SalaryCreditItemZQ, messages_, run);
    // Sorted by the column whose title is clicked.
    connect(Grid->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        if (auto* field = model_->fieldAt(column))
            Guarded([&] { dm_.SalaryCreditItemZQ->setSortFields(field->fieldName()); });
    });

    NewItemsAction = new QAction(QStringLiteral("Nove stavke"), this);
    DeactivateAction = new QAction(QStringLiteral("Deaktiviraj"), this);
    TemplateAction = new QAction(QStringLiteral("Šablon"), this);
    ApplyAction = new QAction(QStringLiteral("Primeni"), this);
    OKAction = new QAction(QStringLiteral("U redu"), this);
    CancelAction = new QAction(QStringLiteral("Otkaži"), this);
    connect(NewItemsAction, &QAction::triggered, this, [this] {
        Guarded([this] { dm_.OpenNewCreditItems(employee_); });
        UpdateState();
    });
    connect(DeactivateAction, &QAction::triggered, this, [this] {
        Guarded([this] { dm_.DeactivateCredits(employee_); });
        UpdateState();
    });
    connect(TemplateAction, &QAction::triggered, this, &TCreditRatesForm::TemplateExecute);
    connect(ApplyAction, &QAction::triggered, this, &TCreditRatesForm::ApplyExecute);
    connect(OKAction, &QAction::triggered, this, [this] {
        if (ApplyExecute())
            accept();
    });
    connect(CancelAction, &QAction::triggered, this, &TCreditRatesForm::reject);
    connect(dm_.SalaryCreditItemZQ, &TDataSet::rowsInserted, this, &TCreditRatesForm::UpdateState);
    connect(dm_.SalaryCreditItemZQ, &TDataSet::rowsRemoved, this, &TCreditRatesForm::UpdateState);

    PrintButton = new QPushButton(QStringLiteral("Štampaj"), this);
    connect(PrintButton, &QPushButton::clicked, this, &TCreditRatesForm::PrintExecute);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Zaposleni:"), this));
    top->addWidget(EmployeeCB, 1);
    top->addWidget(ActionButton(NewItemsAction, this));
    top->addWidget(ActionButton(DeactivateAction, this));
    top->addWidget(ActionButton(TemplateAction, this));
    QHBoxLayout* buttons = OkCancelApplyRow(this, OKAction, CancelAction, ApplyAction).row;
    buttons->insertWidget(0, PrintButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Navigator);
    layout->addWidget(Grid);
    layout->addLayout(buttons);
    resize(1100, 420);

    Guarded([&] {
        for (const auto& [id, text] : dm_.CreditEmployees(lineEmployee))
            EmployeeCB->addItem(text, id);
    });
    EmployeeCB->setEnabled(!fromLine_);
    if (EmployeeCB->count() > 0) {
        employee_ = EmployeeCB->itemData(0).toLongLong();
        Guarded([&] { dm_.OpenCreditItems(fromLine_ ? salaryCreditId : -1, employee_); });
    }
    connect(EmployeeCB, &QComboBox::currentTextChanged, this, &TCreditRatesForm::EmployeeCBChange);
    UpdateState();
}

TCreditRatesForm::~TCreditRatesForm() = default;

QStringList TCreditRatesForm::GridColumns() {
    return {QStringLiteral("creditname"),        QStringLiteral("creditpercent"), QStringLiteral("creditgrosspercent"),
            QStringLiteral("creditvalue"),       QStringLiteral("paycode"),       QStringLiteral("creditbankaccount"),
            QStringLiteral("paymentmodel"),      QStringLiteral("paymentcode"),   QStringLiteral("creditdescription"),
            QStringLiteral("expirydate")};
}

bool TCreditRatesForm::Guarded(const std::function<void()>& operation) { return RunGuarded(messages_, operation); }

bool TCreditRatesForm::SetsMayChange() const {
    return fromLine_ || !dm_.Options.ChangeDeductionOnlyFromSalaryCalculation;
}

void TCreditRatesForm::UpdateState() {
    const bool composing = dm_.ComposingCredits();
    const bool browsing = employee_ > 0 && !composing;
    model_->setReadOnly(!composing);
    Grid->setEditTriggers(composing ? QAbstractItemView::AllEditTriggers : QAbstractItemView::NoEditTriggers);
    Navigator->setEnabled(composing);
    NewItemsAction->setEnabled(browsing && SetsMayChange());
    DeactivateAction->setEnabled(browsing && SetsMayChange());
    TemplateAction->setEnabled(composing);
    ApplyAction->setEnabled(composing && !dm_.SalaryCreditItemZQ->isEmpty());
}

void TCreditRatesForm::EmployeeCBChange() {
    Guarded([this] { dm_.CancelNewCredits(); });
    employee_ = 0;
    Guarded([this] { employee_ = dm_.CreditEmployeeOfText(EmployeeCB->currentText()); });
    if (employee_ > 0)
        Guarded([this] { dm_.OpenCreditItems(-1, employee_); });
    else
        Guarded([this] { dm_.SalaryCreditItemZQ->close(); });
    UpdateState();
}

void TCreditRatesForm::TemplateExecute() {
    if (!TemplateAction->isEnabled())
        return;
    TCreditFrameForm frame(dm_, messages_, this);
    if (frame.exec() == QDialog::Accepted)
        Guarded([this] { dm_.AppendCreditTemplate(); });
    UpdateState();
}

bool TCreditRatesForm::ApplyExecute() {
    if (!ApplyAction->isEnabled())
        return true;
    const bool applied = Guarded([this] { dm_.ApplyNewCredits(employee_); });
    UpdateState();
    return applied;
}

void TCreditRatesForm::reject() {
    Guarded([this] { dm_.CancelNewCredits(); });
    QDialog::reject();
}

void TCreditRatesForm::PrintExecute() {
    if (!dm_.SalaryCreditItemZQ->active() || dm_.SalaryCreditItemZQ->isEmpty())
        return;
    try {
        TReportEngine engine(this, dm_.ZConnection());
        engine.ExecuteDataSetReport(EmployeeCB->currentText(), dm_.SalaryCreditItemZQ, GridColumns());
    } catch (const EReportError& error) {
        messages_.error(error.message());
    }
}

void CreditRatesManage(TSalaryDM& dm, IMessages& messages, QWidget* owner) {
    TCreditRatesForm form(dm, messages, 0, 0, owner);
    form.exec();
}

bool GetCreditRates(TSalaryDM& dm, IMessages& messages, qint64& SalaryCreditID, qint64 EmployeeID, QWidget* owner) {
    TCreditRatesForm form(dm, messages, EmployeeID, SalaryCreditID, owner);
    if (form.exec() != QDialog::Accepted)
        return false;
    SalaryCreditID = dm.CreditRatesSetKey();
    return true;
}
