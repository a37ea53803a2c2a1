// Change handlers of the document header and the walks over all lines
// they start.

#include "CalcRounding.h"
#include "CalcSupport.h"
#include "SalaryDM.h"
#include "SalaryTriggerSupport.h"

namespace {

// Runs `step` on every line from the first with the grid quiet, posting
// each, and returns to the first line.
template <class Step>
void forEachLine(TSalaryDM& dm, Step step) {
    TDataSet& lines = *dm.SalaryItemZQ;
    ControlsDisabled quiet(lines);
    for (lines.first(); !lines.eof(); lines.next()) {
        step();
        lines.checkBrowseMode();
    }
    lines.first();
}

QChar documentType(TSalaryDM& dm) { return CurrentDocument(dm).salarytype; }

// The gross whose net is the minimum net wage `wage` ("Z" documents only).
double minNetSalaryGross(TSalaryDM& dm, long double wage) {
    const TDocumentValues& d = CurrentDocument(dm);
    if (d.salarytype != QLatin1Char('Z') || !dm.SalaryTaxItemZQ->active())
        return 0;
    long double percent = 0, relief = 0;
    for (const TRateItem& item : ShownRateItems(dm)) {
        if (!item.employee)
            continue;
        percent += item.percent;
        relief += item.percent * item.freeValue / 100;
    }
    return double(RND((wage * d.partcoefficient / 100 - relief) / (1 - percent / 100)));
}

// The minimum net wage for the fund: its price times the hours. Its gross
// is worked out before the wage is written, so that the lines the wage
// recalculates already use it.
void writeMinimumNetWage(TSalaryDM& dm) {
    TDataSet& header = *dm.SalaryZQ;
    if (!header.isEditing())
        header.edit();
    const TDocumentFields& f = dm.CalcState().fields.document;
    const double wage = header.fieldByName(QStringLiteral("minnetsalaryprice"))->asFloat() * f.workinghours->asFloat();
    dm.CalculatedMinNetSalaryGross = minNetSalaryGross(dm, wage);
    f.minnetsalaryvalue->setAsFloat(wage);
}

}  // namespace

void TSalaryDM::UpdateCalculatedMinNetSalaryGross() {
    CalculatedMinNetSalaryGross = minNetSalaryGross(*this, CurrentDocument(*this).minnetsalaryvalue);
}

void TSalaryDM::SalaryZQbaudvalueChange(TField&) {
    if (RecalculationSuspended(*this) || documentType(*this) != QLatin1Char('Z'))
        return;
    RecalculateItemsRegularWork();
}

void TSalaryDM::SalaryZQminsalaryvalueChange(TField&) {
    if (RecalculationSuspended(*this))
        return;
    RecalculateItemsNet();
}

void TSalaryDM::SalaryZQminnetsalarypriceChange(TField&) { writeMinimumNetWage(*this); }

void TSalaryDM::SalaryZQworkinghoursChange(TField&) {
    const QChar type = documentType(*this);
    if (!SuspendRecalculation && SalaryItemZQ->active() && (type == QLatin1Char('Z') || type == QLatin1Char('P'))) {
        const TLineFields& f = CalcState().fields.line;
        const long double fund = CalcState().fields.document.workinghours->asFloat();
        CalculatingScope calculating(Calculating);
        forEachLine(*this, [&] {
            EditLine(*this);
            const TLineValues& l = CurrentLine(*this);
            // Whole hours; absence is not taken off the hours worked.
            const long double hours = fund - l.vacationhours - l.sickhours - l.longsickhours - l.nightworkinghours
                - Round(l.overtimehours) - l.holidayworkinghours - l.nightholidayworkinghours - l.paidleavehours
                - l.publicholidayhours;
            f.workinghours->setAsFloat(double(hours));
        });
    }
    writeMinimumNetWage(*this);
}

void TSalaryDM::SalaryZQnetdecreasepercentChange(TField&) {
    if (SuspendRecalculation || !SalaryItemZQ->active())
        return;
    forEachLine(*this, [this] {
        EditLine(*this);
        CalculateDecreasedNet();
    });
}

void TSalaryDM::RecalculateItemsRegularWork() {
    if (!SalaryItemZQ->active())
        return;
    const TLineFields& f = CalcState().fields.line;
    forEachLine(*this, [&] {
        const TLineValues l = CurrentLine(*this);
        EditLine(*this);
        // The outturn is applied only when the line's hours are edited.
        f.regularwork->setAsFloat(CalculateRegularWork(
            double(l.workinghours), double(l.overtimehours), double(l.coefficient), int(l.vacationhours),
            int(l.sickhours), int(l.longsickhours), int(l.nightworkinghours), int(l.holidayworkinghours),
            int(l.nightholidayworkinghours), int(l.paidleavehours), int(l.publicholidayhours)));
        RepriceLineSupplements(*this);
    });
}

void TSalaryDM::RecalculateItemsNet() {
    if (!SalaryItemZQ->active())
        return;
    forEachLine(*this, [this] { CalculateNet(); });
}
