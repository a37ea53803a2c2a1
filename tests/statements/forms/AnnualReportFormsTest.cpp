#include "CliRun.h"
#include "ReportEngine.h"
#include "ReportM4Form.h"
#include "ReportPPPForm.h"
#include "SalaryDM.h"
#include "ScriptedMessages.h"
#include "TestDatabase.h"
#include "db/DataSet.h"
#include "db/DbError.h"
#include "db/Field.h"
#include "db/SqlQuery.h"

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The annual forms over the demo company's year: built, applied with the
// year, printed one page per employee, exported only when every prompt was
// answered.

namespace {

struct AnnualForms : ::testing::Test {
    TestDatabase db;
    Connection* c = nullptr;
    ScriptedMessages messages{ScriptedMessages::AnswerPolicy::Fail};
    TSalaryDM dm;
    std::unique_ptr<TReportEngine> printer;
    QTemporaryDir dir;

    void SetUp() override {
        REQUIRE_TEST_DATABASE();
        c = &db.open();
        const CliResult demo = RunCliCaptured({QStringLiteral("demo")}, db.url());
        ASSERT_EQ(0, demo.code) << demo.err.toStdString();
        dm.ConnectForEditing(*c, messages);
        // Prints name the company of the database, as the forms' own engine does.
        printer = std::make_unique<TReportEngine>(nullptr, c);
        printer->renderToPdf(dir.filePath(QStringLiteral("print.pdf")));
    }

    // Opens the form on the demo's last year (its twelve months end in it).
    template <class Form>
    std::unique_ptr<Form> open() {
        auto form = std::make_unique<Form>(dm, messages);
        form->setReportEngine(printer.get());
        auto* year = form->template findChild<QComboBox*>(QStringLiteral("YearCB"));
        year->setCurrentIndex(year->count() - 1);
        return form;
    }

    static void click(QWidget& form, const char* button) {
        form.findChild<QPushButton*>(QLatin1String(button))->click();
    }

    int stored(const char* table, int year) {
        return c->scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE year = ?").arg(QLatin1String(table)), {year})
            .toInt();
    }

    QList<QByteArray> fileLines(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QList<QByteArray> lines = file.readAll().split('\n');
        lines.removeAll(QByteArray());
        return lines;
    }
};

TEST_F(AnnualForms, PPPIsBuiltOnceAppliedWithTheYearPrintedPerEmployeeAndExported) {
    REQUIRE_TEST_DATABASE();
    auto form = open<TReportPPPForm>();
    const int year = form->year();
    TDataSet& rows = *dm.SalaryReportPPPZQ;
    click(*form, "AddAllButton");
    const int employees = rows.recordCount();
    ASSERT_GT(employees, 20);
    EXPECT_EQ(0, stored("salaryreportppp", year));  // nothing until applied
    // A row typed with no year gets the year shown.
    rows.last();
    rows.edit();
    rows.fieldByName(QStringLiteral("year"))->setValue(0);
    rows.post();
    click(*form, "ApplyButton");
    EXPECT_EQ(employees, stored("salaryreportppp", year));
    // A corrected amount is never negative, and the row stays whose it is.
    rows.first();
    EXPECT_THROW(rows.fieldByName(QStringLiteral("employeeid"))->setText(QStringLiteral("7")), EDatabaseError);
    rows.edit();
    rows.fieldByName(QStringLiteral("taxbase"))->setValue(-1);
    EXPECT_THROW(rows.post(), EAbort);
    rows.cancel();
    messages.shown.clear();
    EXPECT_EQ(QString(), messages.refusals());
    // Built once: a second "Dodaj sve" is refused and adds nothing.
    click(*form, "AddAllButton");
    EXPECT_EQ(employees, rows.recordCount());
    EXPECT_FALSE(messages.refusals().isEmpty());
    const size_t shown = messages.shown.size();

    click(*form, "PrintIndividualButton");
    EXPECT_EQ(employees, printer->LastPageCount());
    rows.first();
    click(*form, "PrintIndividualReportButton");
    EXPECT_EQ(1, printer->LastPageCount());
    click(*form, "PrintButton");
    EXPECT_GE(printer->LastPageCount(), 1);
    EXPECT_EQ(QString(), messages.refusals(shown));

    const QString path = dir.filePath(QStringLiteral("ppp"));
    messages.answerNo();  // the save dialog cancelled
    click(*form, "ExportButton");
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".txt")));
    messages.answerFileName(path);
    click(*form, "ExportButton");
    EXPECT_EQ(employees + 1, fileLines(path + QStringLiteral(".txt")).size());

    // "Izbriši sve" and "Otkaži" leave the table as it was.
    click(*form, "DeleteButton");
    EXPECT_TRUE(rows.isEmpty());
    click(*form, "CancelButton");
    EXPECT_EQ(employees, stored("salaryreportppp", year));
}

TEST_F(AnnualForms, M4ExportWritesNothingUnlessEveryPromptIsAnsweredWithAWholePosition) {
    REQUIRE_TEST_DATABASE();
    auto form = open<TReportM4Form>();
    TDataSet& rows = *dm.SalaryReportM4ZQ;
    click(*form, "AddAllButton");
    const int employees = rows.recordCount();
    ASSERT_GT(employees, 20);
    click(*form, "OKButton");
    EXPECT_EQ(employees, stored("salaryreportm4", form->year()));

    const QString path = dir.filePath(QStringLiteral("m4.txt"));
    messages.answerFileName(path);
    messages.answerText(QStringLiteral("R12"));
    messages.answerNo();  // the position prompt cancelled
    click(*form, "ExportButton");
    EXPECT_FALSE(QFile::exists(path));
    const auto exportWith = [&](const QString& position) {
        messages.answerFileName(path);
        messages.answerText(QStringLiteral("R12"));
        messages.answerText(position);
        messages.answerText(QStringLiteral("555"));
        click(*form, "ExportButton");
    };
    exportWith(QStringLiteral("7x"));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(messages.refusals().contains(QStringLiteral("ceo broj"))) << messages.refusals().toStdString();
    exportWith(QStringLiteral("7"));
    const QList<QByteArray> lines = fileLines(path);
    ASSERT_EQ(employees, lines.size());
    const QByteArray start = "6" + QByteArray::number(form->year()) + "R12";
    EXPECT_TRUE(lines[19].startsWith(start + "7")) << lines[19].toStdString();
    EXPECT_TRUE(lines[20].startsWith(start + "8")) << lines[20].toStdString();

    click(*form, "PrintIndividualButton");
    EXPECT_EQ(employees, printer->LastPageCount());
    click(*form, "PrintButton");
    EXPECT_GE(printer->LastPageCount(), 1);
}

}  // namespace
