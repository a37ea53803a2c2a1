#pragma once

#include <QString>

class QSettings;
class TDatabasePasswords;

// Where the application's database URL came from.
enum class DatabaseUrlSource {
    CommandLine,    // --db URL
    Configuration,  // the user's configuration (saved by the connection dialog)
    Default,        // nothing chosen yet: the embedded file
};

struct DatabaseUrlChoice {
    QString url;
    DatabaseUrlSource source = DatabaseUrlSource::Default;
};

// The URL to open: the command line's, else the saved one, else the embedded default.
DatabaseUrlChoice ChooseDatabaseUrl(const QString& commandLineUrl, const QSettings& settings);

QString SavedDatabaseUrl(const QSettings& settings);
// Saves the address without its password.
void SaveDatabaseUrl(QSettings& settings, const QString& url);

// Keeps a chosen address: its password with the passwords (the secret store
// and this session), the rest in the settings.
void RememberDatabaseChoice(QSettings& settings, TDatabasePasswords& passwords, const QString& url);
