#include "SchemaMigrator.h"

#include "Connection.h"
#include "DbError.h"
#include "Ddl.h"

namespace {

void ensureVersionTable(Connection& connection) {
    connection.execDirect(QStringLiteral(
        "CREATE TABLE IF NOT EXISTS schemaversion (component VARCHAR(30) NOT NULL PRIMARY KEY, version INTEGER NOT NULL)"));
}

}  // namespace

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
