#include "ImportsFixture.h"

// The month's attendance records, from a CSV file, into empty documents of
// each type: who is taken, which hours go where, and that a line is
// calculated exactly as if its hours had been typed.

namespace {

// March 2025, a fund of 176 hours. 001 works with a business trip, overtime and
// a vacation day; 002 has only sick leave after an injury at work; 003 is on
// long sick leave (part of it after an injury); 004 has hours of April only.
QByteArray marchAttendance() {
    QByteArray csv = "code;attendancedate;regularworkinghours;businesstriphours;overtimehours;vacationhours;"
                     "profsickhours;longsickhours;proflongsickhours;nightworkinghours\n";
    for (int day = 3; day <= 21; ++day)
        csv += QStringLiteral("001;2025-03-%1;8;;;;;;;\n").arg(day, 2, 10, QLatin1Char('0')).toUtf8();
    csv += "001;2025-03-27;;8;2,5;;;;;\n"
           "001;2025-03-28;;;;7,6;;;;1\n"
           "002;2025-03-10;;;;;8;;;\n"
           "002;2025-03-11;;;;;8;;;\n"
           "003;2025-03-03;;;;;;8;;\n"
           "003;2025-03-04;;;;;;8;;\n"
           "003;2025-03-05;;;;;;8;;\n"
           "003;2025-03-06;;;;;;8;;\n"
           "003;2025-03-07;;;;;;8;;\n"
           "003;2025-03-10;;;;;;;8;\n"
           "003;2025-03-11;;;;;;;8;\n"
           "004;2025-04-01;8;;;;;;;\n";
    return csv;
}

}  // namespace

TEST_F(ImportsMonth, AttendanceFillsEachDocumentTypeWithItsHours) {
    ok({QStringLiteral("attendance"), QStringLiteral("import"), write(QStringLiteral("mart.csv"), marchAttendance())});

    const qint64 regular = newDocument(QStringLiteral("176"));
    // Sick hours ask, as typed ones do, whether the sick leave starts this month.
    const CliResult imported =
        ok({QStringLiteral("import"), QStringLiteral("attendance"), QString::number(regular), QStringLiteral("--yes")});
    EXPECT_TRUE(imported.out.contains(QStringLiteral("\"added\": 2"))) << imported.out.toStdString();
    QJsonObject worker = line(regular, QStringLiteral("001"));
    EXPECT_EQ(19 * 8 + 8, number(worker, "workinghours"));  // regular and the business trip
    EXPECT_EQ(2.5, number(worker, "overtimehours"));         // overtime as recorded
    EXPECT_EQ(8, number(worker, "vacationhours"));           // 7.6 rounded
    EXPECT_EQ(1, number(worker, "nightworkinghours"));
    const QJsonObject injured = line(regular, QStringLiteral("002"));
    EXPECT_EQ(16, number(injured, "sickhours"));
    EXPECT_EQ(100, number(injured, "sickpercent"));
    EXPECT_EQ(0, number(injured, "workinghours"));
    EXPECT_GT(number(injured, "sickvalue"), 0);

    // The same hours typed into a line of another document give the same amounts.
    const qint64 typed = newDocument(QStringLiteral("176"));
    ok({QStringLiteral("line"), QStringLiteral("add"), QString::number(typed), QStringLiteral("001")});
    ok(lineSet(typed, QStringLiteral("001"),
               {QStringLiteral("workinghours=160"), QStringLiteral("vacationhours=8"),
                QStringLiteral("nightworkinghours=1"), QStringLiteral("overtimehours=2.5")}));
    const QJsonObject byHand = line(typed, QStringLiteral("001"));
    for (const char* amount : {"regularwork", "vacationvalue", "overtimevalue", "nightworkingvalue", "salaryvalue",
                               "paymentvalue", "paymentnetvalue"})
        EXPECT_EQ(number(byHand, amount), number(worker, amount)) << amount;

    // Sick pay takes only the long sick leave: the injury's part as maternity hours.
    const qint64 sick = newDocument(QStringLiteral("B"), {QStringLiteral("workinghours=176")});
    ok({QStringLiteral("import"), QStringLiteral("attendance"), QString::number(sick), QStringLiteral("--yes")});
    EXPECT_EQ(1, lineCount(sick));
    const QJsonObject longSick = line(sick, QStringLiteral("003"));
    EXPECT_EQ(40, number(longSick, "longsickhours"));
    EXPECT_EQ(16, number(longSick, "maternityleavehours"));

    // Transport counts the days at work against the month's fund.
    const qint64 transport = newDocument(QStringLiteral("P"), {QStringLiteral("workinghours=176")});
    ok({QStringLiteral("import"), QStringLiteral("attendance"), QString::number(transport), QStringLiteral("--yes")});
    EXPECT_EQ(161, number(line(transport, QStringLiteral("001")), "workinghours"));  // with the night hour
    EXPECT_EQ(0, number(line(transport, QStringLiteral("002")), "workinghours"));

    // Hours above a smaller fund: the employee is named, nothing is stored.
    const qint64 small = newDocument(QStringLiteral("120"));
    const CliResult over = run({QStringLiteral("import"), QStringLiteral("attendance"), QString::number(small),
                                QStringLiteral("--yes")});
    EXPECT_EQ(1, over.code);
    EXPECT_TRUE(over.err.contains(QStringLiteral("Ilić Ana"))) << over.err.toStdString();
    EXPECT_EQ(0, lineCount(small));

    // A document with lines takes nothing more.
    const CliResult again = run({QStringLiteral("import"), QStringLiteral("attendance"), QString::number(regular)});
    EXPECT_EQ(1, again.code);
    EXPECT_TRUE(again.err.contains(QStringLiteral("bez stavki"))) << again.err.toStdString();
    EXPECT_EQ(2, lineCount(regular));
}

