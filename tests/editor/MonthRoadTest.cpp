// The road of a month on the demo company, through the editor as the
// accountant takes it, and the same edits through zarade-cli: both must
// give the same lines, to the para.

#include "../cli/CliRun.h"
#include "DemoCompany.h"
#include "DemoHistory.h"
#include "EditorFixture.h"
#include "RegularMonth.h"
#include "SalaryDM.h"
#include "SalaryDetailUnit.h"
#include "SalaryLineModel.h"
#include "SalarySickDetailUnit.h"
#include "SalaryTransportDetailUnit.h"
#include "ScriptedMessages.h"
#include "TestDatabase.h"
#include "db/Connection.h"

#include <QAction>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

// One typed cell: the employee's line, the column, the text.
struct Typed {
    QString code;
    QString column;
    QString text;
};

struct MonthRoad : ::testing::Test {
    TestDatabase db;
    Connection* c = nullptr;
    EditorTestConsole console;
    TSalaryDM dm;
    QDate month;
    int fund = 0;

    void SetUp() override {
        REQUIRE_TEST_DATABASE();
        c = &db.open();
        // The accountant confirms: sick leave starts now, post, copy.
        console.messages.setPolicy(ScriptedMessages::AnswerPolicy::Yes);
        SeedDemoCompany(*c);
        SeedDemoHistory(*c, QDate::currentDate());
        dm.ConnectForEditing(*c, console.messages);
        month = QDate(QDate::currentDate().year(), QDate::currentDate().month(), 1).addMonths(-1);
        fund = MonthWorkingHours(month.year(), month.month());
    }

    QString firstCode(const char* where) {
        return c->scalar(QStringLiteral("SELECT MIN(code) FROM employee WHERE active = 'y' AND ") + QLatin1String(where))
            .toString();
    }

    // What the accountant types this month, in the order typed.
    std::vector<Typed> edits() {
        const QString minimum = firstCode("minsalary = 'y' AND workingstateid NOT IN (7, 8, 15)");
        const QString points = firstCode("coefficient > 1 AND minsalary = 'n' AND workingstateid NOT IN (7, 8, 15)");
        const QString agreedNet = firstCode("arrangedpaymentvalue > 0 AND minsalary = 'n' AND workingstateid NOT IN (7, 8, 15)");
        const QString gross = firstCode("arrangedsalaryvalue > 0 AND minsalary = 'n' AND workingstateid NOT IN (7, 8, 15)");
        return {
            {minimum, QStringLiteral("workinghours"), QString::number(fund - 16)},
            {minimum, QStringLiteral("vacationhours"), QStringLiteral("16")},
            {points, QStringLiteral("workinghours"), QString::number(fund - 32)},
            {points, QStringLiteral("nightworkinghours"), QStringLiteral("32")},
            {gross, QStringLiteral("workinghours"), QString::number(fund - 8)},
            {gross, QStringLiteral("sickhours"), QStringLiteral("8")},
            {agreedNet, QStringLiteral("paymentvalue"), QStringLiteral("90000")},
        };
    }

    // The lines of a stored document by employee code, as zarade-cli shows them.
    QMap<QString, QJsonObject> shownLines(qint64 id) {
        const CliResult shown = RunCliCaptured({QStringLiteral("document"), QStringLiteral("show"), QString::number(id)}, db.url());
        EXPECT_EQ(0, shown.code) << shown.err.toStdString();
        QMap<QString, QJsonObject> lines;
        for (const QJsonValue& line : QJsonDocument::fromJson(shown.out.toUtf8()).object().value(QStringLiteral("lines")).toArray())
            lines.insert(line.toObject().value(QStringLiteral("code")).toString(), line.toObject());
        return lines;
    }

    int rowOf(const SalaryLineModel& model, const QString& code) {
        const int codeColumn = model.columnOf(QStringLiteral("code"));
        for (int row = 0; row < model.rowCount(); ++row)
            if (model.data(model.index(row, codeColumn)).toString() == code)
                return row;
        return -1;
    }
};

