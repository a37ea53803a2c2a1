#pragma once

#include <QString>
#include <QStringList>

class TDBIniFile;

// The company's identity as prints and outside files show it, kept in the
// settings store, section "CompanyInfo" (keys as named by the members).
struct TCompanyInfo {
    QString Name;
    QString Address;
    QString City;
    QString Code;           // tax identification number (PIB)
    QString Number;         // registration number (matični broj)
    QString BankAccount;
    QString CommunityCode;  // municipality code of the seat
    QString Telephone;
    QString EMail;
    QString UniqueNumber;   // budget users only (JBKJS)
    QString BranshCode;     // spelled as the store has always spelled it
    QString FunctionalClass;

    bool operator==(const TCompanyInfo&) const = default;
};

inline const QString CompanyInfoSection = QStringLiteral("CompanyInfo");

// What a printed page says of the company under its name: the address, the
// tax and registration numbers and, with `account`, the bank account; lines
// without content are left out.
QStringList CompanyAddressLines(const TCompanyInfo& company, bool account);

// Missing keys read as empty.
TCompanyInfo ReadCompanyInfo(const TDBIniFile& store);
void WriteCompanyInfo(TDBIniFile& store, const TCompanyInfo& company);
