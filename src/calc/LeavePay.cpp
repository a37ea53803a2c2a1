// The six compensations paid from average earnings: annual leave, sick
// leave up to 30 days and over, paid leave (and public holidays), child
// care and maternity leave. Each says which hours, which earlier documents
// and what share of the average; the base does the rest.

#include "AverageEarnings.h"
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

double TSalaryDM::CalculateVacation() {
    if (SalaryItemZQ->isEmpty())
        return 0;
    TAverageRequest request;
    request.hours = CurrentLine(*this).vacationhours;
    request.window = TLeaveWindow::Dated;
    request.size = datedWindowSize(*this);
    request.earlierAverages = true;
    return AverageEarningsAmount(*this, request);
}

double TSalaryDM::CalculateSick() {
    if (SalaryItemZQ->isEmpty())
        return 0;
    TAverageRequest request;
    request.hours = CurrentLine(*this).sickhours;
    // Without sick hours the window cannot change the amount: nothing to ask.
    if (request.hours == 0)
        return 0;
    // The setting is read afresh: another workstation may have changed it.
    const bool starts = TDBIniFile(*ZConnection()).ReadBool(QStringLiteral("Salary"), QStringLiteral("SickStarts"), false)
        || Messages().confirm(QString::fromUtf8(_SALARY_SICK_START_CONF));
    request.window = starts ? TLeaveWindow::SickStart : TLeaveWindow::SickContinued;
    request.size = datedWindowSize(*this);
    request.earlierAverages = true;
    request.payFactor = linePercent(*this, "sickpercent");
    request.sickFloor = true;
    return AverageEarningsAmount(*this, request);
}

double TSalaryDM::CalculatePaidLeave(int Hours) {
    if (SalaryItemZQ->isEmpty())
        return 0;
    TAverageRequest request;
    request.hours = Hours;
    request.window = TLeaveWindow::Dated;
    request.size = datedWindowSize(*this);
    request.earlierAverages = true;
    request.payFactor = Options.PaidLeaveCoef / 100.0L;
    return AverageEarningsAmount(*this, request);
}

double TSalaryDM::CalculateLongSick() {
    if (SalaryItemZQ->isEmpty())
        return 0;
    TAverageRequest request;
    request.hours = CurrentLine(*this).longsickhours;
    request.window = TLeaveWindow::LongSick;
    request.size = 3;
    request.payFactor = linePercent(*this, "sickpercent");
    return AverageEarningsAmount(*this, request);
}

double TSalaryDM::CalculateChildCare() {
    if (SalaryItemZQ->isEmpty())
        return 0;
    TAverageRequest request;
    request.hours = CurrentLine(*this).childcareleavehours;
    request.window = TLeaveWindow::LastN;
    request.size = 12;
    return AverageEarningsAmount(*this, request);
}

double TSalaryDM::CalculateMaternityLeave() {
    if (SalaryItemZQ->isEmpty())
        return 0;
    TAverageRequest request;
    request.hours = CurrentLine(*this).maternityleavehours;
    request.window = TLeaveWindow::LastN;
    request.size = 12;
    request.maternity = true;
    return AverageEarningsAmount(*this, request);
}
