// The two kinds of detail rows of a line: named salary differences and the
// split of a line's hours over several point coefficients.

#include "CalcRounding.h"
#include "CalcSupport.h"
#include "RegularWorkVariants.h"
#include "SalaryDM.h"
#include "SalaryTriggerSupport.h"
#include "SuspendGuard.h"

namespace {

TField* rowField(TDataSet& rows, const char* name) { return rows.fieldByName(QLatin1String(name)); }

void reopen(TSqlQuery& rows, qint64 salaryItemId) {
    rows.close();
    rows.setParam(QStringLiteral("idsalaryitem"), salaryItemId);
    rows.open();
    rows.first();
}

// Price and base of a coefficient row's hours: its regular work over its
// working hours; on a line without regular work, one hour at its coefficient.
SupplementPrice rowPrice(TSalaryDM& dm) {
    TDataSet& rows = *dm.SalaryItemCoefficientZQ;
    if (dm.CalcState().fields.line.regularwork->asFloat() == 0)
        return {HourPrice(dm, rowField(rows, "coefficient")->asFloat()), 1};
    return {rowField(rows, "regularwork")->asFloat(), rowField(rows, "workinghours")->asFloat()};
}

void editRow(TDataSet& rows) {
    if (rows.state() == DataSetState::Browse)
        rows.edit();
}

// The row's hours as the line's hour columns.
THours rowHours(TDataSet& rows) {
    THours h;
    h.workinghours = rowField(rows, "workinghours")->asFloat();
    h.nightworkinghours = rowField(rows, "nightworkinghours")->asFloat();
    h.overtimehours = rowField(rows, "overtimehours")->asFloat();
    h.holidayworkinghours = rowField(rows, "holidayworkinghours")->asFloat();
    h.nightholidayworkinghours = rowField(rows, "nightholidayworkinghours")->asFloat();
    return h;
}

// Writes one supplement value of the current coefficient row at its price.
template <class Pricing>
void priceRowSupplement(TSalaryDM& dm, const char* column, Pricing pricing) {
    if (RecalculationSuspended(dm))
        return;
    editRow(*dm.SalaryItemCoefficientZQ);
    rowField(*dm.SalaryItemCoefficientZQ, column)->setAsFloat(pricing(rowPrice(dm)));
}

const char* const RowSupplementValues[] = {"nightworkingvalue", "overtimevalue", "holidayworkingvalue",
                                           "nightholidayworkingvalue"};

}  // namespace

void TSalaryDM::DifferencesOpen(qint64 SalaryItemID) { reopen(*SalaryItemDifferenceZQ, SalaryItemID); }

void TSalaryDM::CoefficientsOpen(qint64 SalaryItemID) { reopen(*SalaryItemCoefficientZQ, SalaryItemID); }

void TSalaryDM::SalaryItemDifferenceZQNewRecord(TDataSet& DataSet) {
    FlagGuard suspend(SuspendRecalculation);
    rowField(DataSet, "differencevalue")->setAsFloat(0);
    rowField(DataSet, "differenceperc")->setAsFloat(0);
}

void TSalaryDM::SalaryItemCoefficientZQNewRecord(TDataSet& DataSet) {
    FlagGuard suspend(SuspendRecalculation);
    for (const char* hours : {"workinghours", "nightworkinghours", "holidayworkinghours", "nightholidayworkinghours"})
        rowField(DataSet, hours)->setAsFloat(0);
}

void TSalaryDM::SalaryItemDifferenceZQdifferencepercChange(TField& Sender) {
    if (RecalculationSuspended(*this))
        return;
    editRow(*SalaryItemDifferenceZQ);
    const TLineValues l = CurrentLine(*this);
    const long double supplementHours = l.nightworkinghours + l.overtimehours + l.holidayworkinghours
        + l.nightholidayworkinghours;
    const long double percent = Sender.asFloat() / 100.0L;
    long double value = 0;
    if (l.regularwork == 0)
        value = percent * HourPrice(*this, double(l.coefficient)) * supplementHours;
    else if (l.workinghours != 0)
        value = percent * l.regularwork / l.workinghours * (l.workinghours + supplementHours);
    SetAmount(rowField(*SalaryItemDifferenceZQ, "differencevalue"), value);
}

void TSalaryDM::SalaryItemCoefficientZQworkinghoursChange(TField&) {
    if (RecalculationSuspended(*this))
        return;
    TDataSet& rows = *SalaryItemCoefficientZQ;
    editRow(rows);
    const TDocumentValues d = CurrentDocument(*this);
    TLineValues l = CurrentLine(*this);
    const THours hours = rowHours(rows);
    const long double coefficient = rowField(rows, "coefficient")->asFloat();
    long double regularWork = 0;
    if (coefficient > 1 && d.workinghours > 0) {
        const long double points = RoundedAmount(
            d.partcoefficient / 100 * hours.workinghours / d.workinghours * coefficient * d.baudvalue, Options.RoundTaxes);
        // The row's own supplements take the place of the line's.
        l.nightworkingvalue = rowField(rows, "nightworkingvalue")->asFloat();
        l.overtimevalue = rowField(rows, "overtimevalue")->asFloat();
        l.holidayworkingvalue = rowField(rows, "holidayworkingvalue")->asFloat();
        l.nightholidayworkingvalue = rowField(rows, "nightholidayworkingvalue")->asFloat();
        l.coefficient = coefficient;
        regularWork = points;
        if (Options.MealVacIncludedInCoeffSal) {
            const long double service = 1 + l.workingyears * d.workingyearsincrementpercent / 100;
            const long double mealHours = hours.meal();
            const long double meal = mealHours <= d.workinghours ? l.mealrefund * mealHours / d.workinghours : l.mealrefund;
            regularWork = RND((points - l.otherValues() - meal - l.vacationrefund - l.increment + l.decrement
                               - l.difference) / service);
        }
        regularWork = regularWork <= 0 ? 0 : CoefficientRowRegularWorkFloor(*this, double(regularWork), hours, l);
    }
    SetAmount(rowField(rows, "regularwork"), regularWork);
}

