#include "EmployeeRegisterWindow.h"

#include "DataSetGridDialog.h"
#include "EmployeeCsv.h"
#include "EmployeeEditDialog.h"
#include "EmployeeFilterModel.h"
#include "EmployeeRegister.h"
#include "KeyChoiceDelegate.h"
#include "Messages.h"
#include "db/DataSetTableModel.h"
#include "db/DbError.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

EmployeeRegisterWindow::EmployeeRegisterWindow(EmployeeRegister& employees, IMessages& messages, QWidget* parent)
    : QDialog(parent), employees_(employees), messages_(messages),
      model_(new DataSetTableModel(employees.EmployeeZQ,
                                   {QStringLiteral("code"), QStringLiteral("lastname"), QStringLiteral("firstname"),
                                    QStringLiteral("personalidentificator"), QStringLiteral("organizationunit"),
                                    QStringLiteral("vocation"), QStringLiteral("city"), QStringLiteral("active")},
                                   this)),
      filter_(new EmployeeFilterModel(employees, this)), view_(new QTableView), search_(new QLineEdit),
      activeOnly_(new QCheckBox(tr("Samo aktivni"))), count_(new QLabel) {
    setWindowTitle(tr("Zaposleni"));
    model_->setReadOnly(true);
    filter_->setSourceModel(model_);

    NewEmployee = action(tr("Novi"), tr("Novi zaposleni (Ins)"), &EmployeeRegisterWindow::NewEmployeeExecute);
    NewEmployee->setShortcut(Qt::Key_Insert);
    EditEmployee = action(tr("Izmeni"), tr("Izmena izabranog zaposlenog (Enter)"),
                          &EmployeeRegisterWindow::EditEmployeeExecute);
    DeleteEmployee = action(tr("Obriši"), tr("Brisanje izabranog zaposlenog"),
                            &EmployeeRegisterWindow::DeleteEmployeeExecute);
    PreviousAverages = action(tr("Ranije zarade"), tr("Zarade i sati izabranog zaposlenog iz ranijih meseci"),
                              &EmployeeRegisterWindow::PreviousAveragesExecute);
    TransportZones = action(tr("Zone prevoza"), tr("Zone prevoza sa cenama"),
                            &EmployeeRegisterWindow::TransportZonesExecute);
    OrganizationUnits = action(tr("Org. jedinice"), tr("Organizacione jedinice"),
                               &EmployeeRegisterWindow::OrganizationUnitsExecute);
    ImportEmployees = action(tr("Uvoz CSV"), tr("Uvoz zaposlenih iz CSV datoteke"),
                             &EmployeeRegisterWindow::ImportEmployeesExecute);
    ExportEmployees = action(tr("Izvoz CSV"), tr("Izvoz svih zaposlenih u CSV datoteku"),
                             &EmployeeRegisterWindow::ExportEmployeesExecute);

    auto* toolbar = new QToolBar;
    toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    toolbar->addActions({NewEmployee, EditEmployee, DeleteEmployee});
    toolbar->addSeparator();
    toolbar->addActions({PreviousAverages, TransportZones, OrganizationUnits});
    toolbar->addSeparator();
    toolbar->addActions({ImportEmployees, ExportEmployees});

    search_->setPlaceholderText(tr("Traži po šifri, imenu, prezimenu ili JMBG"));
    search_->setClearButtonEnabled(true);
    activeOnly_->setChecked(true);
    connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) {
        filter_->setSearch(text);
        updateActions();
    });
    connect(activeOnly_, &QCheckBox::toggled, this, [this](bool on) {
        filter_->setActiveOnly(on);
        updateActions();
    });
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(new QLabel(tr("Traži:")));
    searchRow->addWidget(search_, 1);
    searchRow->addWidget(activeOnly_);

    view_->setModel(filter_);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setSortingEnabled(true);
    view_->sortByColumn(0, Qt::AscendingOrder);
    view_->verticalHeader()->hide();
    view_->resizeColumnsToContents();
    view_->horizontalHeader()->setSectionResizeMode(4, QHeaderView::Stretch);  // the unit: the longest text
    view_->setContextMenuPolicy(Qt::ActionsContextMenu);
    view_->addActions({NewEmployee, EditEmployee, DeleteEmployee, PreviousAverages});
    connect(view_, &QTableView::doubleClicked, this, &EmployeeRegisterWindow::EditEmployeeExecute);
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &EmployeeRegisterWindow::updateActions);
    connect(filter_, &QAbstractItemModel::modelReset, this, &EmployeeRegisterWindow::updateActions);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(toolbar);
    layout->addLayout(searchRow);
    layout->addWidget(view_, 1);
    layout->addWidget(count_);
    resize(860, 520);
    updateActions();
}

QAction* EmployeeRegisterWindow::action(const QString& text, const QString& toolTip,
                                        void (EmployeeRegisterWindow::*execute)()) {
    auto* result = new QAction(text, this);
    result->setToolTip(toolTip);
    connect(result, &QAction::triggered, this, execute);
    return result;
}

void EmployeeRegisterWindow::updateActions() {
    const bool selected = view_->selectionModel()->hasSelection();
    for (QAction* needsEmployee : {EditEmployee, DeleteEmployee, PreviousAverages})
        needsEmployee->setEnabled(selected);
    count_->setText(tr("Prikazano zaposlenih: %1 od %2").arg(filter_->rowCount()).arg(model_->rowCount()));
}

bool EmployeeRegisterWindow::selectCurrent() {
    const QModelIndexList rows = view_->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return false;
    employees_.EmployeeZQ->setCurrentIndex(filter_->mapToSource(rows.first()).row());
    return true;
}

