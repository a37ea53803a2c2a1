#include "CliRun.h"
#include "TestDatabase.h"

#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

// zarade-cli itself, as a script or a user runs it: a password given on its
// command line would be in the process list.
struct ProgramRun {
    int code;
    QString output;  // stdout and stderr
};

ProgramRun runProgram(const QString& program, const QStringList& args, const QProcessEnvironment& env,
               const QByteArray& answer = {}) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    EXPECT_TRUE(process.waitForStarted());
    if (!answer.isNull()) {
        // Answer once the question is on the screen, as a person would.
        QByteArray seen;
        while (!seen.contains("Lozinka") && process.waitForReadyRead(10000))
            seen += process.readAll();
        process.write(answer);
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(30000));
        return {process.exitCode(), QString::fromUtf8(seen + process.readAll())};
    }
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), QString::fromUtf8(process.readAll())};
}

// The test database's address without its password, and the password.
std::pair<QString, QString> splitPassword(const QString& url) {
    const auto parsed = DbUrl::parse(url);
    return {parsed->withoutPassword().toString(), parsed->password};
}

}  // namespace

TEST(CliInput, ThePasswordComesFromTheEnvironmentOrATerminalAndIsNeverShown) {
    REQUIRE_TEST_DATABASE();
    // On SQLite an unreachable server stands in: the message must not show the password either.
    TestDatabase db;
    if (TestDatabase::UsesMysql())
        db.open(false);
    const auto [address, password] = TestDatabase::UsesMysql()
                                          ? splitPassword(db.url())
                                          : std::pair{QStringLiteral("mysql://zarade@127.0.0.1:1/zarade"),
                                                      QStringLiteral("tajna-lozinka")};
    const QString cli = QStringLiteral(ZARADE_CLI);
    const int connected = TestDatabase::UsesMysql() ? 0 : 1;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("ZARADE_DB_PASSWORD"));

    // No password, no terminal: a clear refusal instead of a question nobody sees.
    ProgramRun run = runProgram(cli, {QStringLiteral("--db"), address, QStringLiteral("init")}, env);
    EXPECT_EQ(1, run.code);
    EXPECT_TRUE(run.output.contains(QStringLiteral("ZARADE_DB_PASSWORD"))) << run.output.toStdString();

    QProcessEnvironment withPassword = env;
    withPassword.insert(QStringLiteral("ZARADE_DB_PASSWORD"), password);
    run = runProgram(cli, {QStringLiteral("--db"), address, QStringLiteral("init")}, withPassword);
    EXPECT_EQ(connected, run.code) << run.output.toStdString();
    EXPECT_FALSE(run.output.contains(password)) << run.output.toStdString();

    // On a terminal it is asked for, and not echoed.
    if (QFileInfo(QStringLiteral("/usr/bin/script")).isExecutable()) {
        const QString command = QStringLiteral("%1 --db '%2' init").arg(cli, address);
        run = runProgram(QStringLiteral("/usr/bin/script"),
                         {QStringLiteral("-qec"), command, QStringLiteral("/dev/null")}, env, password.toUtf8() + "\n");
        EXPECT_EQ(connected, run.code) << run.output.toStdString();
        EXPECT_TRUE(run.output.contains(QStringLiteral("Lozinka za ") + DbUrl::parse(address)->displayText()))
            << run.output.toStdString();
        EXPECT_FALSE(run.output.contains(password)) << run.output.toStdString();
    }

    // A malformed address with a password in it is not printed back.
    const CliResult malformed = RunCliCaptured({QStringLiteral("--db"), QStringLiteral("mysql://zarade:tajna@:1/x"),
                                                QStringLiteral("init")});
    EXPECT_EQ(1, malformed.code);
    EXPECT_FALSE(malformed.err.contains(QStringLiteral("tajna"))) << malformed.err.toStdString();
}

TEST(CliInput, InitBringsTheSchemaOnceAndARepeatSaysItIsCurrent) {
    REQUIRE_TEST_DATABASE();
    TestDatabase db;
    db.open(false);
    const CliResult init = RunCliCaptured({QStringLiteral("init")}, db.url());
    EXPECT_EQ(0, init.code) << init.err.toStdString();
    EXPECT_TRUE(db.connection().tableExists(QStringLiteral("salaryreportunifiedcollection")));
    EXPECT_TRUE(RunCliCaptured({QStringLiteral("init")}, db.url()).out.contains(QStringLiteral("već ažurna")));
}

TEST(CliInput, WhatItCannotRunIsRefusedWithAReasonAndChangesNothing) {
    REQUIRE_TEST_DATABASE();
    QTemporaryDir dir;
    TestDatabase db;
    Connection& c = db.open();
    const struct {
        QStringList args;
        int code;
        const char* reason;
    } refusals[] = {
        {{QStringLiteral("--db"), dir.filePath(QStringLiteral("x.db")), QStringLiteral("fly")}, 2, "nepoznata komanda"},
        // A database never initialised says what to run.
        {{QStringLiteral("--db"), dir.filePath(QStringLiteral("new.db")), QStringLiteral("options")}, 1, "init"},
        {{QStringLiteral("--db"), QStringLiteral("mysql://nobody"), QStringLiteral("init")}, 1, "Greška:"},
        // A mistyped folder is not created.
        {{QStringLiteral("--db"), dir.filePath(QStringLiteral("palte/zarade.db")), QStringLiteral("init")}, 1, "ne postoji"},
        {{QStringLiteral("--db"), db.url(), QStringLiteral("document"), QStringLiteral("new"), QStringLiteral("--type"),
          QStringLiteral("Z"), QStringLiteral("--paymentdate"), QString()},
         1, "--paymentdate"},
    };
    for (const auto& refused : refusals) {
        const CliResult r = RunCliCaptured(refused.args);
        EXPECT_EQ(refused.code, r.code) << refused.args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(refused.reason))) << r.err.toStdString();
    }
    EXPECT_NE(0, RunCliCaptured({}).code);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("palte"))));
    EXPECT_EQ(0, c.scalar(QStringLiteral("SELECT COUNT(*) FROM salary")).toInt());
}
