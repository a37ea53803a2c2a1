#pragma once

// The SQL engines the application runs on: SQLite for a single workstation,
// MySQL/MariaDB for a shared company database.
enum class SqlDialect { SQLite, MySQL };
