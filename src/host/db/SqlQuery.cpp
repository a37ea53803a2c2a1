#include "SqlQuery.h"

#include "Connection.h"
#include "DbError.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlField>
#include <QSqlRecord>

namespace {

FieldType fieldTypeOfColumn(const QSqlField& column) {
    switch (column.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float: return FieldType::Float;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: return FieldType::LargeInt;
    case QMetaType::QDate:
    case QMetaType::QDateTime: return FieldType::Date;
    default: return FieldType::String;
    }
}

}  // namespace

TSqlQuery::TSqlQuery(const QString& name, QObject* parent) : TDataSet(name, parent) {}

TSqlQuery::~TSqlQuery() = default;

void TSqlQuery::setUpdateTable(const QString& table, const QString& keyField) {
    updateTable_ = table;
    keyName_ = keyField;
    statements_.clear();
    forgetWrites();
}

TField* TSqlQuery::keyField() const { return keyName_.isEmpty() ? nullptr : findField(keyName_); }

TField* TSqlQuery::versionField() const {
    TField* version = findField(QStringLiteral("version"));
    return version && version->stored() ? version : nullptr;
}

Connection& TSqlQuery::requireConnection() const {
    if (!connection_ || !connection_->isConnected())
        throw EDatabaseError(QStringLiteral("Skup \"%1\" nema vezu sa bazom podataka.").arg(name()));
    return *connection_;
}

void TSqlQuery::requireUpdateTable() const {
    if (updateTable_.isEmpty() || !keyField())
        throw EDatabaseError(QStringLiteral("Skup \"%1\" se ne može menjati.").arg(name()));
}

void TSqlQuery::forgetWrites() {
    writes_.clear();
    lastWrite_ = nullptr;
    lastColumns_.clear();
}

QSqlQuery& TSqlQuery::prepared(const QString& sql) {
    auto it = statements_.find(sql);
    if (it == statements_.end()) {
        QSqlQuery query(requireConnection().database());
        if (!query.prepare(sql))
            throw EDatabaseError(QStringLiteral("Greška u upitu: %1").arg(Connection::errorText(query.lastError())));
        it = statements_.insert(sql, query);
    }
    return *it;
}

void TSqlQuery::doOpen(std::vector<std::unique_ptr<TRecord>>& records) {
    Connection& connection = requireConnection();
    statements_.clear();  // a reconnect invalidates prepared statements
    forgetWrites();
    QSqlQuery query(connection.database());
    query.setForwardOnly(true);
    if (!query.prepare(sql_))
        throw EDatabaseError(QStringLiteral("Greška u upitu skupa \"%1\": %2")
                                 .arg(name(), Connection::errorText(query.lastError())));
    static const QRegularExpression placeholder(QStringLiteral("(?<![:\\w]):([A-Za-z_]\\w*)"));
    auto matches = placeholder.globalMatch(sql_);
    while (matches.hasNext()) {
        const QString param = matches.next().captured(1);
        query.bindValue(QLatin1Char(':') + param, params_.value(param));
    }
    connection.countStatement();
    if (!query.exec())
        throw EDatabaseError(QStringLiteral("Greška pri čitanju skupa \"%1\": %2")
                                 .arg(name(), Connection::errorText(query.lastError())));
    const QSqlRecord columns = query.record();
    std::vector<int> target(size_t(columns.count()), -1);
    for (int c = 0; c < columns.count(); ++c) {
        TField* field = findField(columns.fieldName(c));
        if (!field) {
            field = addField(columns.fieldName(c), fieldTypeOfColumn(columns.field(c)));
            field->setStored(false);
        }
        target[size_t(c)] = field->index();
    }
    while (query.next()) {
        auto record = newRecord();
        for (int c = 0; c < columns.count(); ++c) {
            const int index = target[size_t(c)];
            record->values[size_t(index)] = field(index)->canonical(query.value(c));
        }
        records.push_back(std::move(record));
    }
}

