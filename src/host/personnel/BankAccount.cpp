#include "BankAccount.h"

#include <QRegularExpression>

int BankAccountControl(const QString& bank, const QString& number) {
    // The 18 digits (with the "00" for the control) do not fit arithmetic
    // comfortably in every tool, so reduce digit by digit.
    const QString digits = bank + number.rightJustified(13, QLatin1Char('0')) + QStringLiteral("00");
    int remainder = 0;
    for (const QChar c : digits)
        remainder = (remainder * 10 + (c.unicode() - '0')) % 97;
    return 98 - remainder;
}

QString NormalizeBankAccount(const QString& account, QString* error) {
    static const QRegularExpression dashed(QStringLiteral("^(\\d{3})-(\\d{1,13})-(\\d{2})$"));
    static const QRegularExpression bare(QStringLiteral("^(\\d{3})(\\d{13})(\\d{2})$"));
    const QString text = account.trimmed().remove(QLatin1Char(' '));
    QRegularExpressionMatch match = dashed.match(text);
    if (!match.hasMatch())
        match = bare.match(text);
    if (!match.hasMatch()) {
        if (error)
            *error = QStringLiteral("Račun \"%1\" nije u obliku banka-broj-kontrolni broj (npr. 160-0000000012345-67).")
                         .arg(account);
        return {};
    }
    const QString bank = match.captured(1);
    const QString number = match.captured(2).rightJustified(13, QLatin1Char('0'));
    const int control = match.captured(3).toInt();
    if (BankAccountControl(bank, number) != control) {
        if (error)
            *error = QStringLiteral("Račun \"%1\" nema ispravan kontrolni broj.").arg(account);
        return {};
    }
    return QStringLiteral("%1-%2-%3").arg(bank, number, match.captured(3));
}
