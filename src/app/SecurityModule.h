#pragma once

#include "Kinterfaces.h"
#include "db/Connection.h"

#include <QString>

class IMessages;

// The host's security module: it owns the one database connection of the
// application and hands it to the modules.
class TSecurityModule : public ISecurityModule {
public:
    TSecurityModule(const QString& url, IMessages& messages);
    ~TSecurityModule() override;

    Connection* DatabaseConnection() override { return &connection_; }
    // Opens the database and brings its schema up to date; a failure is
    // reported and the application goes on without data.
    bool Connect() override;

    const QString& Url() const { return url_; }
    // The URL without its password, for the window's status line.
    QString DisplayUrl() const;

private:
    QString url_;
    IMessages& messages_;
    Connection connection_;
};
