#include "DataSetGridDialog.h"

#include "Messages.h"
#include "ReportedAction.h"
#include "db/DataSetTableModel.h"
#include "db/DbError.h"
#include "db/SqlQuery.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

DataSetGridDialog::DataSetGridDialog(TSqlQuery& query, const QStringList& columns, std::function<bool()> deleteCurrent,
                                     IMessages& messages, QWidget* parent)
    : QDialog(parent), query_(query), deleteCurrent_(std::move(deleteCurrent)), messages_(messages),
      model_(new DataSetTableModel(&query, columns, this)), view_(new QTableView) {
    view_->setModel(model_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    view_->verticalHeader()->hide();
    connect(model_, &DataSetTableModel::editRefused, this, [this](const QString& message) { messages_.error(message); });
    connect(view_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &DataSetGridDialog::followCursor);

    auto* add = new QPushButton(tr("Dodaj"));
    auto* remove = new QPushButton(tr("Obriši"));
    auto* close = new QPushButton(tr("Zatvori"));
    close->setDefault(true);
    connect(add, &QPushButton::clicked, this, &DataSetGridDialog::addRow);
    connect(remove, &QPushButton::clicked, this, &DataSetGridDialog::deleteRow);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_);
    layout->addLayout(buttons);
    resize(520, 360);
}

// Moving to another row posts the row left, as in any data grid; when its
// checks refuse, the cursor goes back to it.
void DataSetGridDialog::followCursor() {
    const int row = view_->currentIndex().row();
    if (row < 0 || row == query_.currentIndex())
        return;
    if (!RunReported(messages_, [this, row] { query_.setCurrentIndex(row); }))
        view_->setCurrentIndex(model_->index(query_.currentIndex(), 0));
}

void DataSetGridDialog::addRow() {
    if (!RunReported(messages_, [this] { query_.append(); }))
        return;
    const QModelIndex first = model_->index(query_.currentIndex(), 0);
    view_->setCurrentIndex(first);
    view_->edit(first);
}

void DataSetGridDialog::deleteRow() { RunReported(messages_, deleteCurrent_); }

// Closing stores the row being edited; when it cannot be stored the user
// chooses between correcting it and dropping the change.
void DataSetGridDialog::done(int result) {
    if (query_.isEditing()) {
        try {
            query_.post();
        } catch (const EAbort&) {
            if (!messages_.confirm(tr("Red nije ispravan. Da li želite da odbacite izmene u njemu?")))
                return;
            query_.cancel();
        } catch (const EDatabaseError& error) {
            messages_.error(error.message());
            return;
        }
    }
    QDialog::done(result);
}
