#include "EmployeeListView.h"

#include "EmployeeFilterModel.h"
#include "EmployeeRegister.h"
#include "db/DataSetTableModel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

EmployeeListView::EmployeeListView(EmployeeRegister& employees, bool activeOnly, QWidget* parent)
    : QWidget(parent), employees_(employees),
      model_(new DataSetTableModel(employees.EmployeeZQ,
                                   {QStringLiteral("code"), QStringLiteral("lastname"), QStringLiteral("firstname"),
                                    QStringLiteral("personalidentificator"), QStringLiteral("active"),
                                    QStringLiteral("organizationunit"), QStringLiteral("vocation"),
                                    QStringLiteral("city")},
                                   this)),
      filter_(new EmployeeFilterModel(employees, this)), search_(new QLineEdit),
      showInactive_(new QCheckBox(tr("Prikaži i neaktivne"))), view_(new QTableView), count_(new QLabel) {
    model_->setReadOnly(true);
    filter_->setSourceModel(model_);
    filter_->setActiveOnly(activeOnly);
    showInactive_->setChecked(!activeOnly);

    search_->setPlaceholderText(tr("Šifra, ime, prezime ili JMBG"));
    search_->setClearButtonEnabled(true);
    connect(search_, &QLineEdit::textChanged, filter_, &EmployeeFilterModel::setSearch);
    connect(showInactive_, &QCheckBox::toggled, filter_, [this](bool all) { filter_->setActiveOnly(!all); });
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(tr("Traži:")));
    searchRow->addWidget(search_, 1);
    searchRow->addWidget(showInactive_);

    view_->setModel(filter_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSortingEnabled(true);
    view_->sortByColumn(0, Qt::AscendingOrder);
    view_->verticalHeader()->hide();
    view_->resizeColumnsToContents();
    view_->horizontalHeader()->setStretchLastSection(true);
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &EmployeeListView::selectionChanged);
    connect(view_, &QTableView::doubleClicked, this, &EmployeeListView::activated);
    connect(filter_, &QAbstractItemModel::modelReset, this, &EmployeeListView::updateCount);
    connect(filter_, &QAbstractItemModel::rowsInserted, this, &EmployeeListView::updateCount);
    connect(filter_, &QAbstractItemModel::rowsRemoved, this, &EmployeeListView::updateCount);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(searchRow);
    layout->addWidget(view_, 1);
    layout->addWidget(count_);
    updateCount();
}

void EmployeeListView::updateCount() {
    count_->setText(tr("Prikazano zaposlenih: %1 od %2").arg(filter_->rowCount()).arg(model_->rowCount()));
}

std::vector<int> EmployeeListView::selectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : view_->selectionModel()->selectedRows())
        rows.push_back(filter_->mapToSource(index).row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void EmployeeListView::showCurrent() {
    const QModelIndex index = filter_->mapFromSource(model_->index(employees_.EmployeeZQ->currentIndex(), 0));
    if (!index.isValid())
        return;
    view_->setCurrentIndex(index);
    view_->selectRow(index.row());
    view_->scrollTo(index);
}
