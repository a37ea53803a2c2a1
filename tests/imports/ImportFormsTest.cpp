#include "AttendanceMonth.h"
#include "AttendanceMonthDialog.h"
#include "EmployeeCertificateUnit.h"
#include "ImportsFixture.h"
#include "ReportEngine.h"
#include "SalaryDM.h"
#include "ScriptedMessages.h"
#include "ShootIfAsked.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QTableView>

// The certificate form and the register's month of attendance over a
// scripted company. Pictures go to ZARADE_SHOT_DIR when it is set.

TEST_F(ImportsMonth, TheCertificateFormShowsAndPrintsTheTypedEmployee) {
    const qint64 id = newDocument(QStringLiteral("176"));
    ok({QStringLiteral("line"), QStringLiteral("add"), QString::number(id), QStringLiteral("001"), QStringLiteral("002")});
    ok({QStringLiteral("document"), QStringLiteral("post"), QString::number(id)});
    ScriptedMessages messages;
    TSalaryDM dm;
    dm.ConnectForEditing(*c, messages);
    TEmployeeCertificateForm form(dm, messages);
    TReportEngine engine;
    const QString shots = qEnvironmentVariable("ZARADE_SHOT_DIR");
    engine.renderToPdf(shots.isEmpty() ? files.filePath(QStringLiteral("potvrda.pdf"))
                                       : QDir(shots).filePath(QStringLiteral("potvrda.pdf")));
    form.setReportEngine(&engine);
    EXPECT_EQ(4, form.EmployeeCB->count());
    form.FromDate->setDate(QDate(2025, 1, 1));
    form.EmployeeCB->setEditText(QStringLiteral("Povređeni Bojan"));  // by name, without a code
    const qint64 bojan = c->scalar(QStringLiteral("SELECT employeeid FROM employee WHERE code = '002'")).toLongLong();
    EXPECT_EQ(bojan, form.SelectedEmployee());
    form.ShowButtonClick();
    ASSERT_EQ(1, form.grid()->model()->rowCount());
    const double gross = number(line(id, QStringLiteral("002")), "salaryvalue");
    EXPECT_TRUE(form.findChild<QLabel*>(QStringLiteral("TotalLabel"))->text().contains(TotalAmountText(gross)));
    ShootIfAsked(form, QStringLiteral("certificate"));

    form.PrintButtonClick();
    EXPECT_EQ(QStringLiteral("Potvrda"), engine.LastReport().title);
    ASSERT_EQ(1, engine.LastReport().sections.size());
    EXPECT_TRUE(engine.LastReport().sections.at(0).caption.startsWith(
        QStringLiteral("Zaposleni: Povređeni Bojan\r\nProsečno: bruto %1").arg(TotalAmountText(gross))))
        << engine.LastReport().sections.at(0).caption.toStdString();

    // Another employee empties the rows until they are shown again.
    form.EmployeeCB->setEditText(QStringLiteral("001"));
    EXPECT_EQ(0, form.grid()->model()->rowCount());
}

TEST_F(ImportsMonth, TheMonthViewListsEveryDayWithItsHours) {
    const qint64 ana = c->scalar(QStringLiteral("SELECT employeeid FROM employee WHERE code = '001'")).toLongLong();
    c->exec(QStringLiteral("INSERT INTO timerattendance (employeeid, attendancedate, regularworkinghours, overtimehours) "
                           "VALUES (?, '2025-03-03', 8, 2)"),
            {ana});
    ScriptedMessages messages;
    TAttendanceMonth month(*c);
    month.Open(ana, 2025, 3);
    AttendanceMonthDialog dialog(month, QStringLiteral("001 Ana Ilić"), messages);
    EXPECT_EQ(31, dialog.view()->model()->rowCount());
    EXPECT_EQ(QStringLiteral("8"), dialog.view()->model()->index(2, 1).data().toString());
    ShootIfAsked(dialog, QStringLiteral("attendance-month"));
    dialog.MonthCB->setCurrentIndex(1);  // February
    EXPECT_EQ(28, dialog.view()->model()->rowCount());
}