QSqlQuery& TSqlQuery::preparedWrite(const std::vector<int>& columns, bool inserting) {
    // Rows written one after another mostly have the shape of the one before.
    if (lastWrite_ && inserting == lastInserting_ && columns == lastColumns_)
        return *lastWrite_;
    // Remembered only once prepared: a statement that failed to prepare must
    // not leave the shape paired with the statement before it.
    lastWrite_ = nullptr;
    QSqlQuery& query = preparedShape(columns, inserting);
    lastWrite_ = &query;
    lastInserting_ = inserting;
    lastColumns_ = columns;
    return query;
}

QSqlQuery& TSqlQuery::preparedShape(const std::vector<int>& columns, bool inserting) {
    QByteArray shape;
    shape.reserve(qsizetype(1 + 2 * columns.size()));
    shape.append(inserting ? 'I' : 'U');
    for (int column : columns)
        shape.append(char(column & 0xff)).append(char(column >> 8));
    auto it = writes_.find(shape);
    if (it != writes_.end())
        return *it;
    const QString key = keyField()->fieldName();
    QStringList names;
    for (int column : columns)
        names << field(column)->fieldName();
    QString sql;
    if (inserting && names.isEmpty())
        sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (NULL)").arg(updateTable_, key);
    else if (inserting)
        sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(updateTable_, names.join(QLatin1Char(',')),
                       QStringList(names.size(), QStringLiteral("?")).join(QLatin1Char(',')));
    else if (versionField())
        sql = QStringLiteral("UPDATE %1 SET %2 = ?, version = COALESCE(version, 0) + 1 WHERE %3 = ? "
                             "AND COALESCE(version, 0) = ?")
                  .arg(updateTable_, names.join(QStringLiteral(" = ?, ")), key);
    else
        sql = QStringLiteral("UPDATE %1 SET %2 = ? WHERE %3 = ?")
                  .arg(updateTable_, names.join(QStringLiteral(" = ?, ")), key);
    QSqlQuery query(requireConnection().database());
    if (!query.prepare(sql))
        throw EDatabaseError(QStringLiteral("Greška u upitu: %1").arg(Connection::errorText(query.lastError())));
    return *writes_.insert(shape, query);
}

qint64 TSqlQuery::writeRecord(const TRecord& record, std::vector<QVariant>& values, bool inserting,
                              qint64& version) {
    TField* key = keyField();
    TField* versioned = versionField();
    version = -1;
    if (versioned && inserting && values[size_t(versioned->index())].isNull())
        values[size_t(versioned->index())] = qlonglong(0);
    const std::vector<QVariant>& before = record.status == UpdateStatus::Modified ? record.original : record.values;
    columns_.clear();
    for (int i = 0; i < fieldCount(); ++i) {
        TField* f = field(i);
        if (!f->stored() || f == key || (f == versioned && !inserting))
            continue;
        const QVariant& value = values[size_t(i)];
        if (inserting) {
            if (value.isNull())
                continue;  // the column's default applies
        } else {
            const QVariant& old = before[size_t(i)];
            if (old == value && old.isNull() == value.isNull())
                continue;
        }
        columns_.push_back(i);
    }
    if (!inserting && columns_.empty())
        return 0;
    QSqlQuery& query = preparedWrite(columns_, inserting);
    int position = 0;
    for (int column : columns_)
        query.bindValue(position++, values[size_t(column)]);
    const qint64 readVersion = versioned ? before[size_t(versioned->index())].toLongLong() : 0;
    if (!inserting) {
        query.bindValue(position++, before[size_t(key->index())]);
        if (versioned)
            query.bindValue(position, readVersion);
    }
    connection_->countStatement();
    if (!query.exec())
        throw EDatabaseError(QStringLiteral("Zapis nije sačuvan (%1): %2")
                                 .arg(updateTable_, Connection::errorText(query.lastError())));
    if (versioned) {
        if (!inserting && query.numRowsAffected() != 1)
            throw EVersionConflict(conflictMessage_);
        version = inserting ? readVersion : readVersion + 1;
    }
    if (!inserting)
        return 0;
    const QVariant id = query.lastInsertId();
    return id.isValid() ? id.toLongLong() : connection_->lastInsertId();
}

