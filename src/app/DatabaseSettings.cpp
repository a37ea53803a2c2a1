#include "DatabaseSettings.h"

#include "db/DefaultDatabase.h"

#include <QSettings>

namespace {

const QString UrlKey = QStringLiteral("database/url");

}  // namespace

QString SavedDatabaseUrl(const QSettings& settings) { return settings.value(UrlKey).toString().trimmed(); }

void SaveDatabaseUrl(QSettings& settings, const QString& url) {
    settings.setValue(UrlKey, url);
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
