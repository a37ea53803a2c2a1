#include "AttendanceMonth.h"
#include "ImportsFixture.h"
#include "db/DbError.h"

// The register's month view of one employee's attendance: every day of the
// month shown, edits stored together, a wrong number refused with nothing
// stored.

TEST_F(ImportsMonth, AMonthOfAttendanceIsEditedByDayAndStoredWhole) {
    const qint64 ana = c->scalar(QStringLiteral("SELECT employeeid FROM employee WHERE code = '001'")).toLongLong();
    c->exec(QStringLiteral("INSERT INTO timerattendance (employeeid, attendancedate, regularworkinghours) "
                           "VALUES (?, '2025-02-03', 8), (?, '2025-02-04', 8), (?, '2025-03-03', 8)"),
            {ana, ana, ana});
    TAttendanceMonth month(*c);
    month.Open(ana, 2025, 2);
    TDataSet& days = month.Days();
    ASSERT_EQ(28, days.recordCount());
    EXPECT_EQ(QDate(2025, 2, 3), days.valueAt(2, 0).toDate());
    const int regular = days.fieldByName(QStringLiteral("regularworkinghours"))->index();
    EXPECT_EQ(8, days.valueAt(2, regular).toDouble());

    // The 4th loses its hours, the 5th gets sick hours.
    days.setCurrentIndex(3);
    days.edit();
    days.fieldByName(QStringLiteral("regularworkinghours"))->setAsFloat(0);
    days.setCurrentIndex(4);
    days.edit();
    days.fieldByName(QStringLiteral("sickhours"))->setText(QStringLiteral("7,5"));
    // A wrong number is refused as it is typed and the day keeps what it had.
    EXPECT_THROW(days.fieldByName(QStringLiteral("vacationhours"))->setAsFloat(-8), EDatabaseError);
    EXPECT_THROW(days.fieldByName(QStringLiteral("overtimehours"))->setAsFloat(30), EDatabaseError);
    EXPECT_EQ(0, days.fieldByName(QStringLiteral("vacationhours"))->asFloat());
    EXPECT_EQ(0, days.fieldByName(QStringLiteral("overtimehours"))->asFloat());
    EXPECT_TRUE(month.Modified());
    month.Save();

    const auto stored = [&](const QString& where) {
        return c->scalar(QStringLiteral("SELECT COUNT(*) FROM timerattendance WHERE ") + where).toInt();
    };
    EXPECT_EQ(1, stored(QStringLiteral("attendancedate = '2025-02-03' AND regularworkinghours = 8")));
    EXPECT_EQ(0, stored(QStringLiteral("attendancedate = '2025-02-04'")));
    EXPECT_EQ(1, stored(QStringLiteral("attendancedate = '2025-02-05' AND sickhours = 7.5")));
    EXPECT_EQ(1, stored(QStringLiteral("attendancedate = '2025-03-03'")));  // another month, untouched
}
