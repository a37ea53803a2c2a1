#include "TestDatabase.h"

#include "DatabaseSchema.h"
#include "db/DbError.h"

#include <QSqlQuery>

#include <gtest/gtest.h>

bool TestDatabase::UsesMysql() {
    return qEnvironmentVariable("ZARADE_TEST_DB").compare(QLatin1String("mysql"), Qt::CaseInsensitive) == 0;
}

bool TestDatabase::MysqlUnavailable(QString* reason) {
    if (!UsesMysql())
        return false;
    if (qEnvironmentVariableIsEmpty("ZARADE_TEST_MYSQL_URL")) {
        if (reason)
            *reason = QStringLiteral("ZARADE_TEST_MYSQL_URL is not set (scripts/test starts a MariaDB)");
        return true;
    }
    return false;
}

int RunAllStorageTests() {
    const int result = RUN_ALL_TESTS();
    return result == 0 && TestDatabase::MysqlUnavailable() ? SkippedForWantOfDatabase : result;
}

TestDatabase::TestDatabase() {
    url_ = UsesMysql() ? qEnvironmentVariable("ZARADE_TEST_MYSQL_URL")
                       : QStringLiteral("sqlite:") + dir_.filePath(QStringLiteral("test.db"));
}

TestDatabase::~TestDatabase() = default;

Connection& TestDatabase::open(bool prepared) {
    connection_ = openAnother();
    if (connection_->dialect() == SqlDialect::MySQL) {
        // Emptying the tables of a current schema is far quicker than DDL on a server.
        if (prepared && DatabaseIsCurrent(*connection_)) {
            QSqlQuery query = connection_->exec(QStringLiteral(
                "SELECT table_name FROM information_schema.tables WHERE table_schema = DATABASE() "
                "AND table_name <> 'schemaversion'"));
            QStringList tables;
            while (query.next())
                tables << query.value(0).toString();
            // References between the tables do not order the emptying of a test database.
            connection_->execDirect(QStringLiteral("SET FOREIGN_KEY_CHECKS = 0"));
            for (const QString& table : tables)
                connection_->execDirect(QStringLiteral("DELETE FROM `%1`").arg(table));
            connection_->execDirect(QStringLiteral("SET FOREIGN_KEY_CHECKS = 1"));
            return *connection_;
        }
        QStringList tables;
        QSqlQuery query = connection_->exec(
            QStringLiteral("SELECT table_name FROM information_schema.tables WHERE table_schema = DATABASE()"));
        while (query.next())
            tables << query.value(0).toString();
        connection_->execDirect(QStringLiteral("SET FOREIGN_KEY_CHECKS = 0"));
        for (const QString& table : tables)
            connection_->execDirect(QStringLiteral("DROP TABLE IF EXISTS `%1`").arg(table));
        connection_->execDirect(QStringLiteral("SET FOREIGN_KEY_CHECKS = 1"));
    }
    if (prepared)
        PrepareDatabase(*connection_);
    return *connection_;
}

std::unique_ptr<Connection> TestDatabase::openAnother() const {
    auto connection = std::make_unique<Connection>();
    connection->open(*DbUrl::parse(url_));
    return connection;
}
