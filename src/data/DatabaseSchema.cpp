#include "DatabaseSchema.h"

#include "HostSchema.h"
#include "SalarySchema.h"
#include "db/SchemaMigrator.h"

namespace {

std::vector<SchemaComponent> components() {
    return {
        SchemaComponent{QStringLiteral("host"), {CreateTablesStep(HostTables())}},
        SchemaComponent{QStringLiteral("salary"), {CreateTablesStep(SalaryTables())}},
    };
}

}  // namespace

void PrepareDatabase(Connection& connection) {
    RefuseForeignTables(connection, QStringLiteral("host"), HostTables());
    RefuseForeignTables(connection, QStringLiteral("salary"), SalaryTables());
    MigrateSchema(connection, components());
}

bool DatabaseIsCurrent(Connection& connection) {
    for (const SchemaComponent& component : components())
        if (StoredSchemaVersion(connection, component.name) != component.version())
            return false;
    return true;
}
