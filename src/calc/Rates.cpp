// The rate set as the calculation reads it: loading a document's set, the
// rate globals, the contribution-base status and the gross-up correction.

#include "CalcResourceStrings.h"
#include "CalcSupport.h"
#include "RateGlobals.h"
#include "SalaryDM.h"
#include "TaxRules.h"

TCalcState& TSalaryDM::CalcState() {
    if (!calcState_)
        calcState_ = std::make_shared<TCalcState>(*this);
    return *calcState_;
}

void TSalaryDM::ForgetCalculationSets() {
    TCalcState& state = CalcState();
    state.storedRates.clear();
    state.storedDeductions.clear();
}

bool TSalaryDM::SalaryTaxItemsOpen() {
    TField* salaryTaxId = CalcState().fields.document.salarytaxid;
    if (SalaryZQ->state() == DataSetState::Insert) {
        SalaryTaxZQ->close();
        SalaryTaxZQ->open();
        if (SalaryTaxZQ->isEmpty()) {
            Messages().error(QString::fromUtf8(_NO_TAX_ITEMS_ERR));
            return false;
        }
        salaryTaxId->setAsLargeInt(SalaryTaxZQ->fieldByName(QStringLiteral("salarytaxid"))->asLargeInt());
    }
    SalaryTaxItemZQ->close();
    SalaryTaxItemZQ->setSQL(RateItemsSql());
    SalaryTaxItemZQ->setParam(QStringLiteral("IDSalaryTax"), salaryTaxId->asLargeInt());
    SalaryTaxItemZQ->open();
    ForgetCalculationSets();
    AssignRateGlobals(ShownRateItems(*this));
    SalaryTaxItemZQ->first();
    return true;
}

TGrossStatus TSalaryDM::GetGrossStatus(double Gross, double MinBase, double MaxBase, double OvertimeHours,
                                       double WorkingHours, int VacationHours, int SickHours, int NightHours,
                                       int HolidayHours, int NightHolidayHours, int PaidLeaveHours,
                                       int PublicHolidayHours, int FundHours) const {
    const long double hours = static_cast<long double>(VacationHours) + WorkingHours + SickHours + NightHours
        + OvertimeHours + HolidayHours + NightHolidayHours + PaidLeaveHours + PublicHolidayHours;
    return GrossStatus(Gross, MinBase, MaxBase, hours, FundHours);
}

void TSalaryDM::CalculateCorrection(double& Percent, double& Correction, qint64 WorkingStateID,
                                    qint64 SalaryTaxID) {
    const TCorrection correction = ::Correction(RateItemsOfSet(*this, SalaryTaxID), WorkingStateID);
    Percent = correction.percent;
    Correction = correction.correction;
}
