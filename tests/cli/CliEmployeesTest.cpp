#include "CliRun.h"
#include "TestDatabase.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

CliResult employees(const QString& url, const QStringList& args) {
    return RunCliCaptured(QStringList{QStringLiteral("employees")} + args, url);
}

QString write(const QTemporaryDir& dir, const char* name, const QByteArray& text) {
    const QString path = dir.filePath(QLatin1String(name));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text);
    return path;
}

}  // namespace

TEST(CliEmployees, ImportListsRejectedRowsAndFailsThenExportWritesTheRest) {
    REQUIRE_TEST_DATABASE();
    TestDatabase db;
    Connection& c = db.open();
    QTemporaryDir dir;
    const QString csv = write(dir, "zaposleni.csv",
                              "code;firstname;lastname;personalidentificator\n"
                              "001;Ana;Anić;0101990710008\n"
                              "002;Bora;Borić;0101990710007\n");

    const CliResult strict = employees(db.url(), {QStringLiteral("import"), csv, QStringLiteral("--all-or-nothing")});
    EXPECT_EQ(1, strict.code);
    EXPECT_TRUE(strict.err.contains(QStringLiteral("Red 3 (šifra 002): JMBG"))) << strict.err.toStdString();
    EXPECT_EQ(0, c.scalar(QStringLiteral("SELECT COUNT(*) FROM employee")).toInt());

    const CliResult partial = employees(db.url(), {QStringLiteral("import"), csv});
    EXPECT_EQ(1, partial.code);
    EXPECT_EQ(1, c.scalar(QStringLiteral("SELECT COUNT(*) FROM employee")).toInt());

    const QString exported = dir.filePath(QStringLiteral("izvoz.csv"));
    const CliResult out = employees(db.url(), {QStringLiteral("export"), exported});
    EXPECT_EQ(0, out.code) << out.err.toStdString();
    QFile file(exported);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(file.readAll()).contains(QStringLiteral("\r\n001;Ana;Anić;0101990710008;y;")));

    EXPECT_EQ(2, employees(db.url(), {QStringLiteral("import")}).code);
    EXPECT_EQ(1, employees(db.url(), {QStringLiteral("import"), dir.filePath(QStringLiteral("nema.csv"))}).code);
}
