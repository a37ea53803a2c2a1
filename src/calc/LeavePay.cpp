// The six compensations paid from average earnings: annual leave, sick
// leave up to 30 days and over, paid leave (and public holidays), child
// care and maternity leave. Each says which hours, which earlier documents
// and what share of the average; the base does the rest.

#include "LeavePay.h"
#include "CalcSupport.h"
#include "DBIniFile.h"
#include "LeaveResourceStrings.h"

namespace {

long double linePercent(TSalaryDM& dm, const char* column) {
    return dm.SalaryItemZQ->fieldByName(QLatin1String(column))->asFloat() / 100;
}

int datedWindowSize(TSalaryDM& dm) {
    return WindowSize(CurrentDocument(dm).paymentdate,
                      dm.SalaryZQ->fieldByName(QStringLiteral("accountingdate"))->asDate());
}

}  // namespace

TAverageRequest LeaveRequest(TSalaryDM& dm, TLeaveKind kind, bool sickStarts) {
    const TLineValues& l = CurrentLine(dm);
    TAverageRequest request;
    request.window = TLeaveWindow::Dated;
    switch (kind) {
    case TLeaveKind::Vacation:
        request.hours = l.vacationhours;
        request.size = datedWindowSize(dm);
        request.earlierAverages = true;
        break;
    case TLeaveKind::Sick:
        request.hours = l.sickhours;
        request.window = sickStarts ? TLeaveWindow::SickStart : TLeaveWindow::SickContinued;
        request.size = datedWindowSize(dm);
        request.earlierAverages = true;
        request.payFactor = linePercent(dm, "sickpercent");
        request.sickFloor = true;
        break;
    case TLeaveKind::PaidLeave:
    case TLeaveKind::PublicHoliday:
        request.hours = kind == TLeaveKind::PaidLeave ? l.paidleavehours : l.publicholidayhours;
        request.size = datedWindowSize(dm);
        request.earlierAverages = true;
        request.payFactor = dm.Options.PaidLeaveCoef / 100.0L;
        break;
    case TLeaveKind::LongSick:
        request.hours = l.longsickhours;
        request.window = TLeaveWindow::LongSick;
        request.size = 3;
        request.payFactor = linePercent(dm, "sickpercent");
        break;
    case TLeaveKind::ChildCare:
    case TLeaveKind::Maternity:
        request.hours = kind == TLeaveKind::ChildCare ? l.childcareleavehours : l.maternityleavehours;
        request.window = TLeaveWindow::LastN;
        request.size = 12;
        request.maternity = kind == TLeaveKind::Maternity;
        break;
    }
    return request;
}

double TSalaryDM::CalculateVacation() {
    if (SalaryItemZQ->isEmpty())
        return 0;
    return AverageEarningsAmount(*this, LeaveRequest(*this, TLeaveKind::Vacation));
}

double TSalaryDM::CalculateSick() {
    if (SalaryItemZQ->isEmpty())
        return 0;
    // Without sick hours the window cannot change the amount: nothing to ask.
    if (CurrentLine(*this).sickhours == 0)
        return 0;
    // The setting is read afresh: another workstation may have changed it.
    const bool starts = TDBIniFile(*ZConnection()).ReadBool(QStringLiteral("Salary"), QStringLiteral("SickStarts"), false)
        || Messages().confirm(QString::fromUtf8(_SALARY_SICK_START_CONF));
    return AverageEarningsAmount(*this, LeaveRequest(*this, TLeaveKind::Sick, starts));
}

double TSalaryDM::CalculatePaidLeave(int Hours) {
    if (SalaryItemZQ->isEmpty())
        return 0;
    TAverageRequest request = LeaveRequest(*this, TLeaveKind::PaidLeave);
    request.hours = Hours;
    return AverageEarningsAmount(*this, request);
}

double TSalaryDM::CalculateLongSick() {
    if (SalaryItemZQ->isEmpty())
        return 0;
    return AverageEarningsAmount(*this, LeaveRequest(*this, TLeaveKind::LongSick));
}

double TSalaryDM::CalculateChildCare() {
    if (SalaryItemZQ->isEmpty())
        return 0;
    return AverageEarningsAmount(*this, LeaveRequest(*this, TLeaveKind::ChildCare));
}

double TSalaryDM::CalculateMaternityLeave() {
    if (SalaryItemZQ->isEmpty())
        return 0;
    return AverageEarningsAmount(*this, LeaveRequest(*this, TLeaveKind::Maternity));
}
