#include "Jmbg.h"

namespace {

bool allDigits(const QString& text) {
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return !text.isEmpty();
}

int digit(const QString& text, int i) { return text.at(i).unicode() - '0'; }

}  // namespace

int JmbgControlDigit(const QString& first) {
    // Digit i and digit i+6 share the weight 7 - i.
    int sum = 0;
    for (int i = 0; i < 6; ++i)
        sum += (7 - i) * (digit(first, i) + digit(first, i + 6));
    const int remainder = sum % 11;
    if (remainder == 0)
        return 0;
    if (remainder == 1)
        return -1;
    return 11 - remainder;
}

QDate JmbgBirthDate(const QString& jmbg) {
    if (jmbg.size() < 7 || !allDigits(jmbg.left(7)))
        return {};
    const int day = jmbg.mid(0, 2).toInt();
    const int month = jmbg.mid(2, 2).toInt();
    const int yyy = jmbg.mid(4, 3).toInt();
    // Three digits of the year: 9xx and 8xx are the 1900s and 1800s, the rest this millennium.
    const int year = yyy >= 800 ? 1000 + yyy : 2000 + yyy;
    return QDate(year, month, day);
}

QString JmbgError(const QString& jmbg) {
    if (jmbg.size() != 13 || !allDigits(jmbg))
        return QStringLiteral("JMBG \"%1\" mora imati tačno 13 cifara.").arg(jmbg);
    if (!JmbgBirthDate(jmbg).isValid())
        return QStringLiteral("JMBG \"%1\" ne počinje ispravnim datumom rođenja (DDMMGGG).").arg(jmbg);
    const int control = JmbgControlDigit(jmbg.left(12));
    if (control < 0 || control != digit(jmbg, 12))
        return QStringLiteral("JMBG \"%1\" nema ispravnu kontrolnu cifru.").arg(jmbg);
    return {};
}