TEST_F(MonthRoad, TheEditorAndTheScriptedCommandsGiveTheSameMonth) {
    const std::vector<Typed> typed = edits();

    // Scripted first, and left unposted, so that neither month counts in the
    // other's leave-pay history.
    const auto cli = [&](QStringList args) {
        const CliResult result = RunCliCaptured(QStringList{QStringLiteral("--yes")} + args, db.url());
        EXPECT_EQ(0, result.code) << args.join(QLatin1Char(' ')).toStdString() << ": " << result.err.toStdString();
        return result.out.trimmed();
    };
    const qint64 scripted = cli({QStringLiteral("document"), QStringLiteral("new"), QStringLiteral("--type"), QStringLiteral("Z"),
                                 QStringLiteral("--paymentdate"), QDate::currentDate().toString(Qt::ISODate),
                                 QStringLiteral("workinghours=%1").arg(fund)}).toLongLong();
    ASSERT_GT(scripted, 0);
    cli({QStringLiteral("line"), QStringLiteral("add-all"), QString::number(scripted)});
    for (const Typed& t : typed)
        cli({QStringLiteral("line"), QStringLiteral("set"), QString::number(scripted), t.code, t.column + QLatin1Char('=') + t.text});

    // The same month in the editor.
    dm.SalaryAddDocument(QStringLiteral("Z"));
    TSalaryDetailForm form(dm, console);
    ASSERT_EQ(month.month(), dm.SalaryZQ->fieldByName(QStringLiteral("month"))->asInteger());
    dm.SalaryZQ->fieldByName(QStringLiteral("workinghours"))->setText(QString::number(fund));
    form.AddAllEmployees->trigger();
    SalaryLineModel& model = *form.LineModel;
    ASSERT_EQ(28, model.rowCount());
    for (const Typed& t : typed) {
        const int row = rowOf(model, t.code);
        ASSERT_GE(row, 0) << t.code.toStdString();
        ASSERT_TRUE(model.setData(model.index(row, model.columnOf(t.column)), t.text))
            << t.code.toStdString() << " " << t.column.toStdString();
    }
    ASSERT_TRUE(form.Apply());
    const qint64 edited = dm.SalaryZQ->fieldByName(QStringLiteral("salaryid"))->asLargeInt();

    const QMap<QString, QJsonObject> byEditor = shownLines(edited);
    const QMap<QString, QJsonObject> byScript = shownLines(scripted);
    ASSERT_EQ(byScript.keys(), byEditor.keys());
    for (const QString& code : byEditor.keys())
        for (const QString& column : byEditor[code].keys()) {
            if (column == QLatin1String("salaryitemid") || column == QLatin1String("salaryid"))
                continue;
            EXPECT_EQ(byScript[code].value(column), byEditor[code].value(column))
                << code.toStdString() << " " << column.toStdString();
        }
    // The typed hours were paid: from the history, at night, on sick leave.
    EXPECT_GT(byEditor[typed[1].code].value(QStringLiteral("vacationvalue")).toDouble(), 0);
    EXPECT_GT(byEditor[typed[3].code].value(QStringLiteral("nightworkingvalue")).toDouble(), 0);
    EXPECT_GT(byEditor[typed[5].code].value(QStringLiteral("sickvalue")).toDouble(), 0);
    EXPECT_NEAR(90000, byEditor[typed[6].code].value(QStringLiteral("paymentvalue")).toDouble(), 1);

    // Post, and copy for the next month.
    form.SalaryRegister->trigger();
    EXPECT_EQ(QStringLiteral("p"), c->scalar(QStringLiteral("SELECT status FROM salary WHERE salaryid = ?"), {edited}).toString());
    EXPECT_FALSE(form.Editable());
    EXPECT_FALSE(form.AddAllEmployees->isEnabled());
    form.SalaryCopy->trigger();
    ASSERT_GT(form.CopiedSalaryID(), 0);
    EXPECT_EQ(28, c->scalar(QStringLiteral("SELECT COUNT(*) FROM salaryitem WHERE salaryid = ?"), {form.CopiedSalaryID()}).toInt());
}

TEST_F(MonthRoad, SickLeaveAndTransportDocumentsInTheirEditors) {
    dm.SalaryAddDocument(QStringLiteral("B"));
    {
        TSalarySickDetailForm form(dm, console);
        EXPECT_EQ(QStringLiteral("Detalji bolovanja"), form.windowTitle());
        dm.SalaryZQ->fieldByName(QStringLiteral("workinghours"))->setText(QString::number(fund));
        form.AddAllEmployees->trigger();
        SalaryLineModel& model = *form.LineModel;
        const int onSickLeave = c->scalar(QStringLiteral("SELECT COUNT(*) FROM employee WHERE active = 'y' AND workingstateid = 7")).toInt();
        ASSERT_GT(onSickLeave, 0);
        ASSERT_EQ(onSickLeave, model.rowCount());
        ASSERT_TRUE(model.setData(model.index(0, model.columnOf(QStringLiteral("longsickhours"))), QString::number(fund)));
        ASSERT_TRUE(form.Apply());
        EXPECT_GT(dm.SalaryItemZQ->fieldByName(QStringLiteral("longsickvalue"))->asFloat(), 0);
        EXPECT_GT(dm.SalaryItemZQ->fieldByName(QStringLiteral("paymentvalue"))->asFloat(), 0);
    }
    dm.SalaryAddDocument(QStringLiteral("P"));
    TSalaryTransportDetailForm form(dm, console);
    EXPECT_EQ(QStringLiteral("Detalji prevoza"), form.windowTitle());
    dm.SalaryZQ->fieldByName(QStringLiteral("workinghours"))->setText(QString::number(fund));
    form.AddAllEmployees->trigger();
    ASSERT_TRUE(form.Apply());
    EXPECT_EQ(28, dm.SalaryItemZQ->recordCount());
    for (dm.SalaryItemZQ->first(); !dm.SalaryItemZQ->eof(); dm.SalaryItemZQ->next())
        EXPECT_GT(dm.SalaryItemZQ->fieldByName(QStringLiteral("paymentvalue"))->asFloat(), 0)
            << "every demo employee has a transport zone";
}

}  // namespace
