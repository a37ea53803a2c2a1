#pragma once

#include <QStringList>
#include <QTextStream>

#include <memory>

class Connection;

// How questions the program would ask a user are answered.
enum class CliAnswers { Fail, Yes, No };

struct CliContext {
    QString url;
    QStringList arguments;  // what follows the command
    QTextStream& out;
    QTextStream& err;
    CliAnswers answers = CliAnswers::Fail;
};

// Opens the database the context names; throws EDatabaseError when it cannot.
std::unique_ptr<Connection> OpenDatabase(const CliContext& context);

int CommandInit(CliContext& context);
