#pragma once

#include "CliApp.h"

#include <QStringList>
#include <QTextStream>

struct CliResult {
    int code;
    QString out;
    QString err;
};

// Runs zarade-cli in-process, on the database `url` when one is given.
inline CliResult RunCliCaptured(QStringList args, const QString& url = {}) {
    QString out, err;
    QTextStream o(&out), e(&err);
    if (!url.isEmpty())
        args = QStringList{QStringLiteral("--db"), url} + args;
    args.prepend(QStringLiteral("zarade-cli"));
    const int code = RunCli(args, o, e);
    o.flush();
    e.flush();
    return {code, out, err};
}
