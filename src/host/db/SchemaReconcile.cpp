#include "SchemaReconcile.h"

#include "Connection.h"
#include "DbError.h"
#include "Ddl.h"

#include <QHash>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

namespace {

QStringList existingColumns(Connection& connection, const QString& table) {
    QStringList names;
    const QSqlRecord record = connection.database().record(table);
    for (int i = 0; i < record.count(); ++i)
        names << record.fieldName(i).toLower();
    return names;
}

void addMissingColumns(Connection& connection, const TableDef& table) {
    const QStringList existing = existingColumns(connection, table.name);
    for (const ColumnDef& column : table.columns)
        if (!existing.contains(column.name.toLower()))
            connection.execDirect(AddColumnStatement(table, column, connection.dialect()));
}

// A text declared wider than the server holds it is widened, so a value the
// program accepts is never refused or cut by the column (SQLite keeps any length).
void widenTexts(Connection& connection, const TableDef& table) {
    if (connection.dialect() != SqlDialect::MySQL)
        return;
    QSqlQuery sizes = connection.exec(QStringLiteral("SELECT LOWER(column_name), character_maximum_length "
                                                     "FROM information_schema.columns "
                                                     "WHERE table_schema = DATABASE() AND table_name = ?"),
                                      {table.name});
    QHash<QString, qint64> held;
    while (sizes.next())
        if (!sizes.value(1).isNull())
            held.insert(sizes.value(0).toString(), sizes.value(1).toLongLong());
    for (const ColumnDef& column : table.columns)
        if (column.type == ColumnType::String && column.size > 0 && held.value(column.name.toLower(), column.size) < column.size)
            connection.execDirect(ModifyColumnStatement(table, column));
}

// References of 0 are "no row"; a reference to a row that is not there stops the upgrade.
void checkReferences(Connection& connection, const TableDef& table) {
    for (const ColumnDef& column : table.columns) {
        if (column.references.isEmpty())
            continue;
        connection.exec(QStringLiteral("UPDATE %1 SET %2 = NULL WHERE %2 = 0").arg(table.name, column.name));
        const int orphans = connection
                                .scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 IS NOT NULL AND %2 NOT IN "
                                                       "(SELECT %3 FROM %4)")
                                            .arg(table.name, column.name, KeyColumnOf(column.references),
                                                 column.references))
                                .toInt();
        if (orphans > 0)
            throw EDatabaseError(QStringLiteral("Tabela %1 ima %2 redova čije polje %3 upućuje na red tabele %4 koji ne "
                                               "postoji; baza se ne može nadograditi dok se ti redovi ne isprave.")
                                     .arg(table.name)
                                     .arg(orphans)
                                     .arg(column.name, column.references));
    }
}

bool declaresReferences(const TableDef& table) {
    for (const ColumnDef& column : table.columns)
        if (!column.references.isEmpty())
            return true;
    return false;
}

bool hasForeignKeys(Connection& connection, const QString& table) {
    if (connection.dialect() == SqlDialect::SQLite)
        return connection.exec(QStringLiteral("PRAGMA foreign_key_list(%1)").arg(table)).next();
    return true;  // MySQL: each constraint is looked up by name
}

// SQLite adds a foreign key only with the table: a new one is made, the rows
// copied, the old one dropped and the new one renamed; the key sequence is kept.
void rebuildWithReferences(Connection& connection, const TableDef& table) {
    TableDef rebuilt = table;
    rebuilt.name = table.name + QStringLiteral("_rebuilt");
    rebuilt.indexes.clear();
    for (const QString& statement : CreateTableStatements(rebuilt, SqlDialect::SQLite))
        connection.execDirect(statement);
    QStringList columns;
    for (const ColumnDef& column : table.columns)
        columns << column.name;
    connection.execDirect(QStringLiteral("INSERT INTO %1 (%2) SELECT %2 FROM %3")
                              .arg(rebuilt.name, columns.join(QLatin1Char(',')), table.name));
    const QVariant sequence =
        connection.scalar(QStringLiteral("SELECT seq FROM sqlite_sequence WHERE name = ?"), {table.name});
    connection.execDirect(QStringLiteral("DROP TABLE %1").arg(table.name));
    connection.execDirect(QStringLiteral("ALTER TABLE %1 RENAME TO %2").arg(rebuilt.name, table.name));
    if (!sequence.isNull())
        connection.exec(QStringLiteral("UPDATE sqlite_sequence SET seq = MAX(seq, ?) WHERE name = ?"),
                        {sequence, table.name});
}

void addMissingForeignKeys(Connection& connection, const TableDef& table) {
    for (const ColumnDef& column : table.columns) {
        if (column.references.isEmpty())
            continue;
        const bool present = connection
                                 .scalar(QStringLiteral("SELECT COUNT(*) FROM information_schema.table_constraints "
                                                        "WHERE constraint_schema = DATABASE() AND table_name = ? "
                                                        "AND constraint_name = ?"),
                                         {table.name, ForeignKeyName(table, column)})
                                 .toInt()
            > 0;
        if (!present)
            connection.execDirect(AddForeignKeyStatement(table, column));
    }
}

void createIndexes(Connection& connection, const TableDef& table) {
    for (const IndexDef& index : table.indexes) {
        try {
            connection.execDirect(IndexStatement(table, index, connection.dialect()));
        } catch (const EDatabaseError&) {
            if (!index.unique)
                throw;
            throw EDatabaseError(QStringLiteral("Tabela %1 ima redove sa istim vrednostima polja %2, a one moraju biti "
                                                "jedinstvene; baza se ne može nadograditi dok se ti redovi ne isprave.")
                                     .arg(table.name, index.columns.join(QStringLiteral(", "))));
        }
    }
}

}  // namespace

std::function<void(Connection&)> ReconcileTablesStep(std::vector<TableDef> tables) {
    return [tables = std::move(tables)](Connection& connection) {
        // Every table first has its columns and clean references, then the
        // constraints follow, parents before the tables that point at them.
        for (const TableDef& table : tables) {
            addMissingColumns(connection, table);
            widenTexts(connection, table);
            checkReferences(connection, table);
        }
        for (const TableDef& table : tables) {
            if (!declaresReferences(table))
                continue;
            if (connection.dialect() == SqlDialect::MySQL)
                addMissingForeignKeys(connection, table);
            else if (!hasForeignKeys(connection, table.name))
                rebuildWithReferences(connection, table);
        }
        for (const TableDef& table : tables)
            createIndexes(connection, table);
    };
}
