#pragma once

#include "db/SchemaDef.h"

#include <vector>

// The host application's own tables as far as the payroll module reads them:
// employees, organisational units, transport zones, earlier monthly averages,
// currencies, time attendance, the imported salary comparison and the
// settings store.
const std::vector<TableDef>& HostTables();
