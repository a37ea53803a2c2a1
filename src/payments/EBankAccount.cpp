#include "EBankAccount.h"

#include "BankAccount.h"

QString EBankAccount(const QString& account) {
    const QString digits = QString(account).remove(QLatin1Char('-'));
    const qsizetype length = digits.size();
    const QString middle = digits.mid(3, std::max<qsizetype>(0, length - 5));
    return digits.left(3) + middle.rightJustified(13, QLatin1Char('0'), true) + digits.right(2);
}

bool EBankAccountValid(const QString& account) {
    if (account.size() != 18)
        return false;
    for (const QChar c : account)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return BankAccountControl(account.left(3), account.mid(3, 13)) == account.right(2).toInt();
}
