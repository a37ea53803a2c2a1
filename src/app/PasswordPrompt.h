#pragma once

#include <QString>

#include <memory>
#include <optional>

class QInputDialog;
class QWidget;

// The question for a database password the application does not have: the
// address (without password) is shown, the typing is not.
std::unique_ptr<QInputDialog> MakePasswordPrompt(QWidget* parent, const QString& displayUrl);
// Asks it; nullopt when the user cancels.
std::optional<QString> AskDatabasePassword(QWidget* parent, const QString& displayUrl);
