#pragma once

#include "DataSet.h"

#include <QHash>
#include <QSqlQuery>
#include <QVariantMap>

class Connection;

// A dataset filled by an SQL query. Rows of its update table are written
// back by key: at once on post and delete, or, with cached updates, all
// together in one transaction by applyUpdates().
class TSqlQuery : public TDataSet {
    Q_OBJECT
public:
    explicit TSqlQuery(const QString& name = {}, QObject* parent = nullptr);
    ~TSqlQuery() override;

    void setConnection(Connection* connection) { connection_ = connection; }
    Connection* connection() const { return connection_; }

    void setSQL(const QString& sql) { sql_ = sql; }
    const QString& sql() const { return sql_; }
    // Named parameters of the query, written ":name" in the SQL.
    void setParam(const QString& name, const QVariant& value) { params_.insert(name, value); }
    QVariant param(const QString& name) const { return params_.value(name); }
    const QVariantMap& params() const { return params_; }

    // The table that posts and deletes write to, and its key column.
    void setUpdateTable(const QString& table, const QString& keyField);
    const QString& updateTable() const { return updateTable_; }
    TField* keyField() const;

    // The database does not cascade: rows that depend on a deleted row are
    // removed by this hook, in the same transaction as the row itself.
    std::function<void(Connection&, const QVariant& key)> DeleteDependents;
    // Runs inside the transaction of every write, before the first row is
    // written: where rows belong to a parent row, the parent is claimed here
    // (its version checked and raised), so that a write based on an older
    // reading of the parent, or into a parent that may no longer change, is
    // refused as a whole.
    std::function<void()> BeforeWrite;

    // An update table with a "version" column is written optimistically:
    // every update and delete names the version it read and raises it; a
    // row changed or deleted since is refused with this message
    // (EVersionConflict) and nothing is written.
    void setConflictMessage(const QString& message) { conflictMessage_ = message; }

    // Writes every cached change (deletes, updates, inserts in record order)
    // in one transaction; inserted records receive their new keys. When the
    // database refuses, nothing is written and the changes stay pending.
    void applyUpdates();

    // applyUpdates in two halves, for a caller whose transaction spans more
    // than this dataset: writeUpdates() writes inside it and changes nothing
    // in memory; once it has committed, acceptUpdates() gives the inserted
    // records their keys and marks every change written.
    struct WrittenRow {
        TRecord* record;
        qint64 key;      // the new key of an inserted record, 0 for an update
        qint64 version;  // the row's version after the write, -1 without one
    };
    using WrittenKeys = std::vector<WrittenRow>;
    WrittenKeys writeUpdates();
    void acceptUpdates(const WrittenKeys& keys);

protected:
    void doOpen(std::vector<std::unique_ptr<TRecord>>& records) override;
    void doPost(TRecord& record, std::vector<QVariant>& values, bool inserting) override;
    void doDelete(TRecord& record) override;

private:
    Connection& requireConnection() const;
    void requireUpdateTable() const;
    // Writes one record; returns the new key for an insert, 0 otherwise, and
    // the row's version after the write (-1 without a version column).
    qint64 writeRecord(const TRecord& record, std::vector<QVariant>& values, bool inserting, qint64& version);
    void deleteRow(const TRecord& record);
    // The stored "version" field of the update table, or null.
    TField* versionField() const;
    QSqlQuery& prepared(const QString& sql);
    // The statement writing exactly these columns (field indexes), prepared
    // once: rows of the same shape share it, and no SQL is built per row.
    QSqlQuery& preparedWrite(const std::vector<int>& columns, bool inserting);
    QSqlQuery& preparedShape(const std::vector<int>& columns, bool inserting);
    void forgetWrites();

    Connection* connection_ = nullptr;
    QString sql_;
    QVariantMap params_;
    QString updateTable_;
    QString keyName_;
    QHash<QString, QSqlQuery> statements_;
    QHash<QByteArray, QSqlQuery> writes_;
    std::vector<int> columns_;  // reused by every row written
    QSqlQuery* lastWrite_ = nullptr;
    std::vector<int> lastColumns_;
    bool lastInserting_ = false;
    QString conflictMessage_ =
        QStringLiteral("Podatke je u međuvremenu izmenio drugi korisnik; osvežite ih i ponovite izmenu.");
};
