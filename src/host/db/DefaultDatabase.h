#pragma once

#include <QString>

// The embedded database every program uses when no other is named:
// zarade.db in the user's data directory (~/.local/share/Zarade on Linux).
QString DefaultDatabasePath();
QString DefaultDatabaseUrl();
