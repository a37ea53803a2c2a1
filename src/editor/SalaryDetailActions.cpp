// The commands of the salary document editor. Each starts from the data
// module; the form only asks, shows and refreshes.

#include "SalaryDetailUnit.h"

#include "CalcResourceStrings.h"
#include "CreditPrintsUnit.h"
#include "EditorResourceStrings.h"
#include "ExportTreasuryForm.h"
#include "HostResourceStrings.h"
#include "Kinterfaces.h"
#include "LineDeductionSet.h"
#include "SalaryComparisonUnit.h"
#include "Messages.h"
#include "PersonnelModule.h"
#include "SalaryCoefficientUnit.h"
#include "SalaryDM.h"
#include "SalaryDifferenceUnit.h"
#include "SalaryEmployeeUnit.h"
#include "SalaryLineBulkEdits.h"
#include "SalaryLineModel.h"
#include "SalaryLineOrder.h"
#include "SalaryResourceString.h"

#include <QAction>
#include <QDate>
#include <QMenu>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

namespace {

const QString LineKey = QStringLiteral("salaryitemid");
const QString LineEmployee = QStringLiteral("employeeid");

}  // namespace

void TSalaryDetailForm::AskDate(const QStringList& columns) {
    QDate date = QDate::currentDate();
    if (!Editable() || !Messages().getDate(date))
        return;
    Guarded([&] {
        dm_.SalaryZQ->edit();
        for (const QString& column : columns)
            dm_.SalaryZQ->fieldByName(column)->setAsDate(date);
    });
}

void TSalaryDetailForm::SalaryPaymentDateExecute() {
    AskDate({QStringLiteral("paymentdate"), QStringLiteral("accountingdate")});
}

void TSalaryDetailForm::SalaryAccountingDateExecute() { AskDate({QStringLiteral("accountingdate")}); }

bool TSalaryDetailForm::ReadyToAddEmployees() {
    if (dm_.SalaryZQ->fieldByName(QStringLiteral("workinghours"))->asFloat() <= 0) {
        Messages().warning(QString::fromUtf8(_SAL_HOURS_WRN));
        return false;
    }
    return Apply();
}

void TSalaryDetailForm::AddAllEmployeesExecute() {
    if (!Editable() || !ReadyToAddEmployees())
        return;
    Guarded([this] { dm_.AddAllActiveEmployees(); });
}

void TSalaryDetailForm::AddEmplyeeExecute() {
    if (!Editable() || !ReadyToAddEmployees())
        return;
    auto* personnel = FindModule<IPersonnelModule>(console_, IID_IPersonnelModule);
    if (!personnel) {
        Messages().error(QString::fromUtf8(_CMN_NO_MODULE).arg(QString::fromUtf8(_CMN_MOD_HR_RES_NAME)));
        return;
    }
    TEmployeeDescArr chosen;
    if (!personnel->EmployeePicker().PickEmployees(chosen))
        return;
    Guarded([&] {
        ControlsDisabled quiet(*dm_.SalaryItemZQ);
        for (const TEmployeeDesc& employee : chosen)
            dm_.AddOneEmployee(employee.employeeid);
    });
}

void TSalaryDetailForm::DeleteAllEmployeesExecute() {
    if (!Editable() || !Messages().confirm(QString::fromUtf8(_SAL_DELETE_ALL_ITEMS_CONFIRM)))
        return;
    Guarded([this] { SalaryItemsDeleteAll(dm_); });
}

void TSalaryDetailForm::ItemDeleteExecute() {
    if (!Editable())
        return;
    const int column = std::max(0, SalaryItemDBG->currentIndex().column());
    const int row = dm_.SalaryItemZQ->currentIndex();
    if (!Guarded([this] { SalaryItemDelete(dm_); }))
        return;
    // The line that took the deleted one's place, in the same column.
    if (const int next = std::min(row, dm_.SalaryItemZQ->recordCount() - 1); next >= 0)
        SalaryItemDBG->setCurrentIndex(LineModel->index(next, column));
}

void TSalaryDetailForm::SalaryHoursExecute() {
    if (Editable() && Apply())
        Guarded([this] { SalaryItemsTakeDocumentValue(dm_, "workinghours"); });
}

void TSalaryDetailForm::SalaryMealExecute() {
    if (Editable() && Apply())
        Guarded([this] { SalaryItemsTakeDocumentValue(dm_, "mealrefund"); });
}

void TSalaryDetailForm::SalaryVacationExecute() {
    if (Editable() && Apply())
        Guarded([this] { SalaryItemsTakeVacationRefund(dm_); });
}

QString TSalaryDetailForm::LineTitle() const {
    return dm_.SalaryItemZQ->fieldByName(QStringLiteral("lastname"))->asString() + QLatin1Char(' ')
        + dm_.SalaryItemZQ->fieldByName(QStringLiteral("firstname"))->asString();
}

void TSalaryDetailForm::EmployeeDetailsExecute() {
    if (!dm_.SalaryItemZQ->active() || dm_.SalaryItemZQ->isEmpty())
        return;
    // The pay-slip view of the line comes later; until then the line's panel.
    if (Editable())
        RunLinePanel([this](qint64) { EmployeeShow(dm_, Messages(), LineTitle(), true, this); });
    else
        EmployeeShow(dm_, Messages(), LineTitle(), false, this);
    UpdateActions();
}

void TSalaryDetailForm::SalaryComparisonExecute() {
    // The comparison reads the stored lines: the edits here count once applied.
    if (Apply())
        Guarded([this] { ComparisonShow(dm_, Messages(), this); });
}

void TSalaryDetailForm::ItemMoveUpExecute() {
    if (Editable())
        Guarded([this] { SalaryItemMove(dm_, -1); });
}

