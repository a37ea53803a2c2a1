#include "CliCommands.h"

#include "CliPassword.h"
#include "DatabaseSchema.h"
#include "db/Connection.h"
#include "db/DbError.h"

#include <QMetaObject>

std::unique_ptr<Connection> OpenDatabase(const CliContext& context) {
    QString error;
    auto url = DbUrl::parse(context.url, &error);
    if (!url)
        throw EDatabaseError(error);
    SupplyDatabasePassword(*url);
    auto connection = std::make_unique<Connection>();
    connection->open(*url);
    return connection;
}

int CommandInit(CliContext& context) {
    auto connection = OpenDatabase(context);
    const bool wasCurrent = DatabaseIsCurrent(*connection);
    PrepareDatabase(*connection);
    context.out << (wasCurrent ? "Šema baze je već ažurna: " : "Šema baze je pripremljena: ")
                << connection->url().displayText() << "\n";
    return 0;
}
