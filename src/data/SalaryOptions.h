#pragma once

#include <QList>
#include <QString>

// The module's settings as the calculation and the prints consult them.
// Member names are the keys of section "Salary" of the settings store;
// the initial values are the defaults used when a key is missing.
struct TSalaryOptions {
    bool RoundTaxes = false;
    bool MealVacIncludedInMinSal = false;
    bool MealVacNotIncludedInArranSal = false;
    bool MealVacIncludedInCoeffSal = false;
    bool MealVacNotIncludedInQuarterlyAverages = false;
    bool VacOnlyForEffectiveHours = false;
    int SickCoef = 65;
    int NightWorkingCoef = 26;
    int HolidayWorkingCoef = 110;
    int PaidLeaveCoef = 100;
    bool NotPrintErrandWithoutAccount = false;
    bool PrintA4Errands = true;
    bool LoadEmployeesFromLastCalculation = false;
    bool ForceCalculationWithPreviousWork = false;
    bool CompareNetDecreaseMinValueRegularWork = false;
    bool ChangeDeductionOnlyFromSalaryCalculation = false;
    bool ProportionallyCalculateTaxTransport = true;
    bool EmployerPensionInsuranceErrands = false;
    QString EmployerPensionInsuranceAccount = QStringLiteral("840-721314843-81");
    bool Outlook = false;  // section "MailClient"

    bool operator==(const TSalaryOptions&) const = default;
};

class TDBIniFile;

// Section names of the settings store.
inline const QString SalarySection = QStringLiteral("Salary");
inline const QString MailClientSection = QStringLiteral("MailClient");

// Reads every key in the order the module defines them, with its default.
TSalaryOptions ReadSalaryOptions(const TDBIniFile& store);
// Writes every key of section "Salary" (the "MailClient" key is not the page's).
void WriteSalaryOptions(TDBIniFile& store, const TSalaryOptions& options);

// Sets one option from its text, as the options page would: flags as
// da/ne, 1/0, true/false; whole numbers within the page's range. Throws
// EDatabaseError with the reason (unknown key, unreadable value) and
// stores nothing then.
void SetSalaryOption(TDBIniFile& store, const QString& key, const QString& text);

struct OptionValue {
    QString section;
    QString key;
    QString text;  // flags as "da"/"ne"
};
// Every option with its section, key and value as text, in the store's order.
QList<OptionValue> DescribeSalaryOptions(const TSalaryOptions& options);
