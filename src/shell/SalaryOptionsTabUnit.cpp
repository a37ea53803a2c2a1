#include "SalaryOptionsTabUnit.h"

#include "DBIniFile.h"
#include "SalaryDM.h"
#include "TextModeOptionsUnit.h"
#include "TextModeSettings.h"
#include "db/Connection.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

TSalaryOptionsTabFrame::TSalaryOptionsTabFrame(TSalaryDM& dm, QWidget* parent) : QWidget(parent), dm_(dm) {
    RoundTaxesCB = flag(&TSalaryOptions::RoundTaxes, "RoundTaxesCB", "Zaokruži poreze i doprinose kod obračuna");
    MealVacIncludedInMinSalCB = flag(&TSalaryOptions::MealVacIncludedInMinSal, "MealVacIncludedInMinSalCB",
                                     "Topli obrok i regres uključeni u minimalnu zaradu");
    MealVacNotIncludedInArranSalCB = flag(&TSalaryOptions::MealVacNotIncludedInArranSal,
                                          "MealVacNotIncludedInArranSalCB",
                                          "Topli obrok i regres nisu uključeni u ugovorenu zaradu");
    MealVacIncludedInCoeffSalCB = flag(&TSalaryOptions::MealVacIncludedInCoeffSal, "MealVacIncludedInCoeffSalCB",
                                       "Topli obrok i regres uključeni u zaradu po koeficientu");
    MealVacNotIncludedInQuarterlyAveragesCB = flag(&TSalaryOptions::MealVacNotIncludedInQuarterlyAverages,
                                                   "MealVacNotIncludedInQuarterlyAveragesCB",
                                                   "Topli obrok i regres nisu uključeni u tromesečne proseke");
    VacOnlyForEffectiveHoursCB = flag(&TSalaryOptions::VacOnlyForEffectiveHours, "VacOnlyForEffectiveHoursCB",
                                      "Regres samo za efektivne sate rada");
    SickCoefSE = percent(&TSalaryOptions::SickCoef, "SickCoefSE", 100);
    NightWorkingCoefSE = percent(&TSalaryOptions::NightWorkingCoef, "NightWorkingCoefSE", 100);
    HolidayWorkingCoefSE = percent(&TSalaryOptions::HolidayWorkingCoef, "HolidayWorkingCoefSE", 200);
    PaidLeaveCoefSE = percent(&TSalaryOptions::PaidLeaveCoef, "PaidLeaveCoefSE", 100);
    NotPrintErrandWithoutAccountCB = flag(&TSalaryOptions::NotPrintErrandWithoutAccount,
                                          "NotPrintErrandWithoutAccountCB",
                                          "Ne štampaj nalog zarade ako zaposleni nema račun u banci");
    PrintA4ErrandsCB = flag(&TSalaryOptions::PrintA4Errands, "PrintA4ErrandsCB", "Štampaj A4 naloge zarade");
    LoadEmployeesFromLastCalculationCB = flag(&TSalaryOptions::LoadEmployeesFromLastCalculation,
                                              "LoadEmployeesFromLastCalculationCB",
                                              "Učitaj zaposlene iz poslednjeg obračuna");
    ForceCalculationWithPreviousWorkCB = flag(&TSalaryOptions::ForceCalculationWithPreviousWork,
                                              "ForceCalculationWithPreviousWorkCB",
                                              "Forsiraj obračun godina staža sa prethodnim radnim stažom");
    CompareNetDecreaseMinValueRegularWorkCB = flag(&TSalaryOptions::CompareNetDecreaseMinValueRegularWork,
                                                   "CompareNetDecreaseMinValueRegularWorkCB",
                                                   "Uporedi minimalnu vrednost neto umanjenja sa redovnim radom");
    ChangeDeductionOnlyFromSalaryCalculationCB = flag(&TSalaryOptions::ChangeDeductionOnlyFromSalaryCalculation,
                                                      "ChangeDeductionOnlyFromSalaryCalculationCB",
                                                      "Menjanje obustava samo iz obračuna zarade");
    ProportionallyCalculateTaxTransportCB = flag(&TSalaryOptions::ProportionallyCalculateTaxTransport,
                                                 "ProportionallyCalculateTaxTransportCB",
                                                 "Proporcionalno obračunaj porez na prevoz");
    EmployerPensionInsuranceErrandsCB = flag(&TSalaryOptions::EmployerPensionInsuranceErrands,
                                             "EmployerPensionInsuranceErrandsCB",
                                             "Dva naloga za penzijsko osiguranje poslodavca");
    EmployerPensionInsuranceAccountL = new QLabel(QStringLiteral("Račun penzijskog osiguranja poslodavca"), this);
    EmployerPensionInsuranceAccountL->setObjectName(QStringLiteral("EmployerPensionInsuranceAccountL"));
    EmployerPensionInsuranceAccountE = new QLineEdit(this);
    EmployerPensionInsuranceAccountE->setObjectName(QStringLiteral("EmployerPensionInsuranceAccountE"));
    EmployerPensionInsuranceAccountE->setMaxLength(50);
    EmployerPensionInsuranceAccountL->setBuddy(EmployerPensionInsuranceAccountE);
    // Kept and stored, but not for the user to change.
    EmployerPensionInsuranceErrandsCB->setEnabled(false);
    EmployerPensionInsuranceAccountL->setEnabled(false);
    EmployerPensionInsuranceAccountE->setEnabled(false);

    auto* calculation = new QGroupBox(tr("Obračun"), this);
    auto* calculationLayout = new QVBoxLayout(calculation);
    for (QCheckBox* box : {RoundTaxesCB, MealVacIncludedInMinSalCB, MealVacNotIncludedInArranSalCB,
                           MealVacIncludedInCoeffSalCB, MealVacNotIncludedInQuarterlyAveragesCB,
                           VacOnlyForEffectiveHoursCB, LoadEmployeesFromLastCalculationCB,
                           ForceCalculationWithPreviousWorkCB, CompareNetDecreaseMinValueRegularWorkCB,
                           ChangeDeductionOnlyFromSalaryCalculationCB, ProportionallyCalculateTaxTransportCB})
        calculationLayout->addWidget(box);
    calculationLayout->addStretch(1);

    auto* percents = new QGroupBox(tr("Procenti"), this);
    auto* percentLayout = new QFormLayout(percents);
    percentLayout->addRow(QStringLiteral("Procenat za bolovanje"), SickCoefSE);
    percentLayout->addRow(QStringLiteral("Procenat za noćni rad"), NightWorkingCoefSE);
    percentLayout->addRow(QStringLiteral("Procenat za rad za vreme praznika"), HolidayWorkingCoefSE);
    percentLayout->addRow(QStringLiteral("Procenat za plaćeno odsustvo"), PaidLeaveCoefSE);

    auto* errands = new QGroupBox(tr("Nalozi za plaćanje"), this);
    auto* errandLayout = new QVBoxLayout(errands);
    errandLayout->addWidget(NotPrintErrandWithoutAccountCB);
    errandLayout->addWidget(PrintA4ErrandsCB);
    errandLayout->addWidget(EmployerPensionInsuranceErrandsCB);
    errandLayout->addWidget(EmployerPensionInsuranceAccountL);
    errandLayout->addWidget(EmployerPensionInsuranceAccountE);

    auto* right = new QVBoxLayout;
    right->addWidget(percents);
    right->addWidget(errands);
    right->addStretch(1);

    TextModeGB = new TTextModeOptionsBox(this);

    auto* top = new QHBoxLayout;
    top->addWidget(calculation, 1);
    top->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(TextModeGB, 1);
}

