#include "SalaryOptionsUnit.h"

#include "DialogButtons.h"
#include "Messages.h"
#include "SalaryOptionsTabUnit.h"
#include "db/DbError.h"

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

    const TOkCancelButtons buttons = MakeOkCancelButtons(this);
    OKButton = buttons.ok;
    CancelButton = buttons.cancel;
    connect(OKButton, &QPushButton::clicked, this, &TOptionsForm::OKButtonClick);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl, 1);
    layout->addLayout(buttons.row);

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
