#include "CliPassword.h"

#include "db/DbError.h"
#include "db/DbUrl.h"

#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <optional>
#include <string>

namespace {

const char* const PasswordVariable = "ZARADE_DB_PASSWORD";

// One line from the terminal with its echo off; nullopt at the end of input.
std::optional<QString> readHidden(const QString& prompt) {
    // Echo goes off before the prompt shows, so nothing typed after it is echoed.
    termios saved{};
    const bool restore = tcgetattr(STDIN_FILENO, &saved) == 0;
    if (restore) {
        termios silent = saved;
        silent.c_lflag &= ~tcflag_t(ECHO);
        silent.c_lflag |= ECHONL;
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &silent);
    }
    std::fputs(prompt.toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    std::string line;
    bool ended = true;
    char c = 0;
    while (::read(STDIN_FILENO, &c, 1) == 1) {
        if (c == '\n') {
            ended = false;
            break;
        }
        line.push_back(c);
    }
    if (restore)
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    if (ended && line.empty())
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return QString::fromLocal8Bit(line.data(), qsizetype(line.size()));
}

}  // namespace

void SupplyDatabasePassword(DbUrl& url) {
    if (!url.needsPassword())
        return;
    if (qEnvironmentVariableIsSet(PasswordVariable)) {
        url.password = qEnvironmentVariable(PasswordVariable);
        return;
    }
    if (!isatty(STDIN_FILENO))
        throw EDatabaseError(
            QStringLiteral("Adresa %1 nema lozinku, a nema ni terminala na kome bi se upisala. Zadajte je u "
                           "promenljivoj okruženja %2 (ili u adresi, gde je vidljiva drugim korisnicima računara).")
                .arg(url.displayText(), QLatin1String(PasswordVariable)));
    const auto password = readHidden(QStringLiteral("Lozinka za %1: ").arg(url.displayText()));
    if (!password)
        throw EDatabaseError(QStringLiteral("Lozinka nije upisana."));
    url.password = *password;
}
