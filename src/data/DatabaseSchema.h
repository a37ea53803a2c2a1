#pragma once

class Connection;

// Creates the host's and the payroll module's tables, or brings them to the
// current version. A database made by a newer program is refused unchanged.
void PrepareDatabase(Connection& connection);
// Whether the database already holds the current schema (no change needed).
bool DatabaseIsCurrent(Connection& connection);
