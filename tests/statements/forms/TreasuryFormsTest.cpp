#include "PaymentMonth.h"

#include "ExportTreasuryForm.h"
#include "ReportRegisterEmployeeForm.h"
#include "SalaryDM.h"
#include "ScriptedMessages.h"
#include "db/Connection.h"
#include "db/DataSetTableModel.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

// The treasury's two forms over a posted month: what they show, what their
// buttons and edits store, and that leaving without saving stores nothing.

namespace {

struct TreasuryForms : PaymentMonth {
    ScriptedMessages messages;
    TSalaryDM dm;

    void SetUp() override {
        PaymentMonth::SetUp();
        if (IsSkipped())
            return;
        post(month(QStringLiteral("2025-04-10"), {QStringLiteral("baudvalue=10000")}));
        c->exec(QStringLiteral("UPDATE employee SET sex = 'f', workingfromdate = '2012-09-01'"));
        ok({QStringLiteral("settings"), QStringLiteral("set"), QStringLiteral("CompanyInfo"),
            QStringLiteral("UniqueNumber=12345"), QStringLiteral("Code=108452716")});
        dm.ConnectForEditing(*c, messages);
    }

    int stored() { return c->scalar(QStringLiteral("SELECT COUNT(*) FROM salaryreportregisteremployee")).toInt(); }

    static void click(QWidget& form, const char* button) {
        QPushButton* b = form.findChild<QPushButton*>(QLatin1String(button));
        ASSERT_NE(nullptr, b) << button;
        b->click();
    }

