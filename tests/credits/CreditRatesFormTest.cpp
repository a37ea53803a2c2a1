#include "CreditPrintsUnit.h"
#include "CreditRatesUnit.h"
#include "ReportEngine.h"
#include "SalaryDM.h"
#include "ScriptedMessages.h"
#include "TestDatabase.h"

#include <QAction>
#include <QComboBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

// Two active employees; only Petar has deductions.
struct CreditEditor : ::testing::Test {
    TestDatabase db;
    Connection* c = nullptr;
    TSalaryDM dm;
    ScriptedMessages messages{ScriptedMessages::AnswerPolicy::Fail};
    qint64 petar = 0, jovana = 0, petarSet = 0;

    void SetUp() override {
        REQUIRE_TEST_DATABASE();
        c = &db.open();
        dm.SetZConnection(c);
        dm.SetMessages(&messages);
        c->exec(QStringLiteral("INSERT INTO employee (code, lastname, firstname) VALUES ('1', 'Petrović', 'Petar')"));
        petar = c->lastInsertId();
        c->exec(QStringLiteral("INSERT INTO employee (code, lastname, firstname) VALUES ('2', 'Jovanović', 'Jovana')"));
        jovana = c->lastInsertId();
        c->exec(QStringLiteral("INSERT INTO salarycredit (employeeid, defaultcredit) VALUES (?, 'y')"), {petar});
        petarSet = c->lastInsertId();
        c->exec(QStringLiteral("INSERT INTO salarycredititem (salarycreditid, creditname, creditpercent, "
                               "creditgrosspercent, creditvalue, creditbankaccount) VALUES (?, 'Kredit', 0, 0, 3000, '160-5')"),
                {petarSet});
    }
};

}  // namespace

TEST_F(CreditEditor, FromTheListItShowsTheFirstEmployeesSetReadOnlyAndComposesForAnother) {
    TCreditRatesForm form(dm, messages);
    EXPECT_EQ(2, form.EmployeeCB->count());
    EXPECT_TRUE(form.EmployeeCB->isEnabled());
    EXPECT_EQ(petar, form.EmployeeID());
    EXPECT_EQ(1, form.Grid->model()->rowCount());
    EXPECT_FALSE(form.Navigator->isEnabled());
    EXPECT_TRUE(form.NewItemsAction->isEnabled());
    EXPECT_FALSE(form.ApplyAction->isEnabled());

    form.EmployeeCB->setCurrentIndex(1);
    EXPECT_EQ(jovana, form.EmployeeID());
    EXPECT_TRUE(dm.ComposingCredits()) << "no set yet: a new one is started";
    EXPECT_TRUE(form.TemplateAction->isEnabled());
    EXPECT_FALSE(form.ApplyAction->isEnabled()) << "nothing to apply in an empty list";

    form.reject();
    EXPECT_EQ(1, c->scalar(QStringLiteral("SELECT COUNT(*) FROM salarycredit")).toInt());
}

TEST_F(CreditEditor, TheOptionReservesNewSetsForTheDocumentButALineMayStillMakeThem) {
    dm.Options.ChangeDeductionOnlyFromSalaryCalculation = true;
    {
        TCreditRatesForm fromList(dm, messages);
        EXPECT_FALSE(fromList.NewItemsAction->isEnabled());
        EXPECT_FALSE(fromList.DeactivateAction->isEnabled());
    }
    TCreditRatesForm fromLine(dm, messages, petar, petarSet);
    EXPECT_FALSE(fromLine.EmployeeCB->isEnabled());
    EXPECT_EQ(1, fromLine.EmployeeCB->count());
    EXPECT_TRUE(fromLine.NewItemsAction->isEnabled());
    fromLine.NewItemsAction->trigger();
    EXPECT_TRUE(fromLine.ApplyAction->isEnabled());
    fromLine.ApplyAction->trigger();
    EXPECT_NE(petarSet, dm.CreditRatesSetKey());
    EXPECT_TRUE(dm.Options.ChangeDeductionOnlyFromSalaryCalculation) << "the option itself is left as it was";
}

TEST_F(CreditEditor, TheSummaryPrintHasItsTitleAndTheDocumentsMonth) {
    c->exec(QStringLiteral("INSERT INTO salary (salarytype, year, month, paymentdate, status) VALUES ('Z', 2025, 4, '2025-05-10', 'n')"));
    c->exec(QStringLiteral("INSERT INTO salaryitem (salaryid, employeeid, salarycreditid, salaryvalue, paymentdecreasedvalue) "
                           "VALUES (?, ?, ?, 90000, 65000)"),
            {c->lastInsertId(), petar, petarSet});
    dm.SalarySearch({});
    dm.SalaryItemsOpen();
    QTemporaryDir dir;
    TReportEngine engine(nullptr, c);
    engine.renderToPdf(dir.filePath(QStringLiteral("obustave.pdf")));

    SalaryDeductionsPrint(dm, messages, TSalaryDM::TCreditsPrint::Summary, nullptr, &engine);
    EXPECT_EQ(QStringLiteral("Obustave zbirno 4.2025."), engine.LastReport().title);
    EXPECT_EQ(1, engine.LastPageCount());
    EXPECT_TRUE(messages.shown.empty());
}
