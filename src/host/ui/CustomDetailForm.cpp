#include "CustomDetailForm.h"

#include "HostResourceStrings.h"
#include "Messages.h"

#include <QToolBar>
#include <QVBoxLayout>

TCustomDetailForm::TCustomDetailForm(IMessages& messages, QWidget* parent) : QDialog(parent), messages_(messages) {
    ActionTB = new QToolBar(this);
    ActionTB->setObjectName(QStringLiteral("ActionTB"));
    ActionTB->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ActionTB);
    Body = new QVBoxLayout;
    Body->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(Body, 1);
}

TCustomDetailForm::~TCustomDetailForm() = default;

bool TCustomDetailForm::SettleUnsavedChanges() {
    if (!HasUnsavedChanges())
        return true;
    switch (messages_.confirmCancel(QString::fromUtf8(_CMN_SAVE_CHANGES_PROMT))) {
    case DialogAnswer::Yes:
        return SaveChanges();
    case DialogAnswer::No:
        DiscardChanges();
        return true;
    case DialogAnswer::Cancel:
        break;
    }
    return false;
}

void TCustomDetailForm::reject() {
    if (SettleUnsavedChanges())
        QDialog::reject();
}
