#include "SecurityModule.h"

#include "DatabaseSchema.h"
#include "Messages.h"
#include "db/DbError.h"

TSecurityModule::TSecurityModule(const QString& url, IMessages& messages) : url_(url), messages_(messages) {}

TSecurityModule::~TSecurityModule() = default;

QString TSecurityModule::DisplayUrl() const {
    const auto parsed = DbUrl::parse(url_);
    return parsed ? parsed->displayText() : url_;
}

bool TSecurityModule::Connect() {
    if (connection_.isConnected())
        return true;
    try {
        QString error;
        const auto url = DbUrl::parse(url_, &error);
        if (!url)
            throw EDatabaseError(error);
        connection_.open(*url);
        PrepareDatabase(connection_);
        return true;
    } catch (const EDatabaseError& error) {
        connection_.close();
        messages_.error(QStringLiteral("Veza sa bazom podataka nije uspostavljena.\n\n%1\n\n"
                                       "Program radi bez podataka; drugu bazu možete izabrati u meniju "
                                       "Datoteka > Baza podataka.")
                            .arg(error.message()));
        return false;
    }
}
