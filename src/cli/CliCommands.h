#pragma once

#include <QStringList>
#include <QTextStream>

#include <memory>

class Connection;

struct CliContext {
    QString url;
    QStringList arguments;  // what follows the command
    QTextStream& out;
    QTextStream& err;
};

// Opens the database the context names; throws EDatabaseError when it cannot.
std::unique_ptr<Connection> OpenDatabase(const CliContext& context);

int CommandInit(CliContext& context);
int CommandOptions(CliContext& context);
