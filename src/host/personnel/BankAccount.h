#pragma once

#include <QString>

// Serbian bank account: bank (3 digits) - account number (up to 13 digits)
// - control number (2 digits), 18 digits in all once the account number is
// padded with leading zeros. The control number is 98 - (N * 100 mod 97)
// with N the bank and padded account number read as one 16-digit number.

// Control number of a bank and an account number (digits only, at most 13).
int BankAccountControl(const QString& bank, const QString& number);

// The account in its 18-digit form with dashes ("160-0000000012345-67"),
// from the dashed form with a short account number or from 18 bare digits.
// Empty, and `error` set (Serbian, for the user), when it is no valid account.
QString NormalizeBankAccount(const QString& account, QString* error = nullptr);
