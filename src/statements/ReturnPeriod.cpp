#include "ReturnPeriod.h"

#include "db/DbError.h"

void CheckReturnPeriod(const QString& returnName, int year, int month) {
    // The same years a salary document may have.
    if (month < 1 || month > 12 || year < 1990 || year > 2100)
        throw EDatabaseError(QStringLiteral("%1: mesec je od 1 do 12, a godina od 1990 do 2100 (zadato %2/%3).")
                                 .arg(returnName)
                                 .arg(month)
                                 .arg(year));
}

std::pair<QDate, QDate> ReturnMonthSpan(int year, int month) {
    const QDate first(year, month, 1);
    return {first, first.addMonths(1)};
}