void TSalaryDM::SalaryItemCoefficientZQnightworkinghoursChange(TField& Sender) {
    priceRowSupplement(*this, "nightworkingvalue", [&](const SupplementPrice& p) {
        return CalculateNightWorking(p.price, Sender.asFloat(), p.base);
    });
}

void TSalaryDM::SalaryItemCoefficientZQovertimehoursChange(TField& Sender) {
    priceRowSupplement(*this, "overtimevalue", [&](const SupplementPrice& p) {
        return CalculateNightWorking(p.price, Sender.asFloat(), p.base);
    });
}

void TSalaryDM::SalaryItemCoefficientZQholidayworkinghoursChange(TField& Sender) {
    priceRowSupplement(*this, "holidayworkingvalue", [&](const SupplementPrice& p) {
        return CalculateHolidayWorking(p.price, p.base, Sender.asInteger());
    });
}

void TSalaryDM::SalaryItemCoefficientZQnightholidayworkinghoursChange(TField& Sender) {
    priceRowSupplement(*this, "nightholidayworkingvalue", [&](const SupplementPrice& p) {
        return CalculateNightHolidayWorking(p.price, p.base, Sender.asInteger());
    });
}

void TSalaryDM::DifferenceApply(qint64 SalaryItemID) {
    TSqlQuery& rows = *SalaryItemDifferenceZQ;
    DifferencesOpen(SalaryItemID);
    long double sum = 0;
    {
        ControlsDisabled quiet(rows);
        // Each difference is rounded before the sum.
        for (rows.first(); !rows.eof(); rows.next())
            sum += RND(rowField(rows, "differencevalue")->asFloat());
        rows.first();
    }
    EditLine(*this);
    SetAmount(CalcState().fields.line.difference, sum);
    SalaryItemZQ->post();
}

void TSalaryDM::CoefficientApply(qint64 SalaryItemID) {
    TSqlQuery& rows = *SalaryItemCoefficientZQ;
    CoefficientsOpen(SalaryItemID);
    THours sum;
    long double regularWork = 0, weighted = 1;
    long double values[4] = {0, 0, 0, 0};
    {
        ControlsDisabled quiet(rows);
        for (rows.first(); !rows.eof(); rows.next()) {
            const THours h = rowHours(rows);
            sum.workinghours += h.workinghours;
            sum.nightworkinghours += h.nightworkinghours;
            sum.overtimehours += h.overtimehours;
            sum.holidayworkinghours += h.holidayworkinghours;
            sum.nightholidayworkinghours += h.nightholidayworkinghours;
            regularWork += rowField(rows, "regularwork")->asFloat();
            weighted += h.worked() * rowField(rows, "coefficient")->asFloat();
            for (int i = 0; i < 4; ++i)
                values[i] += rowField(rows, RowSupplementValues[i])->asFloat();
        }
        rows.first();
    }
    const long double allHours = sum.worked();
    const TLineFields& f = CalcState().fields.line;
    EditLine(*this);
    {
        CalculatingScope calculating(Calculating);
        SetAmount(f.workinghours, sum.workinghours);
        SetAmount(f.nightworkinghours, sum.nightworkinghours);
        SetAmount(f.holidayworkinghours, sum.holidayworkinghours);
        SetAmount(f.nightholidayworkinghours, sum.nightholidayworkinghours);
        SetAmount(f.coefficient, allHours > 0 ? weighted / allHours : 1);
        SetAmount(f.regularwork, regularWork);
        const long double gross = static_cast<long double>(f.salaryvalue->asFloat()) - f.nightworkingvalue->asFloat()
            - f.overtimevalue->asFloat() - f.holidayworkingvalue->asFloat() - f.nightholidayworkingvalue->asFloat()
            + values[0] + values[1] + values[2] + values[3];
        SetAmount(f.salaryvalue, Options.RoundTaxes ? Round(gross) : gross);
        SetAmount(f.nightworkingvalue, values[0]);
        SetAmount(f.holidayworkingvalue, values[2]);
        SetAmount(f.nightholidayworkingvalue, values[3]);
    }
    // Regular work once more with the handlers on: gross and net follow.
    SetAmount(f.regularwork, regularWork);
    {
        CalculatingScope calculating(Calculating);
        SetAmount(f.overtimehours, sum.overtimehours);
        SetAmount(f.overtimevalue, values[1]);
    }
    // The overtime just written enters the gross through the difference's handler.
    const double difference = f.difference->asFloat();
    f.difference->setAsFloat(difference + 0.01);
    f.difference->setAsFloat(difference);
}
