#include "DbUrl.h"

#include <QUrl>
#include <QUrlQuery>

namespace {

void setError(QString* error, const QString& text) {
    if (error)
        *error = text;
}

// The address parameters a MySQL URL may have; a misspelt one (say "sll=1")
// must not quietly give an unencrypted connection.
const QStringList& knownParameters() {
    static const QStringList names = {QStringLiteral("socket"), QStringLiteral("ssl"), QStringLiteral("ssl-ca"),
                                      QStringLiteral("ssl-cert"), QStringLiteral("ssl-key")};
    return names;
}

std::optional<bool> flag(const QString& text) {
    if (text == QLatin1String("1") || text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (text == QLatin1String("0") || text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

}  // namespace

QString DbUrl::maskedText(const QString& text) {
    const int scheme = text.indexOf(QLatin1String("://"));
    if (scheme < 0)
        return text;
    const int start = scheme + 3;
    // Everything up to the last '@' is the user and the password: a password
    // with an unencoded '@' or '/' must not leak through a wrong split.
    const int at = text.lastIndexOf(QLatin1Char('@'));
    if (at < start)
        return text;
    const QString userInfo = text.mid(start, at - start);
    const int colon = userInfo.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return text;
    return text.left(start) + userInfo.left(colon) + QStringLiteral(":***") + text.mid(at);
}

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
            setError(error, QStringLiteral("Neispravna adresa MySQL servera: %1").arg(maskedText(text)));
            return std::nullopt;
        }
        url.dialect = SqlDialect::MySQL;
        url.host = parsed.host();
        url.port = parsed.port(3306);
        url.user = parsed.userName(QUrl::FullyDecoded);
        url.password = parsed.password(QUrl::FullyDecoded);
        url.database = parsed.path(QUrl::FullyDecoded).mid(1);
        if (url.database.isEmpty() || url.database.contains(QLatin1Char('/'))) {
            setError(error, QStringLiteral("U adresi MySQL servera nedostaje ime baze: %1").arg(url.displayText()));
            return std::nullopt;
        }
        const QUrlQuery query(parsed);
        for (const auto& [name, value] : query.queryItems(QUrl::FullyDecoded)) {
            if (!knownParameters().contains(name)) {
                setError(error, QStringLiteral("Nepoznat parametar \"%1\" u adresi MySQL servera; poznati su: %2.")
                                    .arg(name, knownParameters().join(QStringLiteral(", "))));
                return std::nullopt;
            }
            if (name == QLatin1String("socket"))
                url.socket = value;
            else if (name == QLatin1String("ssl-ca"))
                url.sslCa = value;
            else if (name == QLatin1String("ssl-cert"))
                url.sslCert = value;
            else if (name == QLatin1String("ssl-key"))
                url.sslKey = value;
            else if (const auto on = flag(value))
                url.ssl = *on;
            else {
                setError(error, QStringLiteral("Parametar ssl u adresi MySQL servera može biti 1 ili 0, a ne \"%1\".")
                                    .arg(value));
                return std::nullopt;
            }
        }
        // A certificate makes no sense without TLS.
        url.ssl = url.ssl || !url.sslCa.isEmpty() || !url.sslCert.isEmpty() || !url.sslKey.isEmpty();
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
    return withoutPassword().toString();
}

DbUrl DbUrl::withoutPassword() const {
    DbUrl copy = *this;
    copy.password.clear();
    return copy;
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
    QUrlQuery query;
    if (!socket.isEmpty())
        query.addQueryItem(QStringLiteral("socket"), socket);
    if (ssl)
        query.addQueryItem(QStringLiteral("ssl"), QStringLiteral("1"));
    if (!sslCa.isEmpty())
        query.addQueryItem(QStringLiteral("ssl-ca"), sslCa);
    if (!sslCert.isEmpty())
        query.addQueryItem(QStringLiteral("ssl-cert"), sslCert);
    if (!sslKey.isEmpty())
        query.addQueryItem(QStringLiteral("ssl-key"), sslKey);
    if (!query.isEmpty())
        url.setQuery(query);
    return url.toString(QUrl::FullyEncoded);
}
