#pragma once

#include "DbUrl.h"
#include "SqlDialect.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <functional>
#include <vector>

// One open database. Every statement goes through prepared queries with
// bound values; failures surface as EDatabaseError with a Serbian message.
class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens the database the URL names; throws EDatabaseError when it cannot.
    void open(const DbUrl& url);
    void close();
    bool isConnected() const;

    SqlDialect dialect() const { return url_.dialect; }
    const DbUrl& url() const { return url_; }
    QSqlDatabase database() const;

    // Prepares, binds positional ('?') or named (':name') values and runs.
    QSqlQuery exec(const QString& sql, const QVariantList& values = {});
    QSqlQuery exec(const QString& sql, const QVariantMap& named);
    // First column of the first row, or an invalid QVariant when there is no row.
    QVariant scalar(const QString& sql, const QVariantList& values = {});
    // Runs a statement that returns no rows (DDL and the like) without preparing it.
    void execDirect(const QString& sql);

    // Key the database gave to the last row this connection inserted.
    qint64 lastInsertId();

    bool tableExists(const QString& table);

    // Nested use is allowed: only the outermost level talks to the database,
    // and a rollback at any level makes the whole transaction roll back.
    void beginTransaction();
    void commitTransaction();
    void rollbackTransaction();
    bool inTransaction() const { return depth_ > 0; }
    // Memory that follows a write of the running transaction registers how
    // to be put back, should the transaction be rolled back; nothing is kept
    // after a commit, or outside a transaction.
    void atRollback(std::function<void()> undo);

    // Counts every statement sent; benchmarks report statements per line.
    quint64 statementCount() const { return statements_; }
    void countStatement() { ++statements_; }

    static QString errorText(const QSqlError& error);

private:
    void prepareSession();
    void undoMemory();
    void forgetCreatedFile();
    void requireEncryption();

    QString name_;
    DbUrl url_;
    int depth_ = 0;
    bool rollbackOnly_ = false;
    bool createdFile_ = false;
    quint64 statements_ = 0;
    std::vector<std::function<void()>> undo_;
};

// A write transaction as an object: rolled back on destruction unless committed.
class Transaction {
public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();
    void rollback();

private:
    Connection& connection_;
    bool open_ = true;
};