    static QString total(QWidget& form) { return form.findChild<QLabel*>(QStringLiteral("TotalLabel"))->text(); }
};

TEST_F(TreasuryForms, TheRegisterIsAddedEditedAndDeletedOnlyWhenSaved) {
    TReportRegisterEmployeeForm form(dm, messages, QDate(2025, 5, 15), nullptr);
    QAbstractItemModelTester tester(form.grid()->model(), QAbstractItemModelTester::FailureReportingMode::Warning);
    EXPECT_EQ(QStringLiteral("2025"), form.findChild<QComboBox*>(QStringLiteral("YearCB"))->currentText());
    EXPECT_EQ(QStringLiteral("4"), form.findChild<QComboBox*>(QStringLiteral("MonthCB"))->currentText());
    click(form, "AddAllButton");
    EXPECT_EQ(5, form.grid()->model()->rowCount());
    EXPECT_EQ(5, stored());
    EXPECT_EQ(QStringLiteral("Ukupno zaposlenih: 5"), total(form));
    click(form, "AddAllButton");  // the month has rows: refused, nothing added
    EXPECT_TRUE(messages.refusals().contains(QStringLiteral("već ima redove"))) << messages.refusals().toStdString();
    EXPECT_EQ(5, stored());

    // The sex is shown and typed as its caption.
    DataSetTableModel& model = *form.model();
    const QModelIndex sex = model.index(0, model.columnOf(QStringLiteral("sex")));
    EXPECT_EQ(QStringLiteral("Ženski"), model.data(sex).toString());
    ASSERT_TRUE(model.setData(sex, QStringLiteral("Muški")));
    EXPECT_EQ(QStringLiteral("Muški"), model.data(sex).toString());
    // A month out of range is refused when the row is saved, and nothing is written.
    const size_t before = messages.shown.size();
    ASSERT_TRUE(model.setData(model.index(1, model.columnOf(QStringLiteral("workpercent"))), QStringLiteral("150")));
    click(form, "ApplyButton");
    EXPECT_FALSE(messages.refusals(before).isEmpty());
    EXPECT_EQ(0, c->scalar(QStringLiteral("SELECT COUNT(*) FROM salaryreportregisteremployee WHERE sex = 'm'")).toInt());
    dm.SalaryReportRegisterEmployeeZQ->cancel();
    click(form, "ApplyButton");
    EXPECT_EQ(1, c->scalar(QStringLiteral("SELECT COUNT(*) FROM salaryreportregisteremployee WHERE sex = 'm'")).toInt());

    // "Izbriši sve" empties the grid; "Otkaži" keeps the table as it was.
    click(form, "DeleteAllButton");
    EXPECT_EQ(0, form.grid()->model()->rowCount());
    click(form, "CancelButton");
    EXPECT_EQ(5, stored());
    TReportRegisterEmployeeForm again(dm, messages, QDate(2025, 5, 15), nullptr);
    click(again, "DeleteAllButton");
    click(again, "OKButton");
    EXPECT_EQ(0, stored());
}

TEST_F(TreasuryForms, TheTreasuryFormShowsTheMonthAndWritesItsFile) {
    TExportTreasuryForm form(dm, messages, 2025, 3, nullptr);
    EXPECT_EQ(5, form.grid()->model()->rowCount());
    EXPECT_TRUE(total(form).startsWith(QStringLiteral("Ukupno: 5 "))) << total(form).toStdString();
    form.findChild<QComboBox*>(QStringLiteral("MonthCB"))->setCurrentText(QStringLiteral("4"));
    click(form, "ShowButton");
    EXPECT_EQ(0, form.grid()->model()->rowCount());
    EXPECT_TRUE(total(form).startsWith(QStringLiteral("Ukupno: 0 "))) << total(form).toStdString();
    form.findChild<QComboBox*>(QStringLiteral("MonthCB"))->setCurrentText(QStringLiteral("3"));
    click(form, "ShowButton");
    QTemporaryDir dir;
    messages.answerFileName(dir.filePath(QStringLiteral("trezor")));
    click(form, "ExportButton");
    QFile file(dir.filePath(QStringLiteral("trezor.xml")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << messages.refusals().toStdString();
    const QByteArray xml = file.readAll();
    EXPECT_TRUE(xml.startsWith("<Zarade>"));
    EXPECT_EQ(5, xml.count("<ZaradaSlog>"));
}

// Pictures of both forms for people to look at: set ZARADE_SHOT_DB to a
// database with posted months (the demo) and ZARADE_SHOT_DIR to a folder.
TEST(TreasuryFormScreenshots, BothFormsOnTheGivenDatabase) {
    const QString url = qEnvironmentVariable("ZARADE_SHOT_DB");
    const QDir shots(qEnvironmentVariable("ZARADE_SHOT_DIR"));
    if (url.isEmpty() || qEnvironmentVariable("ZARADE_SHOT_DIR").isEmpty())
        GTEST_SKIP() << "ZARADE_SHOT_DB and ZARADE_SHOT_DIR are not set";
    Connection c;
    c.open(*DbUrl::parse(url));
    ScriptedMessages messages(ScriptedMessages::AnswerPolicy::No);
    TSalaryDM dm;
    dm.ConnectForEditing(c, messages);
    const QVariant last = c.scalar(QStringLiteral("SELECT MAX(paymentdate) FROM salary WHERE status = 'p'"));
    const QDate paid = QDate::fromString(last.toString().left(10), Qt::ISODate);
    const QVariant period = c.scalar(QStringLiteral("SELECT MAX(year * 100 + month) FROM salary WHERE status = 'p'"));
    TExportTreasuryForm treasury(dm, messages, period.toInt() / 100, period.toInt() % 100, nullptr);
    treasury.show();
    QApplication::processEvents();
    treasury.grab().save(shots.filePath(QStringLiteral("treasury.png")));
    TReportRegisterEmployeeForm reg(dm, messages, paid.addMonths(1), nullptr);
    if (reg.grid()->model()->rowCount() == 0)
        reg.AddAllButtonClick();
    reg.show();
    QApplication::processEvents();
    reg.grab().save(shots.filePath(QStringLiteral("register.png")));
    reg.reject();
}

}  // namespace
