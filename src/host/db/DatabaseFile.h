#pragma once

#include <QString>

// Readies the file of an embedded database before SQLite opens it. The
// folder of the default location is created when missing; any other missing
// folder is refused, since a mistyped path must not leave new folders and an
// empty database behind. A new file is created readable by its owner only
// (SQLite gives its journal files the same rights), as it will hold personal
// numbers, accounts and salaries. True when this call created the file.
// Throws EDatabaseError with the reason.
bool PrepareDatabaseFile(const QString& path);

// Creates the folder (and missing parents) with the last one open to its
// owner only; false when it cannot.
bool CreatePrivateFolder(const QString& path);
