#include "DatabaseSettings.h"

#include "DatabasePasswords.h"
#include "db/DbUrl.h"
#include "db/DefaultDatabase.h"

#include <QSettings>

namespace {

const QString UrlKey = QStringLiteral("database/url");

}  // namespace

QString SavedDatabaseUrl(const QSettings& settings) { return settings.value(UrlKey).toString().trimmed(); }

void SaveDatabaseUrl(QSettings& settings, const QString& url) {
    // The settings file is plain text any program of the user reads: the
    // password goes to the secret store (DatabasePasswords), never here.
    const auto parsed = DbUrl::parse(url);
    settings.setValue(UrlKey, parsed ? parsed->withoutPassword().toString() : DbUrl::maskedText(url));
    settings.sync();
}

DatabaseUrlChoice ChooseDatabaseUrl(const QString& commandLineUrl, const QSettings& settings) {
    if (!commandLineUrl.trimmed().isEmpty())
        return {commandLineUrl.trimmed(), DatabaseUrlSource::CommandLine};
    const QString saved = SavedDatabaseUrl(settings);
    if (!saved.isEmpty())
        return {saved, DatabaseUrlSource::Configuration};
    return {DefaultDatabaseUrl(), DatabaseUrlSource::Default};
}

void RememberDatabaseChoice(QSettings& settings, TDatabasePasswords& passwords, const QString& url) {
    if (const auto parsed = DbUrl::parse(url))
        passwords.Remember(*parsed);
    SaveDatabaseUrl(settings, url);
}
