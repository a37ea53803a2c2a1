#include "TaxRatesUnit.h"

#include "HostResourceStrings.h"
#include "ItemsGridSupport.h"
#include "Messages.h"
#include "SalaryDM.h"
#include "TaxRatesResourceStrings.h"
#include "db/DataSetTableModel.h"
#include "db/DbError.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

TTaxRatesForm::TTaxRatesForm(TSalaryDM& dm, IMessages& messages, bool viewOnly, QWidget* parent)
    : QDialog(parent), dm_(dm), messages_(messages), viewOnly_(viewOnly) {
    setObjectName(QStringLiteral("TaxRatesForm"));
    setWindowTitle(QString::fromUtf8(_SAL_TAX_RATES_CAPTION));
    dm_.ConnectTaxRateHandlers();

    const GuardedRun run = [this](const std::function<void()>& operation) { return Guarded(operation); };
    Navigator = NewItemsNavigator(this, *dm_.SalaryTaxItemZQ, run);
    Grid = new QTableView(this);
    model_ = new DataSetTableModel(dm_.SalaryTaxItemZQ, GridColumns(), this);
    Grid->setModel(model_);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->verticalHeader()->hide();
    Grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    BindItemsGrid(Grid, model_, *dm_.SalaryTaxItemZQ, messages_, run);

    CancelAction = new QAction(QStringLiteral("Otkaži"), this);
    ApplyAction = new QAction(QStringLiteral("Primeni"), this);
    OKAction = new QAction(QStringLiteral("U redu"), this);
    NewRatesAction = new QAction(QStringLiteral("Nove stope"), this);
    connect(CancelAction, &QAction::triggered, this, &TTaxRatesForm::CancelExecute);
    connect(ApplyAction, &QAction::triggered, this, &TTaxRatesForm::ApplyExecute);
    connect(OKAction, &QAction::triggered, this, &TTaxRatesForm::OKExecute);
    connect(NewRatesAction, &QAction::triggered, this, &TTaxRatesForm::NewRatesExecute);
    NewRatesButton = ActionButton(NewRatesAction, this);
    const TActionButtonRow row = OkCancelApplyRow(this, OKAction, CancelAction, ApplyAction);
    OKButton = row.ok;
    CancelButton = row.cancel;
    ApplyButton = row.apply;
    QHBoxLayout* buttons = row.row;
    buttons->insertWidget(0, NewRatesButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Navigator);
    layout->addWidget(Grid);
    layout->addLayout(buttons);
    resize(1100, 420);

    FormCreate();
}

TTaxRatesForm::~TTaxRatesForm() = default;

QStringList TTaxRatesForm::GridColumns() {
    return {QStringLiteral("taxname"),     QStringLiteral("taxpercent"),  QStringLiteral("taxfreevalue"),
            QStringLiteral("taxstatus"),   QStringLiteral("maxsalary"),   QStringLiteral("minsalary"),
            QStringLiteral("chamber"),     QStringLiteral("taxbankaccount"), QStringLiteral("paymentmodel"),
            QStringLiteral("paymentcode"), QStringLiteral("paymentcode2"),
            QStringLiteral("employeecommunitypaymentcode"), QStringLiteral("paycode")};
}

void TTaxRatesForm::FormCreate() {
    Grid->setItemDelegateForColumn(
        model_->columnOf(QStringLiteral("taxstatus")),
        new PickListDelegate({QString::fromUtf8(_SAL_TAX_STANDARD_CAP), QString::fromUtf8(_SAL_TAX_ADDITIONAL_CAP)},
                             &TSalaryDM::TaxStatusOfText, this));
    for (const char* column : {"maxsalary", "minsalary", "employeecommunitypaymentcode", "chamber"})
        Grid->setItemDelegateForColumn(
            model_->columnOf(QLatin1String(column)),
            new PickListDelegate({QString::fromUtf8(_YES_CAP), QString::fromUtf8(_NO_CAP)}, &TSalaryDM::FlagOfText,
                                 this));
    if (viewOnly_) {
        for (QPushButton* hidden : {NewRatesButton, OKButton, ApplyButton})
            hidden->hide();
        CancelAction->setText(QString::fromUtf8(_CMN_CAPTION_CLOSE));
    } else {
        Guarded([this] { dm_.OpenTaxItems(); });
    }
    UpdateState();
}

void TTaxRatesForm::UpdateState() {
    const bool composing = dm_.SalaryTaxZQ->state() == DataSetState::Insert;
    model_->setReadOnly(!composing || viewOnly_);
    Grid->setEditTriggers(composing && !viewOnly_ ? QAbstractItemView::AllEditTriggers
                                                  : QAbstractItemView::NoEditTriggers);
    Navigator->setEnabled(composing && !viewOnly_);
    NewRatesAction->setEnabled(!composing && !viewOnly_);
    ApplyAction->setEnabled(composing && !viewOnly_);
}

bool TTaxRatesForm::Guarded(const std::function<void()>& operation) { return RunGuarded(messages_, operation); }

void TTaxRatesForm::NewRatesExecute() {
    if (!NewRatesAction->isEnabled())
        return;
    Guarded([this] { dm_.OpenNewRates(); });
    UpdateState();
}

bool TTaxRatesForm::ApplyExecute() {
    if (!ApplyAction->isEnabled())
        return true;
    const bool applied = Guarded([this] { dm_.ApplyNewRates(); });
    UpdateState();
    return applied;
}

void TTaxRatesForm::OKExecute() {
    if (ApplyExecute())
        accept();
}

void TTaxRatesForm::CancelExecute() { reject(); }

void TTaxRatesForm::reject() {
    if (!viewOnly_)
        Guarded([this] { dm_.CancelNewRates(); });
    QDialog::reject();
}

void TaxRatesManage(TSalaryDM& dm, IMessages& messages, bool ViewOnly, QWidget* owner) {
    TTaxRatesForm form(dm, messages, ViewOnly, owner);
    form.exec();
}
