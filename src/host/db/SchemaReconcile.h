#pragma once

#include "SchemaDef.h"

#include <functional>
#include <vector>

class Connection;

// A step that brings existing tables to their declaration: missing columns
// are added, missing indexes created, and references between tables become
// foreign keys (on SQLite by rebuilding the table). A reference of 0 means
// no row and becomes NULL. Rows that point at nothing, or repeat what an
// index keeps unique, stop the step with a message that names them: the
// data is never changed to fit.
std::function<void(Connection&)> ReconcileTablesStep(std::vector<TableDef> tables);
