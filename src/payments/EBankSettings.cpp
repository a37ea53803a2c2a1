#include "EBankSettings.h"

#include "DBIniFile.h"
#include "SalaryOptions.h"

TEBankSagaSettings ReadEBankSagaSettings(const TDBIniFile& store, QChar salaryType) {
    const auto read = [&store](const char* key) {
        return store.ReadString(SalarySection, QString::fromLatin1(key), QString());
    };
    TEBankSagaSettings s;
    s.ExportDir = read("EBankExportDir");
    s.CompanyNumber = read("EBankCompanyNumber");
    s.CompanyName = read("EBankCompanyName");
    s.CompanyCity = read("EBankCompanyCity");
    s.BankAccount = read("EBankCompanyBankAccount");
    if (salaryType == QLatin1Char('B'))
        s.BankAccount2 = read("EBankCompanyBankAccount2");
    s.Priority = read("EBankPriority");
    s.PriorityRTGS = read("EBankPriorityRTGS");
    return s;
}

TEBankHalcomSettings ReadEBankHalcomSettings(const TDBIniFile& store) {
    TEBankHalcomSettings s;
    s.ExportDir = store.ReadString(SalarySection, QStringLiteral("EBankExportDirHalcom"), QString());
    s.FormatNew = store.ReadBool(SalarySection, QStringLiteral("EBankHalcomFormatNew"), false);
    return s;
}
