#include "CompanyInfo.h"

#include "DBIniFile.h"

namespace {

struct CompanyKey {
    const char* key;
    QString TCompanyInfo::*member;
};

const CompanyKey CompanyKeys[] = {
    {"Name", &TCompanyInfo::Name},
    {"Address", &TCompanyInfo::Address},
    {"City", &TCompanyInfo::City},
    {"Code", &TCompanyInfo::Code},
    {"Number", &TCompanyInfo::Number},
    {"BankAccount", &TCompanyInfo::BankAccount},
    {"CommunityCode", &TCompanyInfo::CommunityCode},
    {"Telephone", &TCompanyInfo::Telephone},
    {"EMail", &TCompanyInfo::EMail},
    {"UniqueNumber", &TCompanyInfo::UniqueNumber},
    {"BranshCode", &TCompanyInfo::BranshCode},
    {"FunctionalClass", &TCompanyInfo::FunctionalClass},
};

}  // namespace

TCompanyInfo ReadCompanyInfo(const TDBIniFile& store) {
    TCompanyInfo company;
    for (const CompanyKey& entry : CompanyKeys)
        company.*entry.member = store.ReadString(CompanyInfoSection, QString::fromLatin1(entry.key), QString());
    return company;
}

void WriteCompanyInfo(TDBIniFile& store, const TCompanyInfo& company) {
    for (const CompanyKey& entry : CompanyKeys)
        store.WriteString(CompanyInfoSection, QString::fromLatin1(entry.key), company.*entry.member);
}

QStringList CompanyAddressLines(const TCompanyInfo& company, bool account) {
    QStringList lines;
    QStringList place;
    for (const QString& part : {company.Address, company.City})
        if (!part.isEmpty())
            place << part;
    if (!place.isEmpty())
        lines << place.join(QStringLiteral(", "));
    QStringList ids;
    if (!company.Code.isEmpty())
        ids << QStringLiteral("PIB: ") + company.Code;
    if (!company.Number.isEmpty())
        ids << QStringLiteral("MB: ") + company.Number;
    if (!ids.isEmpty())
        lines << ids.join(QStringLiteral("   "));
    if (account && !company.BankAccount.isEmpty())
        lines << QStringLiteral("Tekući račun: ") + company.BankAccount;
    return lines;
}
