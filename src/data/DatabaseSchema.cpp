#include "DatabaseSchema.h"

#include "HostSchema.h"
#include "SalarySchema.h"
#include "db/SchemaMigrator.h"
#include "db/SchemaReconcile.h"

namespace {

std::vector<SchemaComponent> components() {
    return {
        // Step 2: versions of documents and employees, unique codes, numbers
        // and lines, and references between tables kept by the database.
        SchemaComponent{QStringLiteral("host"),
                        {CreateTablesStep(HostTables()), ReconcileTablesStep(HostTables())}},
        SchemaComponent{QStringLiteral("salary"),
                        {CreateTablesStep(SalaryTables()), ReconcileTablesStep(SalaryTables())}},
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
