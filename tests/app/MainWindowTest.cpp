#include "DBIniFile.h"
#include "HostOptionsDialog.h"
#include "MainWindow.h"
#include "QStringPrinter.h"
#include "SalaryOptions.h"
#include "ScriptedMessages.h"
#include "SecurityModule.h"
#include "TestDatabase.h"

#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>

#include <gtest/gtest.h>

namespace {

// The host window on a test database, as the application starts it.
struct HostOnTestDatabase {
    TestDatabase db;
    ScriptedMessages messages{ScriptedMessages::AnswerPolicy::Fail};
    TMainWindow window{&messages};
    std::unique_ptr<TSecurityModule> security;

    HostOnTestDatabase() {
        db.open();
        security = std::make_unique<TSecurityModule>(db.url(), messages);
        window.SetSecurityModule(security.get());
    }
    ~HostOnTestDatabase() { window.UnloadModule(); }

    TSalaryOptions Stored() { return ReadSalaryOptions(TDBIniFile(db.connection())); }
};

QString StatusText(const TMainWindow& window) {
    QStringList texts;
    for (const QLabel* label : window.statusBar()->findChildren<QLabel*>())
        texts << label->text();
    return texts.join(QLatin1Char('|'));
}

}  // namespace

TEST(MainWindow, ShowsTheModulesListSearchPanelAndCommandsOnceLoadedAndTakesThemBackOnUnload) {
    REQUIRE_TEST_DATABASE();
    HostOnTestDatabase host;
    ASSERT_TRUE(host.window.LoadModule(QStringLiteral(ZARADE_TEST_MODULE)));
    ASSERT_NE(nullptr, host.window.Snapin());
    EXPECT_TRUE(host.messages.shown.empty());

    EXPECT_TRUE(host.security->DatabaseConnection()->isConnected()) << "the viewer's Load connected the database";
    EXPECT_NE(nullptr, host.window.ViewerArea()->findChild<QWidget*>(QStringLiteral("SalaryViewerForm")));
    EXPECT_NE(nullptr, host.window.NavigatorPane()->findChild<QWidget*>(QStringLiteral("SalaryNavigatorForm")));
    ASSERT_NE(nullptr, host.window.ViewerGrid());
    EXPECT_FALSE(host.window.ModuleMenu()->actions().isEmpty()) << "the module's commands are in the host's menu";
    EXPECT_TRUE(StatusText(host.window).contains(QStringLiteral("Upravljanje zaradama")));
    EXPECT_TRUE(StatusText(host.window).contains(QStringLiteral("Baza: ")));

    host.window.UnloadModule();
    EXPECT_EQ(nullptr, host.window.Snapin());
    EXPECT_EQ(nullptr, host.window.ViewerGrid());
    EXPECT_EQ(nullptr, host.window.ViewerArea()->findChild<QWidget*>(QStringLiteral("SalaryViewerForm")));
}

TEST(MainWindow, AMissingModuleIsReportedAndTheWindowGoesOnWithoutIt) {
    ScriptedMessages messages;
    TMainWindow window(&messages);
    EXPECT_FALSE(window.LoadModule(QStringLiteral("/nonexistent/plugins/zarade_salary.so")));
    ASSERT_EQ(1u, messages.shown.size());
    EXPECT_EQ(MessageKind::Error, messages.shown[0].kind);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("Modul zarada nije učitan")));
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("/nonexistent/plugins/zarade_salary.so")));
    EXPECT_EQ(nullptr, window.Snapin());
    EXPECT_TRUE(StatusText(window).contains(QStringLiteral("Modul zarada nije učitan")));
    // The options dialog still opens, with the host's page only.
    EXPECT_EQ(1, window.CreateOptionsDialog()->PageControl->count());
}

TEST(MainWindow, AFailedConnectionIsReportedAndTheModuleRunsWithoutData) {
    ScriptedMessages messages;
    TMainWindow window(&messages);
    TSecurityModule security(QStringLiteral("mysql://nobody:x@127.0.0.1:1/zarade"), messages);
    window.SetSecurityModule(&security);
    ASSERT_TRUE(window.LoadModule(QStringLiteral(ZARADE_TEST_MODULE)));
    ASSERT_EQ(1u, messages.shown.size());
    EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("Veza sa bazom podataka nije uspostavljena.")));
    EXPECT_FALSE(security.DatabaseConnection()->isConnected());
    EXPECT_TRUE(StatusText(window).contains(QStringLiteral("Nema veze sa bazom: mysql://nobody@127.0.0.1:1/zarade")));
    window.UnloadModule();
}

TEST(HostOptionsDialog, ShowsTheModulesPageAndStoresItOnlyOnOk) {
    REQUIRE_TEST_DATABASE();
    HostOnTestDatabase host;
    ASSERT_TRUE(host.window.LoadModule(QStringLiteral(ZARADE_TEST_MODULE)));
    const TSalaryOptions before = host.Stored();

    {
        auto dialog = host.window.CreateOptionsDialog();
        ASSERT_EQ(2, dialog->PageControl->count());
        auto* roundTaxes = dialog->PageControl->widget(1)->findChild<QCheckBox*>(QStringLiteral("RoundTaxesCB"));
        ASSERT_NE(nullptr, roundTaxes);
        roundTaxes->setChecked(true);
        dialog->CancelButton->click();
        EXPECT_EQ(QDialog::Rejected, dialog->result());
    }
    EXPECT_EQ(before, host.Stored());

    QPointer<QWidget> page;
    {
        auto dialog = host.window.CreateOptionsDialog();
        page = dialog->PageControl->widget(1);
        QWidget* frame = page.data();
        EXPECT_FALSE(frame->findChild<QCheckBox*>(QStringLiteral("RoundTaxesCB"))->isChecked());
        frame->findChild<QCheckBox*>(QStringLiteral("RoundTaxesCB"))->setChecked(true);
        frame->findChild<QSpinBox*>(QStringLiteral("PaidLeaveCoefSE"))->setValue(90);
        dialog->OKButton->click();
        EXPECT_EQ(QDialog::Accepted, dialog->result());
    }
    EXPECT_TRUE(page.isNull()) << "the module frees its page when the dialog closes";
    TSalaryOptions expected = before;
    expected.RoundTaxes = true;
    expected.PaidLeaveCoef = 90;
    EXPECT_EQ(expected, host.Stored());

    // A new dialog opens from the same store; it survives its module being unloaded.
    auto dialog = host.window.CreateOptionsDialog();
    EXPECT_TRUE(dialog->PageControl->widget(1)->findChild<QCheckBox*>(QStringLiteral("RoundTaxesCB"))->isChecked());
    host.window.UnloadModule();
    dialog->OKButton->click();
    dialog.reset();
}

TEST(MainWindow, OpensTheEmployeeRegisterOnAnOpenDatabase) {
    REQUIRE_TEST_DATABASE();
    HostOnTestDatabase host;
    auto* employees = host.window.findChild<QAction*>(QStringLiteral("EmployeesAction"));
    ASSERT_NE(nullptr, employees);

    bool connectedWhenOpened = false;
    host.window.SetEmployeeRegister(
        [&] { connectedWhenOpened = host.security->DatabaseConnection()->isConnected(); });
    employees->trigger();
    EXPECT_TRUE(connectedWhenOpened) << "the register opens only once the database is open";
    EXPECT_TRUE(StatusText(host.window).contains(QStringLiteral("Baza: ")));
}
