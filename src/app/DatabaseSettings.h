#pragma once

#include <QString>

class QSettings;

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
void SaveDatabaseUrl(QSettings& settings, const QString& url);