void EmployeeRegisterWindow::showCode(const QString& code) {
    if (!employees_.LocateCode(code))
        return;
    const QModelIndex index = filter_->mapFromSource(model_->index(employees_.EmployeeZQ->currentIndex(), 0));
    if (index.isValid()) {
        view_->setCurrentIndex(index);
        view_->scrollTo(index);
    }
    updateActions();
}

void EmployeeRegisterWindow::runEditor() {
    EmployeeEditDialog editor(employees_, messages_, this);
    if (editor.exec() == QDialog::Accepted)
        showCode(employees_.EmployeeZQ->fieldByName(QStringLiteral("code"))->asString());
}

void EmployeeRegisterWindow::NewEmployeeExecute() {
    employees_.EmployeeZQ->append();
    runEditor();
}

void EmployeeRegisterWindow::EditEmployeeExecute() {
    if (!selectCurrent())
        return;
    employees_.EmployeeZQ->edit();
    runEditor();
}

void EmployeeRegisterWindow::DeleteEmployeeExecute() {
    if (!selectCurrent())
        return;
    try {
        employees_.DeleteEmployee();
    } catch (const EDatabaseError& error) {
        messages_.error(error.message());
    }
    updateActions();
}

void EmployeeRegisterWindow::PreviousAveragesExecute() {
    if (!selectCurrent())
        return;
    const TEmployeeDesc employee = employees_.Descriptor(employees_.EmployeeZQ->currentIndex());
    employees_.OpenPreviousAverages(employee.employeeid);
    DataSetGridDialog dialog(*employees_.EmployeePreviousAverageValueZQ,
                             {QStringLiteral("year"), QStringLiteral("month"), QStringLiteral("workingvalue"),
                              QStringLiteral("workinghours")},
                             [this] { return employees_.DeletePreviousAverage(); }, messages_, this);
    dialog.setWindowTitle(
        tr("Ranije zarade: %1 %2 %3").arg(employee.code, employee.firstname, employee.lastname));
    dialog.exec();
}

void EmployeeRegisterWindow::TransportZonesExecute() {
    DataSetGridDialog dialog(*employees_.EmployeeTransportZoneZQ, {QStringLiteral("name"), QStringLiteral("price")},
                             [this] { return employees_.DeleteTransportZone(); }, messages_, this);
    dialog.setWindowTitle(tr("Zone prevoza"));
    dialog.exec();
}

void EmployeeRegisterWindow::OrganizationUnitsExecute() {
    TSqlQuery& units = *employees_.OrganizationUnitZQ;
    DataSetGridDialog dialog(units, {QStringLiteral("code"), QStringLiteral("name"), QStringLiteral("parentid")},
                             [this] { return employees_.DeleteOrganizationUnit(); }, messages_, this);
    dialog.setWindowTitle(tr("Organizacione jedinice"));
    // A unit is chosen as parent by name; a unit is never its own parent.
    auto* parents = new KeyChoiceDelegate(
        [&units](const QModelIndex& index) {
            KeyChoiceDelegate::Choices choices = {{QString(), 0}};
            const int name = units.fieldByName(QStringLiteral("name"))->index();
            const int key = units.keyField()->index();
            for (int row = 0; row < units.recordCount(); ++row)
                if (row != index.row())
                    choices.append({units.valueAt(row, name).toString(), units.valueAt(row, key).toLongLong()});
            return choices;
        },
        &dialog);
    dialog.view()->setItemDelegateForColumn(2, parents);
    dialog.exec();
}

void EmployeeRegisterWindow::ImportEmployeesExecute() {
    QString fileName;
    if (!messages_.getFileName(FileDialogKind::Open, tr("Uvoz zaposlenih"), tr("CSV datoteke (*.csv);;Sve datoteke (*)"),
                               fileName))
        return;
    const DialogAnswer answer = messages_.confirmCancel(
        tr("Da li da se ne uveze ništa ako i jedan red nije ispravan?\n\n"
           "Da: uvoz uspeva samo ako su svi redovi ispravni.\n"
           "Ne: ispravni redovi se uvoze, a neispravni se navode."));
    if (answer == DialogAnswer::Cancel)
        return;
    const QString current = employees_.EmployeeZQ->isEmpty()
                                ? QString()
                                : employees_.EmployeeZQ->fieldByName(QStringLiteral("code"))->asString();
    try {
        const EmployeeImportResult result = ImportEmployeesCsvFile(
            employees_, fileName, answer == DialogAnswer::Yes ? ImportMode::AllOrNothing : ImportMode::StoreValidRows);
        const QStringList lines = result.reportLines();
        if (lines.isEmpty())
            messages_.information(result.summary());
        else
            messages_.messageStrings(result.summary(), result.ok() ? MessageKind::Information : MessageKind::Warning,
                                     lines);
    } catch (const EDatabaseError& error) {
        messages_.error(error.message());
    }
    showCode(current);
}

void EmployeeRegisterWindow::ExportEmployeesExecute() {
    QString fileName = QStringLiteral("zaposleni.csv");
    if (!messages_.getFileName(FileDialogKind::Save, tr("Izvoz zaposlenih"), tr("CSV datoteke (*.csv)"), fileName))
        return;
    QString error;
    if (ExportEmployeesCsvFile(employees_, fileName, &error))
        messages_.information(tr("Izvezeno zaposlenih: %1.").arg(employees_.EmployeeZQ->recordCount()));
    else
        messages_.error(error);
}
