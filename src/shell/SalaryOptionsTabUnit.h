#pragma once

#include "SalaryOptions.h"

#include <QWidget>

#include <utility>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class TSalaryDM;
class TTextModeOptionsBox;

// The module's options page, shown in the host's options dialog and in the
// module's own dialog. It reads and writes section "Salary" of the settings
// store and keeps the data module's options in step, so that a change takes
// effect at once.
class TSalaryOptionsTabFrame : public QWidget {
    Q_OBJECT
public:
    explicit TSalaryOptionsTabFrame(TSalaryDM& dm, QWidget* parent = nullptr);
    ~TSalaryOptionsTabFrame() override;

    // Fills the controls from the settings store (the data module's options
    // when there is no database).
    void OptionsToControls();
    // Writes every control to the store and into the data module's options.
    void ControlsToOptions();

    QCheckBox* RoundTaxesCB;
    QCheckBox* MealVacIncludedInMinSalCB;
    QCheckBox* MealVacNotIncludedInArranSalCB;
    QCheckBox* MealVacIncludedInCoeffSalCB;
    QCheckBox* MealVacNotIncludedInQuarterlyAveragesCB;
    QCheckBox* VacOnlyForEffectiveHoursCB;
    QSpinBox* SickCoefSE;
    QSpinBox* NightWorkingCoefSE;
    QSpinBox* HolidayWorkingCoefSE;
    QSpinBox* PaidLeaveCoefSE;
    QCheckBox* NotPrintErrandWithoutAccountCB;
    QCheckBox* PrintA4ErrandsCB;
    QCheckBox* LoadEmployeesFromLastCalculationCB;
    QCheckBox* ForceCalculationWithPreviousWorkCB;
    QCheckBox* CompareNetDecreaseMinValueRegularWorkCB;
    QCheckBox* ChangeDeductionOnlyFromSalaryCalculationCB;
    QCheckBox* ProportionallyCalculateTaxTransportCB;
    QCheckBox* EmployerPensionInsuranceErrandsCB;
    QLabel* EmployerPensionInsuranceAccountL;
    QLineEdit* EmployerPensionInsuranceAccountE;
    // Templates, printer, font and margin of the text-mode orders.
    TTextModeOptionsBox* TextModeGB;

private:
    QCheckBox* flag(bool TSalaryOptions::*member, const char* name, const char* caption);
    QSpinBox* percent(int TSalaryOptions::*member, const char* name, int maximum);
    void showOptions(const TSalaryOptions& options);
    void readControls(TSalaryOptions& options) const;

    TSalaryDM& dm_;
    std::vector<std::pair<bool TSalaryOptions::*, QCheckBox*>> flags_;
    std::vector<std::pair<int TSalaryOptions::*, QSpinBox*>> percents_;
};
