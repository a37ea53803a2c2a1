#include "WorkingYears.h"

#include <gtest/gtest.h>

namespace {

ServiceInput hiredMarch2010() {
    ServiceInput in;
    in.workingFrom = QDate(2010, 3, 1);
    in.previousYears = 5;
    return in;
}

}  // namespace

TEST(WorkingYears, EarlierEmployersCountOnlyUpToTheJuly2014Change) {
    ServiceInput in = hiredMarch2010();
    in.year = 2010;
    in.month = 6;
    in.paymentDate = in.accountingDate = QDate(2010, 7, 10);
    EXPECT_EQ(5, WorkingYears(in));

    in.year = 2014;
    in.paymentDate = in.accountingDate = QDate(2014, 8, 10);
    EXPECT_EQ(4, WorkingYears(in));
    in.forcePreviousWork = true;
    EXPECT_EQ(9, WorkingYears(in));

    // Both dates must be on or before 28 July 2014.
    in.forcePreviousWork = false;
    in.paymentDate = QDate(2014, 7, 28);
    in.accountingDate = QDate(2014, 7, 29);
    EXPECT_EQ(4, WorkingYears(in));
    in.accountingDate = QDate(2014, 7, 28);
    EXPECT_EQ(9, WorkingYears(in));
}

TEST(WorkingYears, AnEmploymentEndingInTheMonthCountsUpToItsLastDay) {
    ServiceInput in;
    in.workingFrom = QDate(2015, 6, 20);
    in.year = 2025;
    in.month = 6;
    in.paymentDate = in.accountingDate = QDate(2025, 7, 5);
    EXPECT_EQ(10, WorkingYears(in));  // month ends on the 30th: the anniversary has passed
    in.workingTo = QDate(2025, 6, 15);
    EXPECT_EQ(9, WorkingYears(in));
    in.workingTo = QDate(2025, 8, 1);  // ends later: the month's end counts
    EXPECT_EQ(10, WorkingYears(in));
}

TEST(WorkingYears, PreviousMonthsAndDaysMoveTheStartBack) {
    ServiceInput in;
    in.workingFrom = QDate(2020, 3, 10);
    in.previousMonths = 2;
    in.previousDays = 10;  // start: 2019-12-31
    in.forcePreviousWork = true;
    in.year = 2024;
    in.month = 12;
    EXPECT_EQ(5, WorkingYears(in));
    in.month = 11;
    EXPECT_EQ(4, WorkingYears(in));
    EXPECT_EQ(0, WholeYearsBetween(QDate(2024, 2, 29), QDate(2024, 1, 1)));
    EXPECT_EQ(1, WholeYearsBetween(QDate(2024, 2, 29), QDate(2025, 3, 1)));
}
