#pragma once

#include <QString>

// A recipient account as the e-banking files carry it: 18 digits without
// dashes, the account number between the bank's 3 digits and the 2 control
// digits left-padded with zeros to 13 (cut to 13 when longer), so that
// "840-4848-37" becomes "840000000000484837".
QString EBankAccount(const QString& account);

// Whether an account of that form is 18 digits whose last two are the
// control number of the others (mod 97), as the banks check it.
bool EBankAccountValid(const QString& account);
