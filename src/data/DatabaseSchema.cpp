#include "DatabaseSchema.h"

#include "HostSchema.h"
#include "SalarySchema.h"
#include "db/SchemaMigrator.h"
#include "db/SchemaReconcile.h"

namespace {

// A database of an earlier version gets the tables it lacks and the columns,
// widths, references and indexes of the declarations.
std::function<void(Connection&)> CatchUpStep(const std::vector<TableDef>& tables) {
    return [create = CreateTablesStep(tables), reconcile = ReconcileTablesStep(tables)](Connection& connection) {
        create(connection);
        reconcile(connection);
    };
}

std::vector<SchemaComponent> components() {
    // Step 2: versions of documents and employees, unique codes, numbers and
    // lines, and references between tables kept by the database.
    // Step 3: the tables of the returns and reports, and their names as wide
    // as the employee's own, so a return never cuts a name.
    return {
        SchemaComponent{QStringLiteral("host"),
                        {CreateTablesStep(HostTables()), ReconcileTablesStep(HostTables()), CatchUpStep(HostTables())}},
        SchemaComponent{QStringLiteral("salary"),
                        {CreateTablesStep(SalaryTables()), ReconcileTablesStep(SalaryTables()),
                         CatchUpStep(SalaryTables())}},
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
