#pragma once

#include <QChar>
#include <QString>

class TDBIniFile;

// What the SAGA export reads from section "Salary" of the settings store.
struct TEBankSagaSettings {
    QString ExportDir;        // "EBankExportDir", put before the file names as it is
    QString CompanyNumber;    // "EBankCompanyNumber"
    QString CompanyName;      // "EBankCompanyName"
    QString CompanyCity;      // "EBankCompanyCity"
    QString BankAccount;      // "EBankCompanyBankAccount"
    QString BankAccount2;     // "EBankCompanyBankAccount2", sick-pay documents only
    QString Priority;         // "EBankPriority"
    QString PriorityRTGS;     // "EBankPriorityRTGS", above 200,000.00

    // The payer's account: the second one when there is one.
    QString PayerAccount() const { return BankAccount2.isEmpty() ? BankAccount : BankAccount2; }
};

// What the Halcom export reads.
struct TEBankHalcomSettings {
    QString ExportDir;       // "EBankExportDirHalcom"
    bool FormatNew = false;  // "EBankHalcomFormatNew": lines without the space before the payment code
};

// The second account is read only for sick-pay documents (type "B").
TEBankSagaSettings ReadEBankSagaSettings(const TDBIniFile& store, QChar salaryType);
TEBankHalcomSettings ReadEBankHalcomSettings(const TDBIniFile& store);
