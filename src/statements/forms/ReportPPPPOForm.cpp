#include "ReportPPPPOForm.h"

#include "DocumentYears.h"
#include "HostResourceStrings.h"
#include "ItemsGridSupport.h"
#include "Kinterfaces.h"
#include "PersonnelModule.h"
#include "ReportEngine.h"
#include "ReportPPPPO.h"
#include "SalaryDM.h"
#include "SalaryResourceString.h"
#include "db/DataSetTableModel.h"
#include "db/SqlQuery.h"

#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QTableView>

namespace {

QString sameText(const QString& text) { return text; }

}  // namespace

TReportPPPPOForm::TReportPPPPOForm(TSalaryDM& dm, IConsole& console, QWidget* parent)
    : TReturnGridForm(QStringLiteral("PPP-PO"), *dm.SalaryReportPPPPOZQ, *dm.ZConnection(), console.Messages(),
                      parent),
      dm_(dm), console_(console) {
    setObjectName(QStringLiteral("TReportPPPPOForm"));
    resize(1200, 600);  // eleven columns of amounts and names
    // The certificates are issued early in the year for the one before.
    const QList<int> years = YearsWithPostedDocuments(connection());
    const int previous = QDate::currentDate().year() - 1;
    YearCB = addYearChooser(years, years.contains(previous) ? previous : years.last(), [this] { yearChanged(); });
    IssueDateDTP = new QDateEdit(QDate::currentDate(), this);
    IssueDateDTP->setObjectName(QStringLiteral("IssueDateDTP"));
    IssueDateDTP->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    IssueDateDTP->setCalendarPopup(true);
    addChooserWidget(tr("Datum izdavanja:"), IssueDateDTP);

    setColumns({QStringLiteral("employeename"), QStringLiteral("employeecityaddress"),
                QStringLiteral("employeepersonalidentificator"), QStringLiteral("incometypecode"),
                QStringLiteral("salaryvalue"), QStringLiteral("taxsub"), QStringLiteral("taxbase"),
                QStringLiteral("taxvalue"), QStringLiteral("contributiontotal1value"),
                QStringLiteral("contributiontotal2value"), QStringLiteral("incometype")});
    grid()->setItemDelegateForColumn(
        model()->columnsShown().indexOf(QStringLiteral("incometype")),
        new PickListDelegate({QString::fromUtf8(_SALARY_PPPPO_RW_TYPE_CAP), QString::fromUtf8(_SALARY_PPPPO_NRW_TYPE_CAP)},
                             &sameText, this));

    addButton(tr("Dodaj sve"), QStringLiteral("AddAllButton"), [this] { AddAllReportPPPPO(dm_, year()); });
    addButton(tr("Dodaj"), QStringLiteral("AddButton"), [this] { AddButtonClick(); });
    addButton(tr("Izbriši sve"), QStringLiteral("DeleteButton"), [this] { DeleteAllReportPPPPO(dm_); });
    addButton(tr("Š&tampaj"), QStringLiteral("PrintButton"), [this] {
        print([this](TReportEngine& engine) { PrintReportPPPPO(dm_, engine, IssueDateDTP->date()); });
    });
    setTotal([this] { return tr("Ukupno bruto: ") + TotalAmountText(SumOf(rows(), QStringLiteral("salaryvalue"))); });
    openYear();
}

int TReportPPPPOForm::year() const { return YearCB->currentText().toInt(); }

void TReportPPPPOForm::openYear() {
    if (run([this] { OpenReportPPPPO(dm_, year()); }))
        shownYear_ = year();
}

void TReportPPPPOForm::yearChanged() {
    if (year() == shownYear_)
        return;
    if (!dropUnsaved()) {
        const QSignalBlocker quiet(YearCB);
        YearCB->setCurrentText(QString::number(shownYear_));
        return;
    }
    openYear();
}

void TReportPPPPOForm::AddButtonClick() {
    auto* personnel = FindModule<IPersonnelModule>(console_, IID_IPersonnelModule);
    if (!personnel) {
        messages().error(QString::fromUtf8(_CMN_NO_MODULE).arg(QString::fromUtf8(_CMN_MOD_HR_RES_NAME)));
        return;
    }
    TEmployeeDescArr chosen;
    EmployeePickerOptions options;
    options.multiSelect = false;
    options.activeOnly = false;  // income outside employment is paid to former employees too
    if (!personnel->EmployeePicker().PickEmployees(chosen, options) || chosen.empty())
        return;
    AddReportPPPPOEmployee(dm_, year(), chosen.front().employeeid);
}
