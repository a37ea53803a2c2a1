#pragma once

#include "db/Connection.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

// The database a storage test runs on. ZARADE_TEST_DB chooses it:
// "sqlite" (the default) gives a fresh file in a temporary folder; "mysql"
// gives the server named by ZARADE_TEST_MYSQL_URL with every table dropped
// first. A MySQL run without that URL skips (see MysqlUnavailable()).
class TestDatabase {
public:
    TestDatabase();
    ~TestDatabase();

    static bool UsesMysql();
    // True (and a reason) when the MySQL run has no server to use.
    static bool MysqlUnavailable(QString* reason = nullptr);

    QString url() const { return url_; }
    Connection& connection() { return *connection_; }
    // Opens the database empty; `prepared` also creates the current schema.
    Connection& open(bool prepared = true);
    // A second, independent connection to the same database.
    std::unique_ptr<Connection> openAnother() const;

private:
    QTemporaryDir dir_;
    QString url_;
    std::unique_ptr<Connection> connection_;
};

// The exit code of a test program that had no database to run on: CTest
// reports it as skipped (SKIP_RETURN_CODE) rather than passed.
constexpr int SkippedForWantOfDatabase = 77;

// RUN_ALL_TESTS() for the mains: a MySQL run without a server ends with
// SkippedForWantOfDatabase when nothing failed.
int RunAllStorageTests();

// Puts at the start of a storage test: skips it when the chosen database is missing.
#define REQUIRE_TEST_DATABASE()                                        \
    do {                                                               \
        QString reason_;                                               \
        if (TestDatabase::MysqlUnavailable(&reason_))                  \
            GTEST_SKIP() << reason_.toStdString();                     \
    } while (false)
