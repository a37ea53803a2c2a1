#pragma once

#include "CliCommands.h"
#include "SalaryDM.h"
#include "ScriptedMessages.h"
#include "db/Connection.h"

#include <memory>

// A payroll module on the database of the command line, working on one
// document the way the editor does: open, edit through the datasets (so the
// handlers run), apply.
class CliSession {
public:
    explicit CliSession(const CliContext& context);

    TSalaryDM& dm() { return dm_; }
    Connection& connection() { return *connection_; }
    ScriptedMessages& messages() { return messages_; }

    // Opens the document with its rate set and lines; throws when it does not exist.
    void OpenDocument(qint64 salaryid);
    // Assigns "field=value" texts to the current row of the dataset, in order.
    static void Assign(TDataSet& dataSet, const QStringList& assignments);
    // Messages the module showed (warnings, errors), one per line.
    QString ShownMessages() const;

private:
    std::unique_ptr<Connection> connection_;
    ScriptedMessages messages_;
    TSalaryDM dm_;
};