void TSqlQuery::deleteRow(const TRecord& record) {
    const QVariant key = record.values[size_t(keyField()->index())];
    TField* versioned = versionField();
    Transaction transaction(*connection_);
    if (DeleteDependents)
        DeleteDependents(*connection_, key);
    QSqlQuery& query = prepared(versioned ? QStringLiteral("DELETE FROM %1 WHERE %2 = ? AND COALESCE(version, 0) = ?")
                                                .arg(updateTable_, keyName_)
                                          : QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(updateTable_, keyName_));
    query.bindValue(0, key);
    const std::vector<QVariant>& read = record.status == UpdateStatus::Modified ? record.original : record.values;
    if (versioned)
        query.bindValue(1, read[size_t(versioned->index())].toLongLong());
    connection_->countStatement();
    if (!query.exec())
        throw EDatabaseError(QStringLiteral("Zapis nije izbrisan (%1): %2")
                                 .arg(updateTable_, Connection::errorText(query.lastError())));
    if (versioned && query.numRowsAffected() != 1)
        throw EVersionConflict(conflictMessage_);
    transaction.commit();
}

void TSqlQuery::doPost(TRecord& record, std::vector<QVariant>& values, bool inserting) {
    requireUpdateTable();
    Transaction transaction(requireConnection());
    if (BeforeWrite)
        BeforeWrite();
    qint64 version = -1;
    const qint64 newKey = writeRecord(record, values, inserting, version);
    transaction.commit();
    if (inserting)
        values[size_t(keyField()->index())] = qlonglong(newKey);
    if (version >= 0)
        values[size_t(versionField()->index())] = qlonglong(version);
}

void TSqlQuery::doDelete(TRecord& record) {
    requireUpdateTable();
    Transaction transaction(requireConnection());
    if (BeforeWrite)
        BeforeWrite();
    deleteRow(record);
    transaction.commit();
}

void TSqlQuery::applyUpdates() {
    checkBrowseMode();
    if (!updatesPending())
        return;
    WrittenKeys keys;
    {
        Transaction transaction(requireConnection());
        keys = writeUpdates();
        transaction.commit();
    }
    // Only now, with everything stored, does memory follow the database.
    acceptUpdates(keys);
}

TSqlQuery::WrittenKeys TSqlQuery::writeUpdates() {
    checkBrowseMode();
    WrittenKeys newKeys;
    if (!updatesPending())
        return newKeys;
    Connection& connection = requireConnection();
    requireUpdateTable();
    Transaction transaction(connection);
    if (BeforeWrite)
        BeforeWrite();
    for (const auto& record : deletedRecords())
        deleteRow(*record);
    for (const auto& record : records()) {
        qint64 version = -1;
        if (record->status == UpdateStatus::Modified) {
            writeRecord(*record, record->values, false, version);
            if (version >= 0)
                newKeys.push_back({record.get(), 0, version});
        } else if (record->status == UpdateStatus::Inserted) {
            const qint64 key = writeRecord(*record, record->values, true, version);
            newKeys.push_back({record.get(), key, version});
        }
    }
    transaction.commit();
    return newKeys;
}

void TSqlQuery::acceptUpdates(const WrittenKeys& keys) {
    if (!updatesPending())
        return;
    const int keyIndex = keyField()->index();
    const TField* versioned = versionField();
    for (const WrittenRow& row : keys) {
        if (row.key != 0)
            row.record->values[size_t(keyIndex)] = qlonglong(row.key);
        if (versioned && row.version >= 0)
            row.record->values[size_t(versioned->index())] = qlonglong(row.version);
    }
    commitUpdates();
    notifyReset();
}
