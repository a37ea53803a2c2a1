#pragma once

#include "SchemaDef.h"

#include <QString>

#include <functional>
#include <vector>

class Connection;

// A part of the database with its own version (the host's tables, the
// payroll module's tables). Step i brings the schema from version i to i+1.
struct SchemaComponent {
    QString name;
    std::vector<std::function<void(Connection&)>> steps;
    int version() const { return int(steps.size()); }
};

// Version stored in the database for a component, 0 when it has none.
int StoredSchemaVersion(Connection& connection, const QString& component);

// Brings every component to its current version, each step in its own
// transaction. When the database holds a newer version of any component
// than this program knows, nothing is changed and EDatabaseError says so.
void MigrateSchema(Connection& connection, const std::vector<SchemaComponent>& components);

// Before a component's tables are first created: refuses, with nothing
// changed, a database that already has a table of the same name without
// all of its columns (another program's table, which would stop the
// creation half-way). Tables from an interrupted first run are ours and pass.
void RefuseForeignTables(Connection& connection, const QString& component, const std::vector<TableDef>& tables);

// A step that creates the given tables with their indexes.
std::function<void(Connection&)> CreateTablesStep(std::vector<TableDef> tables);
