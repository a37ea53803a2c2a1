#pragma once

#include "Kinterfaces.h"
#include "db/Connection.h"

#include <QString>

class IMessages;
class TDatabasePasswords;

// The host's security module: it owns the one database connection of the
// application and hands it to the modules.
class TSecurityModule : public ISecurityModule {
public:
    // Without `passwords` an address without a password is tried as it is.
    TSecurityModule(const QString& url, IMessages& messages, TDatabasePasswords* passwords = nullptr);
    ~TSecurityModule() override;

    Connection* DatabaseConnection() override { return &connection_; }
    // Opens the database and brings its schema up to date; a failure is
    // reported and the application goes on without data.
    bool Connect() override;

    const QString& Url() const { return url_; }
    TDatabasePasswords* Passwords() const { return passwords_; }
    // The URL without its password, for the window's status line.
    QString DisplayUrl() const;

private:
    QString url_;
    IMessages& messages_;
    TDatabasePasswords* passwords_;
    Connection connection_;
};
