#pragma once

#include "Kinterfaces.h"
#include "ScriptedMessages.h"
#include "db/Connection.h"

#include <QHash>
#include <QPointer>
#include <QTableView>

// The host as the module's tests need it: messages are recorded, modules
// are registered by hand, and the grid the viewer hands over is kept.
class ShellTestConsole : public IConsole {
public:
    IModule* FindModule(const QString& interfaceId) override { return modules.value(interfaceId); }
    void SetViewerGrid(QTableView* grid) override {
        viewerGrid = grid;
        ++gridHandovers;
    }
    IMessages& Messages() override { return messages; }
    QWidget* MainWindow() override { return nullptr; }

    QHash<QString, IModule*> modules;
    ScriptedMessages messages{ScriptedMessages::AnswerPolicy::Fail};
    QPointer<QTableView> viewerGrid;
    int gridHandovers = 0;
};

// A security module over a test database that counts how often it is asked to connect.
class ShellTestSecurity : public ISecurityModule {
public:
    explicit ShellTestSecurity(Connection& connection) : connection_(connection) {}
    Connection* DatabaseConnection() override { return &connection_; }
    bool Connect() override {
        ++connects;
        return connection_.isConnected();
    }
    int connects = 0;

private:
    Connection& connection_;
};
