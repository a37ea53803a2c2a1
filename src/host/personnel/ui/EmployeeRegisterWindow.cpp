#include "EmployeeRegisterWindow.h"

#include "AttendanceMonth.h"
#include "AttendanceMonthDialog.h"
#include "DataSetGridDialog.h"
#include "EmployeeCsv.h"
#include "EmployeeEditDialog.h"
#include "EmployeeListView.h"
#include "EmployeeRegister.h"
#include "KeyChoiceDelegate.h"
#include "Messages.h"
#include "ReportedAction.h"

#include <QAction>
#include <QDate>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

EmployeeRegisterWindow::EmployeeRegisterWindow(EmployeeRegister& employees, IMessages& messages, QWidget* parent)
    : QDialog(parent), employees_(employees), messages_(messages), list_(new EmployeeListView(employees)) {
    setWindowTitle(tr("Zaposleni"));
    NewEmployee = action(tr("Novi"), tr("Novi zaposleni (Ins)"), &EmployeeRegisterWindow::NewEmployeeExecute);
    NewEmployee->setShortcut(Qt::Key_Insert);
    EditEmployee = action(tr("Izmeni"), tr("Izmena izabranog zaposlenog"), &EmployeeRegisterWindow::EditEmployeeExecute);
    DeleteEmployee = action(tr("Obriši"), tr("Brisanje izabranog zaposlenog"),
                            &EmployeeRegisterWindow::DeleteEmployeeExecute);
    PreviousAverages = action(tr("Ranije zarade"), tr("Zarade i sati izabranog zaposlenog iz ranijih meseci"),
                              &EmployeeRegisterWindow::PreviousAveragesExecute);
    Attendance = action(tr("Prisustvo"), tr("Evidencija prisustva izabranog zaposlenog po danima meseca"),
                        &EmployeeRegisterWindow::AttendanceExecute);
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
    toolbar->addActions({PreviousAverages, Attendance, TransportZones, OrganizationUnits});
    toolbar->addSeparator();
    toolbar->addActions({ImportEmployees, ExportEmployees});

    QTableView* view = list_->view();
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    view->addActions({NewEmployee, EditEmployee, DeleteEmployee, PreviousAverages, Attendance});
    connect(list_, &EmployeeListView::activated, this, &EmployeeRegisterWindow::EditEmployeeExecute);
    connect(list_, &EmployeeListView::selectionChanged, this, &EmployeeRegisterWindow::updateActions);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(toolbar);
    layout->addWidget(list_, 1);
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
    const bool selected = !list_->selectedRows().empty();
    for (QAction* needsEmployee : {EditEmployee, DeleteEmployee, PreviousAverages, Attendance})
        needsEmployee->setEnabled(selected);
}

bool EmployeeRegisterWindow::selectCurrent() {
    const std::vector<int> rows = list_->selectedRows();
    if (rows.empty())
        return false;
    employees_.EmployeeZQ->setCurrentIndex(rows.front());
    return true;
}

void EmployeeRegisterWindow::showCode(const QString& code) {
    if (employees_.LocateCode(code))
        list_->showCurrent();
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
    RunReported(messages_, [this] { employees_.DeleteEmployee(); });
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

void EmployeeRegisterWindow::AttendanceExecute() {
    if (!selectCurrent())
        return;
    const TEmployeeDesc employee = employees_.Descriptor(employees_.EmployeeZQ->currentIndex());
    TAttendanceMonth month(*employees_.ZConnection());
    const QDate today = QDate::currentDate();
    if (!RunReported(messages_, [&] { month.Open(employee.employeeid, today.year(), today.month()); }))
        return;
    AttendanceMonthDialog dialog(month, QStringLiteral("%1 %2 %3").arg(employee.code, employee.firstname, employee.lastname),
                                 messages_, this);
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
    RunReported(messages_, [&] {
        const EmployeeImportResult result = ImportEmployeesCsvFile(
            employees_, fileName, answer == DialogAnswer::Yes ? ImportMode::AllOrNothing : ImportMode::StoreValidRows);
        const QStringList lines = result.reportLines();
        if (lines.isEmpty())
            messages_.information(result.summary());
        else
            messages_.messageStrings(result.summary(), result.ok() ? MessageKind::Information : MessageKind::Warning,
                                     lines);
    });
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
