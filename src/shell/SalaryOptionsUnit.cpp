#include "SalaryOptionsUnit.h"

#include "Messages.h"
#include "SalaryOptionsTabUnit.h"
#include "db/DbError.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

TOptionsForm::TOptionsForm(TSalaryDM& dm, IMessages& messages, QWidget* parent)
    : QDialog(parent), messages_(messages) {
    setObjectName(QStringLiteral("OptionsForm"));
    setWindowTitle(QStringLiteral("Opcije"));

    PageControl = new QTabWidget(this);
    FOptionsTab = new TSalaryOptionsTabFrame(dm);
    PageControl->addTab(FOptionsTab, QStringLiteral("Opšte"));

    OKButton = new QPushButton(QStringLiteral("&U redu"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("&Otkaži"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    connect(OKButton, &QPushButton::clicked, this, &TOptionsForm::OKButtonClick);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl, 1);
    layout->addLayout(buttons);

    FormCreate();
}

TOptionsForm::~TOptionsForm() = default;

void TOptionsForm::FormCreate() {
    try {
        FOptionsTab->OptionsToControls();
    } catch (const EDatabaseError& error) {
        messages_.error(error.message());
    }
}

void TOptionsForm::OKButtonClick() {
    try {
        FOptionsTab->ControlsToOptions();
    } catch (const EDatabaseError& error) {
        messages_.error(error.message());
        return;
    }
    accept();
}
