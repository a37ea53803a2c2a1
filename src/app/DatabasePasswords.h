#pragma once

#include "db/DbUrl.h"

#include <QHash>
#include <QSet>
#include <QString>

#include <functional>
#include <optional>

class IPasswordStore;

// The passwords of the database servers the application connects to, for
// one session. An address with a password is used as it is; one without
// takes this session's password, else the secret store's, else the user is
// asked (once: the answer is kept for the session, and in the store when
// there is one). Settings keep only addresses without passwords.
class TDatabasePasswords {
public:
    // Asks the user for the password of the address shown; nullopt when cancelled.
    using Ask = std::function<std::optional<QString>(const QString& displayUrl)>;

    TDatabasePasswords(IPasswordStore& store, Ask ask);

    // The address with its password; nullopt when the user gave none.
    std::optional<DbUrl> WithPassword(const DbUrl& url);
    // Keeps the address's password for this session and in the store.
    void Remember(const DbUrl& url);
    // Drops this session's password (it did not open the database), so
    // that the next attempt asks the user again rather than the store.
    void Forget(const DbUrl& url);

    static QString KeyOf(const DbUrl& url);

private:
    IPasswordStore& store_;
    Ask ask_;
    QHash<QString, QString> session_;
    QSet<QString> refused_;
};
