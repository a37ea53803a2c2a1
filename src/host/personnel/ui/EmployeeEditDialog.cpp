#include "EmployeeEditDialog.h"

#include "EmployeeRegister.h"
#include "FormatFloat.h"
#include "Messages.h"
#include "ReportedAction.h"
#include "db/DbError.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// Lists as wide as the text boxes next to them, so long names stay readable.
QComboBox* wide(QComboBox* combo) {
    combo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return combo;
}

QFormLayout* form(QWidget* page) {
    auto* layout = new QFormLayout(page);
    layout->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    return layout;
}

// The employee's organisational unit is kept both as the unit's key and as
// its name (the payroll prints the name); typing a name that is not in the
// list keeps the name alone.
QString unitName(const TSqlQuery& units, int row) {
    return units.valueAt(row, units.fieldByName(QStringLiteral("name"))->index()).toString();
}

qint64 unitKey(const TSqlQuery& units, int row) { return units.valueAt(row, units.keyField()->index()).toLongLong(); }

}  // namespace

EmployeeEditDialog::EmployeeEditDialog(EmployeeRegister& employees, IMessages& messages, QWidget* parent)
    : QDialog(parent), employees_(employees), messages_(messages), binder_(*employees.EmployeeZQ),
      tabs_(new QTabWidget) {
    setWindowTitle(employees.EmployeeZQ->state() == DataSetState::Insert ? tr("Novi zaposleni") : tr("Zaposleni"));
    tabs_->addTab(basicTab(), tr("Osnovno"));
    tabs_->addTab(addressTab(), tr("Adresa"));
    tabs_->addTab(bankTab(), tr("Banka"));
    tabs_->addTab(workTab(), tr("Rad"));
    tabs_->addTab(payTab(), tr("Zarada"));
    tabs_->addTab(pensionTab(), tr("Dobrovoljno penzijsko"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Sačuvaj"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Odustani"));
    connect(buttons, &QDialogButtonBox::accepted, this, &EmployeeEditDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &EmployeeEditDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
    binder_.load();
    resize(560, sizeHint().height());
}

QWidget* EmployeeEditDialog::basicTab() {
    auto* page = new QWidget;
    QFormLayout* layout = form(page);
    for (const char* name : {"code", "firstname", "lastname", "personalidentificator"})
        layout->addRow(binder_.label(QLatin1String(name)), binder_.lineEdit(QLatin1String(name)));
    layout->addRow(binder_.label(QStringLiteral("sex")),
                   binder_.comboBox(QStringLiteral("sex"), {{QString(), QString()},
                                                            {tr("Muški"), QStringLiteral("m")},
                                                            {tr("Ženski"), QStringLiteral("f")}}));
    layout->addRow(binder_.label(QStringLiteral("citizenship")), binder_.lineEdit(QStringLiteral("citizenship")));
    layout->addRow(QString(), binder_.checkBox(QStringLiteral("active")));
    return page;
}

QWidget* EmployeeEditDialog::addressTab() {
    auto* page = new QWidget;
    QFormLayout* layout = form(page);
    for (const char* name : {"address", "city", "community", "communitycode", "communitypaymentcode",
                             "communityworkcode", "email"})
        layout->addRow(binder_.label(QLatin1String(name)), binder_.lineEdit(QLatin1String(name)));
    return page;
}

QWidget* EmployeeEditDialog::bankTab() {
    auto* page = new QWidget;
    QFormLayout* layout = form(page);
    QLineEdit* account = binder_.lineEdit(QStringLiteral("account"));
    account->setPlaceholderText(tr("npr. 160-0000000012345-95"));
    layout->addRow(binder_.label(QStringLiteral("account")), account);
    layout->addRow(binder_.label(QStringLiteral("bankname")), binder_.lineEdit(QStringLiteral("bankname")));
    layout->addRow(binder_.label(QStringLiteral("paymentcode")), binder_.lineEdit(QStringLiteral("paymentcode")));
    return page;
}

QComboBox* EmployeeEditDialog::organizationUnitCombo() {
    auto* combo = wide(new QComboBox);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    const TSqlQuery& units = *employees_.OrganizationUnitZQ;
    combo->addItem(QString(), qlonglong(0));
    for (int row = 0; row < units.recordCount(); ++row)
        combo->addItem(unitName(units, row), unitKey(units, row));
    binder_.bind(
        QStringLiteral("organizationunit"), combo, [combo](TField& f) { combo->setCurrentText(f.asString()); },
        [this, combo](TField& f) {
            const QString name = combo->currentText().trimmed();
            const int index = combo->findText(name);
            f.setAsString(name);
            binder_.field(QStringLiteral("organizationunitid"))
                ->setAsLargeInt(index > 0 ? combo->itemData(index).toLongLong() : 0);
        });
    return combo;
}

// Sub-units offered are those under the chosen unit; any other text may be typed.
QComboBox* EmployeeEditDialog::subUnitCombo(QComboBox* unit) {
    auto* combo = wide(new QComboBox);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    const auto fill = [this, combo, unit] {
        const QString typed = combo->currentText();
        combo->clear();
        combo->addItem(QString());
        const TSqlQuery& units = *employees_.OrganizationUnitZQ;
        const int parent = units.fieldByName(QStringLiteral("parentid"))->index();
        // Typed or picked: an editable combo changes its text, not always its index.
        const int index = unit->findText(unit->currentText().trimmed());
        const qint64 chosen = index > 0 ? unit->itemData(index).toLongLong() : 0;
        for (int row = 0; chosen > 0 && row < units.recordCount(); ++row)
            if (units.valueAt(row, parent).toLongLong() == chosen)
                combo->addItem(unitName(units, row));
        combo->setCurrentText(typed);
    };
    connect(unit, &QComboBox::currentTextChanged, combo, fill);
    binder_.bind(
        QStringLiteral("suborganizationunit"), combo,
        [combo, fill](TField& f) {
            fill();
            combo->setCurrentText(f.asString());
        },
        [combo](TField& f) { f.setAsString(combo->currentText().trimmed()); });
    return combo;
}

QComboBox* EmployeeEditDialog::transportZoneCombo() {
    FieldBinder::Choices zones = {{tr("(bez prevoza)"), qlonglong(0)}};
    const TSqlQuery& query = *employees_.EmployeeTransportZoneZQ;
    const TField* name = query.fieldByName(QStringLiteral("name"));
    const TField* price = query.fieldByName(QStringLiteral("price"));
    for (int row = 0; row < query.recordCount(); ++row)
        zones.append({QStringLiteral("%1 (%2)").arg(query.valueAt(row, name->index()).toString(),
                                                    FormatFloat(QStringLiteral("#,##0.00"),
                                                                query.valueAt(row, price->index()).toDouble())),
                      query.valueAt(row, query.keyField()->index())});
    return wide(binder_.comboBox(QStringLiteral("employeetransportzoneid"), zones));
}

QWidget* EmployeeEditDialog::workTab() {
    auto* page = new QWidget;
    QFormLayout* layout = form(page);
    QComboBox* unit = organizationUnitCombo();
    layout->addRow(binder_.label(QStringLiteral("organizationunit")), unit);
    layout->addRow(binder_.label(QStringLiteral("suborganizationunit")), subUnitCombo(unit));
    for (const char* name : {"vocation", "vocationcode", "educationcode", "employmenttype"})
        layout->addRow(binder_.label(QLatin1String(name)), binder_.lineEdit(QLatin1String(name)));
    QSpinBox* state = binder_.spinBox(QStringLiteral("workingstateid"), 0, 99);
    state->setToolTip(tr("Šifra radnog statusa; obračun posebno tretira npr. bolovanje preko 30 dana (7)."));
    layout->addRow(binder_.label(QStringLiteral("workingstateid")), state);
    auto* flags = new QHBoxLayout;
    flags->addWidget(binder_.checkBox(QStringLiteral("employer")));
    flags->addWidget(binder_.checkBox(QStringLiteral("minsalary")));
    flags->addStretch();
    layout->addRow(QString(), flags);
    layout->addRow(binder_.label(QStringLiteral("workingfromdate")), binder_.lineEdit(QStringLiteral("workingfromdate")));
    layout->addRow(binder_.label(QStringLiteral("workingtodate")), binder_.lineEdit(QStringLiteral("workingtodate")));
    auto* previous = new QHBoxLayout;
    const std::pair<const char*, QString> parts[] = {{"previousworkingyears", tr("god.")},
                                                     {"previousworkingmonths", tr("mes.")},
                                                     {"previousworkingdays", tr("dana")}};
    const int limits[] = {60, 11, 30};
    for (int i = 0; i < 3; ++i) {
        QSpinBox* spin = binder_.spinBox(QLatin1String(parts[i].first), 0, limits[i]);
        spin->setSuffix(QLatin1Char(' ') + parts[i].second);
        previous->addWidget(spin);
    }
    previous->addStretch();
    layout->addRow(tr("Prethodni staž:"), previous);
    layout->addRow(binder_.label(QStringLiteral("employeetransportzoneid")), transportZoneCombo());
    return page;
}

QWidget* EmployeeEditDialog::payTab() {
    auto* page = new QWidget;
    QFormLayout* layout = form(page);
    for (const char* name : {"coefficient", "netcoefficient", "arrangedsalaryvalue", "arrangedpaymentvalue",
                             "averagesalaryvalue"})
        layout->addRow(binder_.label(QLatin1String(name)), binder_.lineEdit(QLatin1String(name)));
    return page;
}

QWidget* EmployeeEditDialog::pensionTab() {
    auto* page = new QWidget;
    QFormLayout* layout = form(page);
    for (const char* name : {"voluntarypensionname", "voluntarypensionbankaccount", "voluntarypensionpaymentcode"})
        layout->addRow(binder_.label(QLatin1String(name)), binder_.lineEdit(QLatin1String(name)));
    return page;
}

void EmployeeEditDialog::showProblem(QWidget* widget, const QString& message) {
    messages_.error(message);
    if (!widget)
        return;
    for (int i = 0; i < tabs_->count(); ++i)
        if (tabs_->widget(i)->isAncestorOf(widget))
            tabs_->setCurrentIndex(i);
    widget->setFocus();
}

void EmployeeEditDialog::accept() {
    TSqlQuery& employee = *employees_.EmployeeZQ;
    try {
        binder_.store();
    } catch (const EDatabaseError& error) {
        showProblem(binder_.failedWidget(), error.message());
        return;
    }
    if (const auto problem = employees_.EmployeeProblem()) {
        showProblem(binder_.widgetOf(problem->field), problem->message);
        return;
    }
    if (RunReported(messages_, [&employee] { employee.post(); }))
        QDialog::accept();
}

void EmployeeEditDialog::reject() {
    employees_.EmployeeZQ->cancel();
    QDialog::reject();
}
