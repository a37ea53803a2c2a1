#include "EditorFixture.h"

#include "ReportEngine.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>

// The editor's print menu: every entry it shows works, each print stores the
// document first and prints what is stored.

namespace {

struct DetailPrints : EditorFixture {
    QTemporaryDir dir;

    QAction* entry(const char* name) { return form->PrintMenu->findChild<QAction*>(QLatin1String(name)); }

    // Every action of the menu and its submenus, as the user reaches them.
    QList<QAction*> reachable(QMenu* menu) {
        QList<QAction*> actions;
        for (QAction* action : menu->actions()) {
            if (!action->isVisible() || action->isSeparator())
                continue;
            if (action->menu())
                actions += reachable(action->menu());
            else
                actions << action;
        }
        return actions;
    }
};

TEST_F(DetailPrints, EveryEntryShownWorksAndPrintsTheStoredDocument) {
    OpenWithAllEmployees();
    emit form->PrintMenu->aboutToShow();
    const QList<QAction*> entries = reachable(form->PrintMenu);
    EXPECT_GE(entries.size(), 15);
    for (QAction* action : entries)
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString() << " is shown but does nothing";
    // No net decrease, a regular document: neither print of the other kind shows.
    EXPECT_FALSE(entry("SalaryPrintRecapitulationNotDecreasedNet")->isVisible());
    EXPECT_FALSE(entry("SalaryPrintTransportPaymentLists")->isVisible());
    EXPECT_TRUE(entry("SalaryPrintPaymentLists")->isVisible());

    // An unsaved edit is stored before the print reads the lines.
    dm.SalaryItemZQ->edit();
    dm.SalaryItemZQ->fieldByName(QStringLiteral("workinghours"))->setAsFloat(100);
    dm.SalaryItemZQ->post();
    ASSERT_TRUE(dm.SalaryModified());
    TReportEngine engine;
    const QString pdf = dir.filePath(QStringLiteral("spisak.pdf"));
    engine.renderToPdf(pdf);
    form->SetReportEngine(&engine);
    entry("SalaryPrintSalaryList")->trigger();
    EXPECT_FALSE(dm.SalaryModified());
    EXPECT_EQ(100, c->scalar(QStringLiteral("SELECT MIN(workinghours) FROM salaryitem WHERE salaryid = ?"), {salaryid}).toDouble());
    EXPECT_GT(QFileInfo(pdf).size(), 1000);
    EXPECT_EQ(3, dm.PaymentListsItemCDS->recordCount());
    EXPECT_TRUE(messages.refusals().isEmpty()) << messages.refusals().toStdString();

    // The spreadsheet goes where the user says.
    const QString sheet = dir.filePath(QStringLiteral("Rekapitulacija-5-2025.xlsx"));
    messages.answerFileName(sheet);
    entry("SalaryPrintRecapitulationToExcel")->trigger();
    EXPECT_GT(QFileInfo(sheet).size(), 1000);
}

TEST_F(DetailPrints, TheUndecreasedRecapitulationShowsOnlyWithANetDecrease) {
    OpenWithAllEmployees();
    dm.SalaryZQ->edit();
    dm.SalaryZQ->fieldByName(QStringLiteral("netdecreasepercent"))->setAsFloat(10);
    dm.SalaryZQ->post();
    emit form->PrintMenu->aboutToShow();
    EXPECT_TRUE(entry("SalaryPrintRecapitulationNotDecreasedNet")->isVisible());
}

}  // namespace
