#pragma once

#include <QCoreApplication>

#include "Messages.h"

class QWidget;

// IMessages for the desktop application: modal Qt dialogs over `parent`.
class WidgetMessages : public IMessages {
    Q_DECLARE_TR_FUNCTIONS(WidgetMessages)

public:
    explicit WidgetMessages(QWidget* parent = nullptr) : m_parent(parent) {}

    void error(const QString& text) override;
    void warning(const QString& text) override;
    void information(const QString& text) override;
    bool confirm(const QString& text) override;
    DialogAnswer confirmCancel(const QString& text) override;
    bool inputLine(const QString& caption, const QString& prompt, QString& value) override;
    bool getDate(QDate& date) override;
    bool getFileName(FileDialogKind kind, const QString& caption, const QString& filter,
                     QString& fileName) override;
    void messageStrings(const QString& text, MessageKind kind, const QStringList& lines) override;
    int changeOptions(const QString& text) override;

private:
    QWidget* m_parent;
};