TSalaryOptionsTabFrame::~TSalaryOptionsTabFrame() = default;

QCheckBox* TSalaryOptionsTabFrame::flag(bool TSalaryOptions::*member, const char* name, const char* caption) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), this);
    box->setObjectName(QLatin1String(name));
    flags_.emplace_back(member, box);
    return box;
}

QSpinBox* TSalaryOptionsTabFrame::percent(int TSalaryOptions::*member, const char* name, int maximum) {
    auto* spin = new QSpinBox(this);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(0, maximum);
    spin->setSuffix(QStringLiteral(" %"));
    percents_.emplace_back(member, spin);
    return spin;
}

void TSalaryOptionsTabFrame::showOptions(const TSalaryOptions& options) {
    for (const auto& [member, box] : flags_)
        box->setChecked(options.*member);
    for (const auto& [member, spin] : percents_)
        spin->setValue(options.*member);
    EmployerPensionInsuranceAccountE->setText(options.EmployerPensionInsuranceAccount);
}

void TSalaryOptionsTabFrame::readControls(TSalaryOptions& options) const {
    for (const auto& [member, box] : flags_)
        options.*member = box->isChecked();
    for (const auto& [member, spin] : percents_)
        options.*member = spin->value();
    options.EmployerPensionInsuranceAccount = EmployerPensionInsuranceAccountE->text();
}

void TSalaryOptionsTabFrame::OptionsToControls() {
    if (dm_.Connected()) {
        const TDBIniFile store(*dm_.ZConnection());
        showOptions(ReadSalaryOptions(store));
        TextModeGB->ShowSettings(ReadTextModeSettings(store));
    } else {
        showOptions(dm_.Options);
        TextModeGB->ShowSettings(TTextModeSettings{});
    }
}

void TSalaryOptionsTabFrame::ControlsToOptions() {
    TSalaryOptions options = dm_.Options;  // keeps what the page does not show
    readControls(options);
    if (dm_.Connected()) {
        Connection& connection = *dm_.ZConnection();
        Transaction transaction(connection);
        TDBIniFile store(connection);
        WriteSalaryOptions(store, options);
        WriteTextModeSettings(store, TextModeGB->Settings());
        transaction.commit();
    }
    dm_.Options = options;
}
