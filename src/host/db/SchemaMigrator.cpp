#include "SchemaMigrator.h"

#include "Connection.h"
#include "DbError.h"
#include "Ddl.h"

#include <QSqlRecord>

#include <algorithm>

namespace {

void ensureVersionTable(Connection& connection) {
    connection.execDirect(QStringLiteral(
        "CREATE TABLE IF NOT EXISTS schemaversion (component VARCHAR(30) NOT NULL PRIMARY KEY, version INTEGER NOT NULL)"));
}

bool hasColumns(Connection& connection, const QString& table, const QStringList& columns) {
    const QSqlRecord record = connection.database().record(table);
    return std::all_of(columns.begin(), columns.end(),
                       [&record](const QString& column) { return record.indexOf(column) >= 0; });
}

}  // namespace

void RefuseForeignTables(Connection& connection, const QString& component, const std::vector<TableDef>& tables) {
    QStringList foreign;
    const QString versions = QStringLiteral("schemaversion");
    if (connection.tableExists(versions)
        && !hasColumns(connection, versions, {QStringLiteral("component"), QStringLiteral("version")}))
        foreign << versions;
    else if (StoredSchemaVersion(connection, component) > 0)
        return;
    for (const TableDef& table : tables) {
        QStringList columns;
        for (const ColumnDef& column : table.columns)
            columns << column.name;
        if (connection.tableExists(table.name) && !hasColumns(connection, table.name, columns))
            foreign << table.name;
    }
    if (!foreign.isEmpty())
        throw EDatabaseError(
            QStringLiteral("Baza %1 već ima tabele drugog programa sa istim imenima (%2), pa u nju ne mogu da upišem "
                           "tabele zarada. Ništa nije promenjeno; izaberite praznu bazu ili drugu datoteku.")
                .arg(connection.url().displayText(), foreign.join(QStringLiteral(", "))));
}

int StoredSchemaVersion(Connection& connection, const QString& component) {
    if (!connection.tableExists(QStringLiteral("schemaversion")))
        return 0;
    return connection.scalar(QStringLiteral("SELECT version FROM schemaversion WHERE component = ?"), {component})
        .toInt();
}

void MigrateSchema(Connection& connection, const std::vector<SchemaComponent>& components) {
    for (const SchemaComponent& component : components) {
        const int stored = StoredSchemaVersion(connection, component.name);
        if (stored > component.version())
            throw EDatabaseError(
                QStringLiteral("Baza podataka je napravljena novijom verzijom programa (%1: verzija šeme %2, "
                               "ovaj program poznaje %3). Instalirajte noviju verziju programa.")
                    .arg(component.name)
                    .arg(stored)
                    .arg(component.version()));
    }
    ensureVersionTable(connection);
    for (const SchemaComponent& component : components) {
        for (int version = StoredSchemaVersion(connection, component.name); version < component.version();
             ++version) {
            // MySQL commits DDL on its own; the steps are written to be re-runnable.
            Transaction transaction(connection);
            component.steps[size_t(version)](connection);
            if (version == 0)
                connection.exec(QStringLiteral("INSERT INTO schemaversion (component, version) VALUES (?, ?)"),
                                {component.name, version + 1});
            else
                connection.exec(QStringLiteral("UPDATE schemaversion SET version = ? WHERE component = ?"),
                                {version + 1, component.name});
            transaction.commit();
        }
    }
}

std::function<void(Connection&)> CreateTablesStep(std::vector<TableDef> tables) {
    return [tables = std::move(tables)](Connection& connection) {
        for (const TableDef& table : tables)
            for (const QString& statement : CreateTableStatements(table, connection.dialect()))
                connection.execDirect(statement);
    };
}
