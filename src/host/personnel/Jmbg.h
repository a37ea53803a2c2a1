#pragma once

#include <QDate>
#include <QString>

// The personal identity number (JMBG): DDMMYYYRRBBBK, thirteen digits with
// the date of birth, the register area, a serial number and a control digit.

// Control digit of the first twelve digits by the mod-11 rule, or -1 when no
// number with these twelve digits can exist (remainder 1).
int JmbgControlDigit(const QString& firstTwelveDigits);

// Date of birth the number carries; invalid when the date part is not a real date.
QDate JmbgBirthDate(const QString& jmbg);

// Why the number is not a JMBG (Serbian, for the user); empty when it is one.
QString JmbgError(const QString& jmbg);