void TSalaryDetailForm::ItemMoveDownExecute() {
    if (Editable())
        Guarded([this] { SalaryItemMove(dm_, +1); });
}

void TSalaryDetailForm::SalaryTaxesExecute() {
    if (ShowTaxRates)
        ShowTaxRates(this);
}

void TSalaryDetailForm::SalaryRegisterExecute() {
    if (!Editable() || !Apply() || !Messages().confirm(QString::fromUtf8(_SAL_REG_CONFIRM)))
        return;
    Guarded([this] { dm_.RegisterSalary(true); });
    SetActivity();
}

void TSalaryDetailForm::SalaryUnregisterExecute() {
    if (Editable() || !Apply() || !Messages().confirm(QString::fromUtf8(_SAL_UNREG_CONFIRM)))
        return;
    Guarded([this] { dm_.RegisterSalary(false); });
    SetActivity();
}

void TSalaryDetailForm::SalaryCopyExecute() {
    if (!Apply())
        return;
    qint64 copy = 0;
    Guarded([&] {
        QStringList assignments = dm_.CopySalaryAssignments(QDate::currentDate());
        copy = dm_.CopySalary(dm_.SalaryZQ->fieldByName(QStringLiteral("salaryid"))->asLargeInt(), assignments);
    });
    if (copy <= 0)
        return;
    copiedSalaryId_ = copy;
    Messages().information(QString::fromUtf8(_SALARY_COPIED));
    accept();
}

void TSalaryDetailForm::DropDown(QAction* action) {
    if (auto* button = qobject_cast<QToolButton*>(ActionTB->widgetForAction(action)); button && button->isVisible())
        button->showMenu();
}

void TSalaryDetailForm::SalaryPrintExecute() {
    if (Apply())
        DropDown(SalaryPrint);
}

void TSalaryDetailForm::SalaryExportTreasuryExecute() {
    if (!Apply())
        return;
    const TDataSet& document = *dm_.SalaryZQ;
    TExportTreasuryForm form(dm_, Messages(), document.fieldByName(QStringLiteral("year"))->asInteger(),
                             document.fieldByName(QStringLiteral("month"))->asInteger(), this);
    form.exec();
}

void TSalaryDetailForm::FillDeductionsMenu() {
    DeductionsMenu->addAction(QStringLiteral("Zbirno"), this,
                              [this] { SalaryDeductionsSummaryExecute(dm_, Messages(), this); });
    DeductionsMenu->addAction(QString::fromUtf8("Analitički"), this,
                              [this] { SalaryDeductionsAnalyticExecute(dm_, Messages(), this); });
    DeductionsMenu->addAction(QString::fromUtf8("Analitički po zaposlenom"), this,
                              [this] { SalaryDeductionsAnalyticEmployeeExecute(dm_, Messages(), this); });
}

void TSalaryDetailForm::SalaryDeductionsExecute() {
    if (Apply())
        DropDown(SalaryDeductions);
}

void TSalaryDetailForm::RunLinePanel(const std::function<void(qint64 salaryItemId)>& panel) {
    TDataSet& lines = *dm_.SalaryItemZQ;
    if (!Editable() || !lines.active() || lines.isEmpty())
        return;
    const qint64 employee = lines.fieldByName(LineEmployee)->asLargeInt();
    // The panels keep their rows by the line's key: a new line is stored
    // first, and never without asking. A discarded new line has no panel.
    const bool settled = SettleUnsavedChanges();
    SetActivity();
    if (!settled || !lines.locate(LineEmployee, employee))
        return;
    Guarded([&] { panel(lines.fieldByName(LineKey)->asLargeInt()); });
    lines.locate(LineEmployee, employee);
    Apply();
    lines.locate(LineEmployee, employee);
}

void TSalaryDetailForm::EllipsisClick(const QModelIndex& index) {
    if (!Editable() || !index.isValid())
        return;
    TField* field = LineModel->fieldAt(index.column());
    if (!field || !variant_.ellipsisColumns.contains(field->fieldName()))
        return;
    if (index.row() != dm_.SalaryItemZQ->currentIndex()
        && !Guarded([&] { dm_.SalaryItemZQ->setCurrentIndex(index.row()); }))
        return;
    const QString column = field->fieldName();
    IMessages& messages = Messages();
    if (column == QLatin1String("lastname")) {
        RunLinePanel([&](qint64) { EmployeeShow(dm_, messages, LineTitle(), true, this); });
    } else if (column == QLatin1String("coefficient")) {
        RunLinePanel([&](qint64 line) { CoefficientShow(dm_, messages, line, this); });
    } else if (column == QLatin1String("difference")) {
        RunLinePanel([&](qint64 line) { DifferenceShow(dm_, messages, line, this); });
    } else if (column == QLatin1String("credits")) {
        RunLinePanel([&](qint64) { ChooseLineDeductionSet(dm_, messages, this); });
    }
    const int row = dm_.SalaryItemZQ->currentIndex();
    if (row >= 0)
        SalaryItemDBG->setCurrentIndex(LineModel->index(row, index.column()));
}

QString TSalaryDetailForm::EllipsisToolTip(const QString& column) {
    const char* hint = column == QLatin1String("lastname")      ? _SAL_ELLIPSIS_EMPLOYEE_HINT
                       : column == QLatin1String("coefficient") ? _SAL_ELLIPSIS_COEFFICIENT_HINT
                       : column == QLatin1String("difference")  ? _SAL_ELLIPSIS_DIFFERENCE_HINT
                       : column == QLatin1String("credits")     ? _SAL_ELLIPSIS_CREDITS_HINT
                                                                : nullptr;
    return hint ? QString::fromUtf8(hint) : QString();
}
