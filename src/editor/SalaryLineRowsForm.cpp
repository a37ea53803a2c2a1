#include "SalaryLineRowsForm.h"

#include "DialogButtons.h"
#include "ItemsGridSupport.h"
#include "SalaryDM.h"
#include "SalaryDetailRows.h"
#include "db/DataSet.h"
#include "db/DataSetTableModel.h"
#include "db/SqlQuery.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

TSalaryLineRowsForm::TSalaryLineRowsForm(TSalaryDM& dm, IMessages& messages, TSqlQuery& rows,
                                         const QStringList& columns, const QString& caption, qint64 salaryItemId,
                                         CarryIntoLine carry, QWidget* parent)
    : QDialog(parent), dm_(dm), messages_(messages), rows_(rows), salaryItemId_(salaryItemId), carry_(carry) {
    setWindowTitle(caption);
    const GuardedRun run = [this](const std::function<void()>& operation) {
        return RunGuarded(messages_, operation);
    };
    Navigator = NewItemsNavigator(this, rows_, run);
    Grid = new QTableView(this);
    Grid->setObjectName(QStringLiteral("Grid"));
    auto* model = new DataSetTableModel(&rows_, columns, this);
    Grid->setModel(model);
    Grid->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid->verticalHeader()->hide();
    const QFontMetrics metrics = Grid->horizontalHeader()->fontMetrics();
    for (int column = 0; column < model->columnCount(); ++column) {
        const QString title = model->headerData(column, Qt::Horizontal).toString();
        Grid->setColumnWidth(column, std::max(90, metrics.horizontalAdvance(title) + 24));
    }
    // A name needs room; numbers do not.
    if (model->fieldAt(0)->dataType() == FieldType::String)
        Grid->setColumnWidth(0, 240);
    BindItemsGrid(Grid, model, rows_, messages_, run);

    const TOkCancelButtons buttons = MakeOkCancelButtons(this);
    OKButton = buttons.ok;
    CancelButton = buttons.cancel;
    disconnect(CancelButton, nullptr, this, nullptr);
    connect(OKButton, &QPushButton::clicked, this, &TSalaryLineRowsForm::OKButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &TSalaryLineRowsForm::CancelButtonClick);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Navigator);
    layout->addWidget(Grid, 1);
    layout->addLayout(buttons.row);
    int width = 0;
    for (int column = 0; column < model->columnCount(); ++column)
        width += Grid->columnWidth(column);
    resize(std::max(520, width + 40), 320);
}

TSalaryLineRowsForm::~TSalaryLineRowsForm() = default;

bool TSalaryLineRowsForm::Apply() {
    return RunGuarded(messages_, [this] { ApplyDetailRows(rows_, salaryItemId_); });
}

void TSalaryLineRowsForm::OKButtonClick() {
    if (!Apply())
        return;
    if (RunGuarded(messages_, [this] { (dm_.*carry_)(salaryItemId_); }))
        accept();
}

void TSalaryLineRowsForm::CancelButtonClick() {
    rows_.cancel();
    rows_.cancelUpdates();
    QDialog::reject();
}

void TSalaryLineRowsForm::reject() { CancelButtonClick(); }
