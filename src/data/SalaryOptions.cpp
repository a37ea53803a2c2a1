#include "SalaryOptions.h"

#include "DBIniFile.h"
#include "db/DbError.h"

#include <variant>

namespace {

using Member = std::variant<bool TSalaryOptions::*, int TSalaryOptions::*, QString TSalaryOptions::*>;

struct OptionKey {
    const char* key;
    Member member;
};

// Section "Salary", in the order the module reads it.
const OptionKey SalaryKeys[] = {
    {"RoundTaxes", &TSalaryOptions::RoundTaxes},
    {"MealVacIncludedInMinSal", &TSalaryOptions::MealVacIncludedInMinSal},
    {"MealVacNotIncludedInArranSal", &TSalaryOptions::MealVacNotIncludedInArranSal},
    {"MealVacIncludedInCoeffSal", &TSalaryOptions::MealVacIncludedInCoeffSal},
    {"MealVacNotIncludedInQuarterlyAverages", &TSalaryOptions::MealVacNotIncludedInQuarterlyAverages},
    {"VacOnlyForEffectiveHours", &TSalaryOptions::VacOnlyForEffectiveHours},
    {"SickCoef", &TSalaryOptions::SickCoef},
    {"NightWorkingCoef", &TSalaryOptions::NightWorkingCoef},
    {"HolidayWorkingCoef", &TSalaryOptions::HolidayWorkingCoef},
    {"PaidLeaveCoef", &TSalaryOptions::PaidLeaveCoef},
    {"NotPrintErrandWithoutAccount", &TSalaryOptions::NotPrintErrandWithoutAccount},
    {"PrintA4Errands", &TSalaryOptions::PrintA4Errands},
    {"LoadEmployeesFromLastCalculation", &TSalaryOptions::LoadEmployeesFromLastCalculation},
    {"ForceCalculationWithPreviousWork", &TSalaryOptions::ForceCalculationWithPreviousWork},
    {"CompareNetDecreaseMinValueRegularWork", &TSalaryOptions::CompareNetDecreaseMinValueRegularWork},
    {"ChangeDeductionOnlyFromSalaryCalculation", &TSalaryOptions::ChangeDeductionOnlyFromSalaryCalculation},
    {"ProportionallyCalculateTaxTransport", &TSalaryOptions::ProportionallyCalculateTaxTransport},
    {"EmployerPensionInsuranceErrands", &TSalaryOptions::EmployerPensionInsuranceErrands},
    {"EmployerPensionInsuranceAccount", &TSalaryOptions::EmployerPensionInsuranceAccount},
};

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

QString BoolText(bool value) { return value ? QStringLiteral("da") : QStringLiteral("ne"); }

bool FlagOfText(const QString& key, const QString& text) {
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("da") || t == QLatin1String("1") || t == QLatin1String("true") || t == QLatin1String("y"))
        return true;
    if (t == QLatin1String("ne") || t == QLatin1String("0") || t == QLatin1String("false") || t == QLatin1String("n"))
        return false;
    throw EDatabaseError(QStringLiteral("Opcija %1 je da ili ne, a ne \"%2\".").arg(key, text));
}

// The percentages of the options page and the ranges of their spin boxes.
int PercentOfText(const QString& key, const QString& text) {
    const int top = key == QLatin1String("HolidayWorkingCoef") ? 200 : 100;
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < 0 || value > top)
        throw EDatabaseError(
            QStringLiteral("Opcija %1 je ceo broj od 0 do %2, a ne \"%3\".").arg(key).arg(top).arg(text));
    return value;
}

}  // namespace

TSalaryOptions ReadSalaryOptions(const TDBIniFile& store) {
    const TSalaryOptions defaults;
    TSalaryOptions options;
    for (const OptionKey& option : SalaryKeys) {
        const QString key = QString::fromLatin1(option.key);
        std::visit(Overloaded{
                       [&](bool TSalaryOptions::*m) { options.*m = store.ReadBool(SalarySection, key, defaults.*m); },
                       [&](int TSalaryOptions::*m) { options.*m = store.ReadInteger(SalarySection, key, defaults.*m); },
                       [&](QString TSalaryOptions::*m) {
                           options.*m = store.ReadString(SalarySection, key, defaults.*m);
                       },
                   },
                   option.member);
    }
    options.Outlook = store.ReadBool(MailClientSection, QStringLiteral("Outlook"), defaults.Outlook);
    return options;
}

void WriteSalaryOptions(TDBIniFile& store, const TSalaryOptions& options) {
    for (const OptionKey& option : SalaryKeys) {
        const QString key = QString::fromLatin1(option.key);
        std::visit(Overloaded{
                       [&](bool TSalaryOptions::*m) { store.WriteBool(SalarySection, key, options.*m); },
                       [&](int TSalaryOptions::*m) { store.WriteInteger(SalarySection, key, options.*m); },
                       [&](QString TSalaryOptions::*m) { store.WriteString(SalarySection, key, options.*m); },
                   },
                   option.member);
    }
}

void SetSalaryOption(TDBIniFile& store, const QString& key, const QString& text) {
    if (key == QLatin1String("Outlook")) {
        store.WriteBool(MailClientSection, key, FlagOfText(key, text));
        return;
    }
    for (const OptionKey& option : SalaryKeys) {
        if (key != QLatin1String(option.key))
            continue;
        std::visit(Overloaded{
                       [&](bool TSalaryOptions::*) { store.WriteBool(SalarySection, key, FlagOfText(key, text)); },
                       [&](int TSalaryOptions::*) { store.WriteInteger(SalarySection, key, PercentOfText(key, text)); },
                       [&](QString TSalaryOptions::*) { store.WriteString(SalarySection, key, text); },
                   },
                   option.member);
        return;
    }
    throw EDatabaseError(QStringLiteral("Nepoznata opcija \"%1\" (pogledajte zarade-cli options).").arg(key));
}

QList<OptionValue> DescribeSalaryOptions(const TSalaryOptions& options) {
    QList<OptionValue> values;
    for (const OptionKey& option : SalaryKeys) {
        const QString text = std::visit(Overloaded{
                                            [&](bool TSalaryOptions::*m) { return BoolText(options.*m); },
                                            [&](int TSalaryOptions::*m) { return QString::number(options.*m); },
                                            [&](QString TSalaryOptions::*m) { return options.*m; },
                                        },
                                        option.member);
        values.append({SalarySection, QString::fromLatin1(option.key), text});
    }
    values.append({MailClientSection, QStringLiteral("Outlook"), BoolText(options.Outlook)});
    return values;
}
