#include "DatabasePasswords.h"

#include "PasswordStore.h"

TDatabasePasswords::TDatabasePasswords(IPasswordStore& store, Ask ask) : store_(store), ask_(std::move(ask)) {}

QString TDatabasePasswords::KeyOf(const DbUrl& url) {
    // The server, the account and the database: what the password opens.
    return QStringLiteral("%1@%2:%3/%4").arg(url.user, url.host).arg(url.port).arg(url.database);
}

std::optional<DbUrl> TDatabasePasswords::WithPassword(const DbUrl& url) {
    if (!url.needsPassword())
        return url;
    const QString key = KeyOf(url);
    DbUrl full = url;
    if (const auto known = session_.constFind(key); known != session_.cend()) {
        full.password = *known;
        return full;
    }
    const auto stored = refused_.contains(key) ? std::nullopt : store_.Read(key);
    if (stored) {
        full.password = *stored;
        session_.insert(key, full.password);
        return full;
    }
    const auto typed = ask_ ? ask_(url.displayText()) : std::nullopt;
    if (!typed)
        return std::nullopt;
    full.password = *typed;
    Remember(full);
    return full;
}

void TDatabasePasswords::Remember(const DbUrl& url) {
    if (url.dialect != SqlDialect::MySQL || url.password.isEmpty())
        return;
    session_.insert(KeyOf(url), url.password);
    refused_.remove(KeyOf(url));
    store_.Write(KeyOf(url), url.password);
}

void TDatabasePasswords::Forget(const DbUrl& url) {
    session_.remove(KeyOf(url));
    refused_.insert(KeyOf(url));
}
