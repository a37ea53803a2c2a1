#include "WorkingYears.h"

namespace {

const QDate PreviousWorkCountedUntil(2014, 7, 28);

}  // namespace

int WholeYearsBetween(const QDate& start, const QDate& end) {
    if (!start.isValid() || !end.isValid() || end < start)
        return 0;
    int years = end.year() - start.year();
    if (end.month() < start.month() || (end.month() == start.month() && end.day() < start.day()))
        --years;
    return years;
}

int WorkingYears(const ServiceInput& in) {
    if (!in.workingFrom.isValid() || in.year <= 0 || in.month < 1 || in.month > 12)
        return 0;
    QDate end = QDate(in.year, in.month, 1).addMonths(1).addDays(-1);
    if (in.workingTo.isValid() && in.workingTo != in.workingFrom && in.workingTo <= end)
        end = in.workingTo;
    QDate start = in.workingFrom;
    const bool before2014Rule = in.paymentDate.isValid() && in.accountingDate.isValid()
        && in.paymentDate <= PreviousWorkCountedUntil && in.accountingDate <= PreviousWorkCountedUntil;
    if (before2014Rule || in.forcePreviousWork)
        start = start.addYears(-in.previousYears).addMonths(-in.previousMonths).addDays(-in.previousDays);
    return WholeYearsBetween(start, end);
}