TEST_F(ImportsMonth, AttendanceCsvNamesEveryBadRowAndStoresAllOrWhatIsValid) {
    const QString file = write(QStringLiteral("prisustvo.csv"),
                               "code,attendancedate,regularworkinghours,sickhours\n"
                               "001,2025-03-03,8,\n"
                               "001,04.03.2025.,\"7,5\",\n"
                               "999,2025-03-03,8,\n"
                               "002,2025-02-30,8,\n"
                               "002,2025-03-03,-1,\n"
                               "002,2025-03-04,osam,\n"
                               "001,2025-03-03,,8\n");
    const QString count = QStringLiteral("SELECT COUNT(*) FROM timerattendance");
    const CliResult refused = run({QStringLiteral("attendance"), QStringLiteral("import"), file});
    EXPECT_EQ(1, refused.code);
    for (const char* expected : {"Red 4 (šifra 999)", "Red 5 (šifra 002): \"2025-02-30\"", "Red 6 (šifra 002): Sati redovnog rada: sati ne mogu biti negativni",
                                 "Red 7 (šifra 002): Sati redovnog rada: \"osam\" nije broj", "Red 8 (šifra 001): isti zaposleni i dan su već u redu 2"})
        EXPECT_TRUE(refused.err.contains(QString::fromUtf8(expected))) << expected << "\n" << refused.err.toStdString();
    EXPECT_EQ(0, c->scalar(count).toInt());

    ok({QStringLiteral("attendance"), QStringLiteral("import"), file, QStringLiteral("--partial")});
    EXPECT_EQ(2, c->scalar(count).toInt());
    EXPECT_EQ(7.5, c->scalar(QStringLiteral("SELECT regularworkinghours FROM timerattendance WHERE attendancedate = '2025-03-04'")).toDouble());

    // A day recorded before takes the hours the file gives and keeps the others.
    c->exec(QStringLiteral("UPDATE timerattendance SET sickhours = 2 WHERE attendancedate = '2025-03-03'"));
    ok({QStringLiteral("attendance"), QStringLiteral("import"),
        write(QStringLiteral("ispravka.csv"), "Kod;Datum;regularworkinghours\n001;2025-03-03;6\n")});
    QSqlQuery day = c->exec(QStringLiteral("SELECT regularworkinghours, sickhours FROM timerattendance "
                                           "WHERE attendancedate = '2025-03-03'"));
    ASSERT_TRUE(day.next());
    EXPECT_EQ(6, day.value(0).toDouble());
    EXPECT_EQ(2, day.value(1).toDouble());
    EXPECT_EQ(2, c->scalar(count).toInt());

    const CliResult unknownColumn = run({QStringLiteral("attendance"), QStringLiteral("import"),
                                         write(QStringLiteral("kolona.csv"), "code;attendancedate;sati\n001;2025-03-05;8\n")});
    EXPECT_EQ(1, unknownColumn.code);
    EXPECT_TRUE(unknownColumn.err.contains(QStringLiteral("\"sati\""))) << unknownColumn.err.toStdString();
}
