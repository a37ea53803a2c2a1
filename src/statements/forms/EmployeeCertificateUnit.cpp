#include "EmployeeCertificateUnit.h"

#include "BusyCursor.h"
#include "SalaryDM.h"
#include "db/DataSet.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTableView>

TEmployeeCertificateForm::TEmployeeCertificateForm(TSalaryDM& dm, IMessages& messages, QWidget* parent)
    : TReturnGridForm(QStringLiteral("Potvrda"), EmptyEmployeeCertificate(dm), *dm.ZConnection(), messages, parent),
      dm_(dm) {
    setObjectName(QStringLiteral("EmployeeCertificateForm"));
    const auto dateEdit = [this](const QString& name, const QString& label) {
        auto* edit = new QDateEdit(QDate::currentDate(), this);
        edit->setObjectName(name);
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy."));
        addChooserWidget(label, edit);
        return edit;
    };
    FromDate = dateEdit(QStringLiteral("FromDate"), tr("Od datuma:"));
    ToDate = dateEdit(QStringLiteral("ToDate"), tr("Do datuma:"));
    EmployeeCB = new QComboBox(this);
    EmployeeCB->setObjectName(QStringLiteral("EmployeeCB"));
    // A code or "last first" may also be typed.
    EmployeeCB->setEditable(true);
    EmployeeCB->setInsertPolicy(QComboBox::NoInsert);
    EmployeeCB->setMinimumContentsLength(28);
    addChooserWidget(tr("Zaposleni:"), EmployeeCB);
    addButton(tr("Prikaži"), QStringLiteral("ShowButton"), [this] { ShowButtonClick(); });
    addButton(tr("Štampaj"), QStringLiteral("PrintButton"), [this] { PrintButtonClick(); });
    setColumns(EmployeeCertificateColumns());
    setTotal([this] {
        return tr("Prosečno:   bruto %1   neto %2   za isplatu %3")
            .arg(TotalAmountText(averages_.gross), TotalAmountText(averages_.net), TotalAmountText(averages_.paid));
    });
    resize(760, 480);
    FormCreate();
}

void TEmployeeCertificateForm::FormCreate() {
    for (const auto& [id, text] : dm_.CreditEmployees())
        EmployeeCB->addItem(text, id);
    EmployeeCB->setCurrentIndex(EmployeeCB->count() > 0 ? 0 : -1);
    EmployeeCBChange();
    connect(EmployeeCB, &QComboBox::currentTextChanged, this, [this] { EmployeeCBChange(); });
}

void TEmployeeCertificateForm::EmployeeCBChange() {
    run([this] {
        const qint64 found = dm_.CreditEmployeeOfText(EmployeeCB->currentText());
        employeeId_ = found > 0 ? found : -1;
        EmptyEmployeeCertificate(dm_);
    });
    averages_ = {};
    refreshTotal();
}

void TEmployeeCertificateForm::ShowButtonClick() {
    BusyCursor busy;
    averages_ = {};
    run([this] { averages_ = PrepareEmployeeCertificate(dm_, employeeId_, FromDate->date(), ToDate->date()); });
    refreshTotal();
    grid()->resizeColumnsToContents();
}

void TEmployeeCertificateForm::PrintButtonClick() {
    if (employeeId_ <= 0 || rows().isEmpty())
        return;
    printGrid(windowTitle(), EmployeeCertificateHeader(dm_, employeeId_, averages_, EmployeeCB->currentText()));
}
