#pragma once

#include <QString>

struct DbUrl;

// The password of a MySQL address that has none, so that it need not be
// written on the command line where every local user sees it in the process
// list: from ZARADE_DB_PASSWORD when that is set (even to nothing, for an
// account without one), else asked on the terminal without echo. Without a
// terminal nobody can answer, so that is an error that says what to do.
// Throws EDatabaseError.
void SupplyDatabasePassword(DbUrl& url);
