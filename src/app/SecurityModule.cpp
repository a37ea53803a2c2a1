#include "SecurityModule.h"

#include "DatabasePasswords.h"
#include "DatabaseSchema.h"
#include "Messages.h"
#include "db/DbError.h"

TSecurityModule::TSecurityModule(const QString& url, IMessages& messages, TDatabasePasswords* passwords)
    : url_(url), messages_(messages), passwords_(passwords) {}

TSecurityModule::~TSecurityModule() = default;

QString TSecurityModule::DisplayUrl() const {
    const auto parsed = DbUrl::parse(url_);
    return parsed ? parsed->displayText() : DbUrl::maskedText(url_);
}

bool TSecurityModule::Connect() {
    if (connection_.isConnected())
        return true;
    try {
        QString error;
        auto url = DbUrl::parse(url_, &error);
        if (!url)
            throw EDatabaseError(error);
        if (passwords_ && url->needsPassword()) {
            url = passwords_->WithPassword(*url);
            if (!url)
                throw EDatabaseError(QStringLiteral("Lozinka nije upisana."));
        }
        try {
            connection_.open(*url);
        } catch (const EDatabaseError&) {
            if (passwords_)
                passwords_->Forget(*url);
            throw;
        }
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
