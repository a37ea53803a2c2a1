#pragma once

#include "ScriptedMonth.h"

#include <QFile>
#include <QTemporaryDir>

// The scripted company of the command-line tests with five employees of
// March 2025, and files written where the test wants them.
struct ImportsMonth : ScriptedMonth {
    QTemporaryDir files;

    void SetUp() override {
        ScriptedMonth::SetUp();
        if (IsSkipped())
            return;
        addEmployees(QStringLiteral("('001', 'Ana', 'Ilić', 'y', 1, 500, 1, 0, 0, 'n'), "
                                    "('002', 'Bojan', 'Povređeni', 'y', 1, 500, 1, 0, 0, 'n'), "
                                    "('003', 'Iva', 'Bolesna', 'y', 7, 500, 1, 0, 0, 'n'), "
                                    "('004', 'Vera', 'Odsutna', 'y', 1, 500, 1, 0, 0, 'n')"));
    }

    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = files.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    CliResult importInto(qint64 id, const QStringList& source) {
        return run(QStringList{QStringLiteral("import")} + source.mid(0, 1) + QStringList{QString::number(id)}
                   + source.mid(1));
    }

    int lineCount(qint64 id) { return int(show(id).value(QStringLiteral("lines")).toArray().size()); }
};
