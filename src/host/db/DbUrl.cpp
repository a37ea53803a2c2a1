#include "DbUrl.h"

#include <QUrl>
#include <QUrlQuery>

namespace {

void setError(QString* error, const QString& text) {
    if (error)
        *error = text;
}

}  // namespace

std::optional<DbUrl> DbUrl::parse(const QString& rawText, QString* error) {
    const QString text = rawText.trimmed();
    if (text.isEmpty()) {
        setError(error, QStringLiteral("Adresa baze podataka nije zadata."));
        return std::nullopt;
    }
    DbUrl url;
    if (text.startsWith(QLatin1String("mysql://"), Qt::CaseInsensitive)
        || text.startsWith(QLatin1String("mariadb://"), Qt::CaseInsensitive)) {
        const QUrl parsed(text, QUrl::StrictMode);
        if (!parsed.isValid() || parsed.host().isEmpty()) {
            setError(error, QStringLiteral("Neispravna adresa MySQL servera: %1").arg(text));
            return std::nullopt;
        }
        url.dialect = SqlDialect::MySQL;
        url.host = parsed.host();
        url.port = parsed.port(3306);
        url.user = parsed.userName(QUrl::FullyDecoded);
        url.password = parsed.password(QUrl::FullyDecoded);
        url.database = parsed.path(QUrl::FullyDecoded).mid(1);
        url.socket = QUrlQuery(parsed).queryItemValue(QStringLiteral("socket"), QUrl::FullyDecoded);
        if (url.database.isEmpty() || url.database.contains(QLatin1Char('/'))) {
            setError(error, QStringLiteral("U adresi MySQL servera nedostaje ime baze: %1").arg(text));
            return std::nullopt;
        }
        return url;
    }
    url.dialect = SqlDialect::SQLite;
    url.path = text.startsWith(QLatin1String("sqlite:"), Qt::CaseInsensitive) ? text.mid(7) : text;
    if (url.path.startsWith(QLatin1String("//")))
        url.path = url.path.mid(2);
    if (url.path.isEmpty()) {
        setError(error, QStringLiteral("U adresi baze nedostaje putanja do datoteke."));
        return std::nullopt;
    }
    return url;
}

QString DbUrl::displayText() const {
    if (dialect == SqlDialect::SQLite)
        return QStringLiteral("sqlite:") + path;
    return QStringLiteral("mysql://%1@%2:%3/%4").arg(user, host).arg(port).arg(database);
}

QString DbUrl::toString() const {
    if (dialect == SqlDialect::SQLite)
        return QStringLiteral("sqlite:") + path;
    QUrl url;
    url.setScheme(QStringLiteral("mysql"));
    url.setHost(host);
    url.setPort(port);
    url.setUserName(user);
    url.setPassword(password);
    url.setPath(QLatin1Char('/') + database);
    if (!socket.isEmpty()) {
        QUrlQuery query;
        query.addQueryItem(QStringLiteral("socket"), socket);
        url.setQuery(query);
    }
    return url.toString(QUrl::FullyEncoded);
}
