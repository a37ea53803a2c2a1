#include "EmployeePickerDialog.h"

#include "EmployeeFilterModel.h"
#include "EmployeeRegister.h"
#include "db/DataSetTableModel.h"
#include "db/DbError.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

EmployeePickerDialog::EmployeePickerDialog(EmployeeRegister& employees, const EmployeePickerOptions& options,
                                           QWidget* parent)
    : QDialog(parent), employees_(employees),
      model_(new DataSetTableModel(employees.EmployeeZQ,
                                   {QStringLiteral("code"), QStringLiteral("lastname"), QStringLiteral("firstname"),
                                    QStringLiteral("personalidentificator"), QStringLiteral("organizationunit"),
                                    QStringLiteral("active")},
                                   this)),
      filter_(new EmployeeFilterModel(employees, this)), search_(new QLineEdit),
      showInactive_(new QCheckBox(tr("Prikaži i neaktivne"))), view_(new QTableView) {
    setWindowTitle(options.caption.isEmpty() ? (options.multiSelect ? tr("Izbor zaposlenih") : tr("Izbor zaposlenog"))
                                             : options.caption);
    model_->setReadOnly(true);
    filter_->setSourceModel(model_);
    filter_->setActiveOnly(options.activeOnly);
    showInactive_->setChecked(!options.activeOnly);

    search_->setPlaceholderText(tr("Šifra, ime ili prezime"));
    search_->setClearButtonEnabled(true);
    connect(search_, &QLineEdit::textChanged, filter_, &EmployeeFilterModel::setSearch);
    connect(showInactive_, &QCheckBox::toggled, filter_, [this](bool all) { filter_->setActiveOnly(!all); });
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(tr("Traži:")));
    searchRow->addWidget(search_, 1);
    searchRow->addWidget(showInactive_);

    view_->setModel(filter_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(options.multiSelect ? QAbstractItemView::ExtendedSelection
                                                : QAbstractItemView::SingleSelection);
    view_->verticalHeader()->hide();
    view_->resizeColumnsToContents();
    view_->horizontalHeader()->setSectionResizeMode(4, QHeaderView::Stretch);  // the unit: the longest text

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setText(tr("Izaberi"));
    ok_->setEnabled(false);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Odustani"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { ok_->setEnabled(view_->selectionModel()->hasSelection()); });
    connect(view_, &QTableView::doubleClicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addWidget(view_, 1);
    if (options.multiSelect)
        layout->addWidget(new QLabel(tr("Više zaposlenih birate držeći Ctrl ili Shift.")));
    layout->addWidget(buttons);
    resize(640, 480);
    search_->setFocus();
}

TEmployeeDescArr EmployeePickerDialog::chosen() const {
    std::vector<int> rows;
    for (const QModelIndex& index : view_->selectionModel()->selectedRows())
        rows.push_back(filter_->mapToSource(index).row());
    std::sort(rows.begin(), rows.end());
    TEmployeeDescArr result;
    for (const int row : rows)
        result.push_back(employees_.Descriptor(row));
    return result;
}

bool WidgetEmployeePicker::PickEmployees(TEmployeeDescArr& chosen, const EmployeePickerOptions& options) {
    chosen.clear();
    EmployeeRegister employees(connection_, messages_);
    try {
        employees.EmployeeZQ->open();
    } catch (const EDatabaseError& error) {
        messages_.error(error.message());
        return false;
    }
    EmployeePickerDialog dialog(employees, options, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    chosen = dialog.chosen();
    return !chosen.empty();
}
