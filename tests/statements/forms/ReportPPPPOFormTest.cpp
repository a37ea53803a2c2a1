#include "PaymentMonth.h"

#include "Kinterfaces.h"
#include "PersonnelModule.h"
#include "ReportEngine.h"
#include "ReportPPPPOForm.h"
#include "SalaryDM.h"
#include "ScriptedEmployeePicker.h"
#include "ScriptedMessages.h"
#include "ShellTestConsole.h"
#include "db/DataSetTableModel.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

// The PPP-PO form: a year's rows built, completed with income outside
// employment, applied and printed a page per row.

namespace {

class PickerModule : public IModule, public TPersonnelModule {
public:
    using TPersonnelModule::TPersonnelModule;
};

struct PppPoForm : PaymentMonth {
    void click(QWidget& form, const char* button) {
        auto* found = form.findChild<QPushButton*>(QLatin1String(button));
        ASSERT_NE(nullptr, found) << button;
        found->click();
    }
    int stored() { return c->scalar(QStringLiteral("SELECT COUNT(*) FROM salaryreportppppo")).toInt(); }
};

TEST_F(PppPoForm, BuildsAddsAppliesAndPrintsThePreviousYear) {
    REQUIRE_TEST_DATABASE();
    for (const char* code : {"001", "002", "003", "004", "005"})
        c->exec(QStringLiteral("UPDATE employee SET personalidentificator = ?, city = 'Novi Sad', "
                               "address = 'Dunavska 1' WHERE code = ?"),
                {QStringLiteral("0101990710") + QLatin1String(code), QLatin1String(code)});
    // The previous year (of this clock) is the one offered first.
    const int year = QDate::currentDate().year() - 1;
    const QString paid = QStringLiteral("%1-04-10").arg(year);
    post(month(paid));
    ok({QStringLiteral("pppd"), QStringLiteral("build"), QStringLiteral("--year"), QString::number(year),
        QStringLiteral("--month"), QStringLiteral("4")});

    ShellTestConsole console;
    auto picker = std::make_unique<ScriptedEmployeePicker>(*c);
    ScriptedEmployeePicker& script = *picker;
    PickerModule personnel(std::move(picker));
    TSalaryDM dm;
    dm.ConnectForEditing(*c, console.messages);
    TReportPPPPOForm form(dm, console);
    form.show();
    EXPECT_EQ(QString::number(year), form.YearCB->currentText());
    EXPECT_EQ(QDate::currentDate(), form.IssueDateDTP->date());

    click(form, "AddButton");
    EXPECT_EQ(QStringLiteral("Modul \"Kadrovi\" nije učitan."), console.messages.shown.back().text);
    console.modules.insert(QString::fromLatin1(IID_IPersonnelModule), &personnel);

    click(form, "AddAllButton");
    EXPECT_EQ(5, form.model()->rowCount());
    EXPECT_EQ(0, stored());
    script.answerCodes({QStringLiteral("003")});
    click(form, "AddButton");
    ASSERT_EQ(1u, script.asked.size());
    EXPECT_FALSE(script.asked.front().multiSelect);
    ASSERT_EQ(6, form.model()->rowCount());
    EXPECT_EQ(QStringLiteral("1"), dm.SalaryReportPPPPOZQ->fieldByName(QStringLiteral("incometypecode"))->asString());
    click(form, "AddAllButton");  // the year shows rows now
    EXPECT_TRUE(console.messages.shown.back().text.contains(QStringLiteral("već ima redove")));
    EXPECT_EQ(6, form.model()->rowCount());
    click(form, "ApplyButton");
    EXPECT_EQ(6, stored());

    QTemporaryDir dir;
    TReportEngine engine;
    engine.renderToPdf(dir.filePath(QStringLiteral("ppp-po.pdf")));
    form.setReportEngine(&engine);
    click(form, "PrintButton");
    EXPECT_EQ(6, engine.LastPageCount());
    QApplication::processEvents();
    form.grab().save(QStringLiteral("/tmp/ppppo-form.png"));

    // Deleting everything and cancelling keeps the stored rows.
    click(form, "DeleteButton");
    EXPECT_EQ(0, form.model()->rowCount());
    click(form, "CancelButton");
    EXPECT_EQ(6, stored());
}

}  // namespace
