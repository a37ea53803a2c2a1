#pragma once

#include "Kinterfaces.h"
#include "SalaryDetailUnit.h"
#include "SalaryDM.h"
#include "ScriptedMessages.h"
#include "TestDatabase.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// The host as the editor needs it: recorded messages, modules by hand.
class EditorTestConsole : public IConsole {
public:
    IModule* FindModule(const QString& interfaceId) override { return modules.value(interfaceId); }
    void SetViewerGrid(QTableView*) override {}
    IMessages& Messages() override { return messages; }
    QWidget* MainWindow() override { return nullptr; }

    QHash<QString, IModule*> modules;
    ScriptedMessages messages{ScriptedMessages::AnswerPolicy::Fail};
};

// Runs `action` and returns the class name of the modal dialog it opened,
// which is rejected at once; empty when it opened none.
QString ModalOpenedBy(const std::function<void()>& action);

// A company with the statutory rates of 2025 and three employees on a point
// coefficient (codes 001 to 003), and a regular document of May 2025 with
// 168 hours that has no lines yet, current in SalaryZQ.
struct EditorFixture : ::testing::Test {
    TestDatabase db;
    Connection* c = nullptr;
    TSalaryDM dm;
    EditorTestConsole console;
    ScriptedMessages& messages = console.messages;
    qint64 salaryid = 0;
    std::unique_ptr<TSalaryDetailForm> form;

    void SetUp() override;

    // Opens the document in the editor, adds every employee and applies;
    // the first line is current.
    void OpenWithAllEmployees();

    // Adds an active employee on a point coefficient; returns the key.
    qint64 AddEmployee(const QString& code, const QString& lastname, double coefficient);
    // A stored document of the type, with the usual parameters; returns its key.
    qint64 AddDocument(const QString& type, const QString& status = QStringLiteral("n"));
    // Makes the document with the key the only row of SalaryZQ.
    void ShowDocument(qint64 id);
    int StoredLines(qint64 id);
    double Line(const char* column) const;
    QString Status(qint64 id);
};
