#include "EmployeePickerDialog.h"

#include "EmployeeListView.h"
#include "EmployeeRegister.h"
#include "ReportedAction.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

EmployeePickerDialog::EmployeePickerDialog(EmployeeRegister& employees, const EmployeePickerOptions& options,
                                           QWidget* parent)
    : QDialog(parent), employees_(employees), list_(new EmployeeListView(employees, options.activeOnly)) {
    setWindowTitle(options.caption.isEmpty() ? (options.multiSelect ? tr("Izbor zaposlenih") : tr("Izbor zaposlenog"))
                                             : options.caption);
    list_->view()->setSelectionMode(options.multiSelect ? QAbstractItemView::ExtendedSelection
                                                        : QAbstractItemView::SingleSelection);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setText(tr("Izaberi"));
    ok_->setEnabled(false);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Odustani"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &EmployeeListView::selectionChanged, this,
            [this] { ok_->setEnabled(!list_->selectedRows().empty()); });
    connect(list_, &EmployeeListView::activated, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    if (options.multiSelect)
        layout->addWidget(new QLabel(tr("Više zaposlenih birate držeći Ctrl ili Shift.")));
    layout->addWidget(buttons);
    resize(720, 480);
    list_->search()->setFocus();
}

TEmployeeDescArr EmployeePickerDialog::chosen() const {
    TEmployeeDescArr result;
    for (const int row : list_->selectedRows())
        result.push_back(employees_.Descriptor(row));
    return result;
}

bool WidgetEmployeePicker::PickEmployees(TEmployeeDescArr& chosen, const EmployeePickerOptions& options) {
    chosen.clear();
    EmployeeRegister employees(connection_, messages_);
    if (!RunReported(messages_, [&employees] { employees.EmployeeZQ->open(); }))
        return false;
    EmployeePickerDialog dialog(employees, options, parent_);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    chosen = dialog.chosen();
    return !chosen.empty();
}
