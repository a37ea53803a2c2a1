#pragma once

#include <QString>

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

// Missing keys read as empty.
TCompanyInfo ReadCompanyInfo(const TDBIniFile& store);
void WriteCompanyInfo(TDBIniFile& store, const TCompanyInfo& company);
