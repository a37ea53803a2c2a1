#include "CreditFrameUnit.h"

#include "CreditRatesUnit.h"
#include "ItemsGridSupport.h"
#include "SalaryDM.h"
#include "db/DataSetTableModel.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

TCreditFrameForm::TCreditFrameForm(TSalaryDM& dm, IMessages& messages, QWidget* parent)
    : QDialog(parent), dm_(dm), messages_(messages) {
    setObjectName(QStringLiteral("CreditFrameForm"));
    setWindowTitle(QStringLiteral("Šabloni obustava"));
    dm_.ConnectCreditRateHandlers();
    const GuardedRun run = [this](const std::function<void()>& operation) { return RunGuarded(messages_, operation); };
    TDataSet& frames = *dm_.SalaryCreditItemFrameZQ;
    Navigator = NewItemsNavigator(this, frames, run);
    Grid = new QTableView(this);
    model_ = new DataSetTableModel(&frames, TCreditRatesForm::GridColumns(), this);
    Grid->setModel(model_);
    Grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->verticalHeader()->hide();
    Grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Grid->setItemDelegateForColumn(model_->columnOf(QStringLiteral("expirydate")),
                                   new DateEllipsisDelegate(messages_, this));
    BindItemsGrid(Grid, model_, frames, messages_, run);

    auto* apply = new QAction(QStringLiteral("Primeni"), this);
    auto* ok = new QAction(QStringLiteral("U redu"), this);
    auto* cancel = new QAction(QStringLiteral("Otkaži"), this);
    connect(apply, &QAction::triggered, this, &TCreditFrameForm::ApplyExecute);
    connect(ok, &QAction::triggered, this, &TCreditFrameForm::OKExecute);
    connect(cancel, &QAction::triggered, this, &TCreditFrameForm::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Navigator);
    layout->addWidget(Grid);
    layout->addLayout(OkCancelApplyRow(this, ok, cancel, apply).row);
    resize(1000, 360);

    run([&frames] {
        frames.close();
        frames.open();
    });
}

TCreditFrameForm::~TCreditFrameForm() = default;

bool TCreditFrameForm::ApplyExecute() {
    return RunGuarded(messages_, [this] { dm_.SalaryCreditItemFrameZQ->checkBrowseMode(); });
}

void TCreditFrameForm::OKExecute() {
    if (ApplyExecute() && !dm_.SalaryCreditItemFrameZQ->isEmpty())
        accept();
}

void TCreditFrameForm::reject() {
    RunGuarded(messages_, [this] {
        if (dm_.SalaryCreditItemFrameZQ->isEditing())
            dm_.SalaryCreditItemFrameZQ->cancel();
    });
    QDialog::reject();
}
