#include "PasswordPrompt.h"

#include <QInputDialog>
#include <QLineEdit>

std::unique_ptr<QInputDialog> MakePasswordPrompt(QWidget* parent, const QString& displayUrl) {
    auto dialog = std::make_unique<QInputDialog>(parent);
    dialog->setObjectName(QStringLiteral("PasswordPrompt"));
    dialog->setWindowTitle(QObject::tr("Lozinka baze podataka"));
    dialog->setLabelText(QObject::tr("Lozinka za %1:").arg(displayUrl));
    dialog->setTextEchoMode(QLineEdit::Password);
    dialog->setOkButtonText(QObject::tr("&U redu"));
    dialog->setCancelButtonText(QObject::tr("&Otkaži"));
    dialog->setMinimumWidth(420);
    return dialog;
}

std::optional<QString> AskDatabasePassword(QWidget* parent, const QString& displayUrl) {
    const auto dialog = MakePasswordPrompt(parent, displayUrl);
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog->textValue();
}
