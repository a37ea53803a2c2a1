#include "DBIniFile.h"
#include "QStringPrinter.h"
#include "SalaryDM.h"
#include "SalaryNavigatorUnit.h"
#include "SalaryPackage.h"
#include "SalarySnapin.h"
#include "SalaryViewerUnit.h"
#include "ShellTestConsole.h"
#include "TestDatabase.h"

#include <QTableView>
#include <QVBoxLayout>

#include <gtest/gtest.h>

TEST(SalarySnapin, TheFactoryMakesOneSnapinOverTheModulesListAndRemembersTheConsole) {
    TSalaryPackage package;
    ShellTestConsole console;
    EXPECT_EQ(nullptr, package.GlobalConsole());

    ISnapin* snapin = package.Factory().CreateSnapin(console);
    ASSERT_NE(nullptr, snapin);
    EXPECT_EQ(&console, package.GlobalConsole());
    EXPECT_EQ(snapin, package.Factory().CreateSnapin(console)) << "a second request gets the same snap-in";

    EXPECT_EQ(static_cast<TDataSet*>(package.SalaryDM().SalaryZQ), snapin->GetDataSet());
    EXPECT_NE(nullptr, snapin->GetViewer());
    EXPECT_NE(nullptr, snapin->GetNavigator());
    EXPECT_NE(nullptr, snapin->GetOptionsPage());
}

TEST(SalarySnapin, LoadWithoutTheSecurityModuleSaysSoAndLeavesTheModuleWithoutData) {
    TSalaryPackage package;
    ShellTestConsole console;
    ISnapin* snapin = package.Factory().CreateSnapin(console);

    snapin->GetViewer()->Load(*snapin);

    ASSERT_EQ(1u, console.messages.shown.size());
    EXPECT_EQ(MessageKind::Error, console.messages.shown[0].kind);
    EXPECT_EQ(QStringLiteral("Modul \"Sigurnost\" nije učitan."), console.messages.shown[0].text);
    EXPECT_EQ(nullptr, package.SalaryDM().ZConnection());
}

TEST(SalarySnapin, LoadConnectsTheDataModuleOnceAndReadsTheOptions) {
    REQUIRE_TEST_DATABASE();
    TestDatabase db;
    Connection& connection = db.open();
    TDBIniFile store(connection);
    store.WriteInteger(SalarySection, QStringLiteral("SickCoef"), 70);
    store.WriteBool(MailClientSection, QStringLiteral("Outlook"), true);

    TSalaryPackage package;
    ShellTestConsole console;
    ShellTestSecurity security(connection);
    console.modules.insert(QString::fromLatin1(IID_ISecurityModule), &security);
    ISnapin* snapin = package.Factory().CreateSnapin(console);
    TSalaryDM& dm = package.SalaryDM();

    snapin->GetViewer()->Load(*snapin);
    EXPECT_EQ(&connection, dm.ZConnection());
    EXPECT_EQ(1, security.connects);
    EXPECT_EQ(70, dm.Options.SickCoef);
    EXPECT_TRUE(dm.Options.Outlook);
    EXPECT_TRUE(dm.SalaryZQ->active()) << "the list holds its initial query";
    EXPECT_EQ(0, dm.SalaryZQ->recordCount());

    snapin->GetViewer()->Load(*snapin);
    EXPECT_EQ(1, security.connects) << "a connected module is not connected again";
    EXPECT_TRUE(console.messages.shown.empty());
}

TEST(SalarySnapin, ShowingTheViewerHandsItsGridToTheConsoleAndHidingTakesItBack) {
    TSalaryPackage package;
    ShellTestConsole console;
    ISnapin* snapin = package.Factory().CreateSnapin(console);
    QWidget area;
    area.setLayout(new QVBoxLayout);

    QWidget* frame = snapin->GetViewer()->Show(&area);
    ASSERT_NE(nullptr, frame);
    EXPECT_EQ(&area, frame->parentWidget());
    auto* viewer = static_cast<TSalaryViewer*>(snapin->GetViewer());
    EXPECT_EQ(viewer->Form()->DBG, console.viewerGrid.data());
    EXPECT_FALSE(snapin->GetViewer()->GetActionList().isEmpty());

    snapin->GetViewer()->Hide();
    EXPECT_EQ(nullptr, console.viewerGrid.data());
    EXPECT_EQ(nullptr, frame->parentWidget()) << "the host's window never owns the module's frame";
    EXPECT_EQ(frame, snapin->GetViewer()->Show(&area)) << "the frame is made once";

    QWidget pane;
    pane.setLayout(new QVBoxLayout);
    QWidget* search = snapin->GetNavigator()->ShowNavigator(&pane);
    EXPECT_NE(nullptr, qobject_cast<TSalaryNavigatorForm*>(search));
    EXPECT_EQ(&pane, search->parentWidget());
}
