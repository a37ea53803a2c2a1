#include "ConnectionDialog.h"
#include "HostOptionsDialog.h"
#include "MainWindow.h"
#include "ReportEngine.h"
#include "ScriptedMessages.h"
#include "SecurityModule.h"
#include "db/DefaultDatabase.h"
#include "db/SqlQuery.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Pictures of the windows for people to look at (never compared by a test):
// set ZARADE_SCREENSHOT_DIR, and ZARADE_SCREENSHOT_DB to a database with data
// (for example the demo database of scripts/run).
QString ShotDir() { return qEnvironmentVariable("ZARADE_SCREENSHOT_DIR"); }

void Save(QWidget* widget, const QString& name) {
    QApplication::processEvents();
    widget->grab().save(QDir(ShotDir()).filePath(name + QStringLiteral(".png")));
}

// Runs `open`, which shows a modal window or a popup menu, grabs that and closes it.
void GrabModal(const QString& name, const std::function<void()>& open) {
    QTimer::singleShot(300, [name] {
        QWidget* modal = QApplication::activePopupWidget();
        if (!modal)
            modal = QApplication::activeModalWidget();
        if (modal) {
            Save(modal, name);
            modal->close();
        }
    });
    open();
}

}  // namespace

TEST(Screenshots, OfTheHostWindowItsDialogsAndAReport) {
    if (ShotDir().isEmpty() || qEnvironmentVariableIsEmpty("ZARADE_SCREENSHOT_DB"))
        GTEST_SKIP() << "set ZARADE_SCREENSHOT_DIR and ZARADE_SCREENSHOT_DB to take the pictures";
    QDir().mkpath(ShotDir());
    ScriptedMessages messages{ScriptedMessages::AnswerPolicy::No};
    TMainWindow window(&messages);
    TSecurityModule security(qEnvironmentVariable("ZARADE_SCREENSHOT_DB"), messages);
    window.SetSecurityModule(&security);
    window.resize(1280, 760);
    window.show();
    ASSERT_TRUE(window.LoadModule(QStringLiteral(ZARADE_TEST_MODULE)));
    Save(&window, QStringLiteral("main-window"));
    // A search with no keys lists every document.
    if (auto* find = window.findChild<QPushButton*>(QStringLiteral("FindButton")))
        find->click();
    Save(&window, QStringLiteral("main-window-found"));
    // The newest document in its editor, opened from the list as a user does.
    if (auto* edit = window.findChild<QAction*>(QStringLiteral("SalaryEdit")))
        GrabModal(QStringLiteral("editor-from-list"), [edit] { edit->trigger(); });

    auto* reports = window.findChild<QAction*>(QStringLiteral("SalaryReports"));
    ASSERT_NE(nullptr, reports);
    GrabModal(QStringLiteral("reports-menu"), [reports] { reports->menu()->exec(QPoint(300, 100)); });

    auto options = window.CreateOptionsDialog();
    options->resize(options->sizeHint());
    options->show();
    Save(options.get(), QStringLiteral("host-options"));
    options->close();

    auto* moduleOptions = window.findChild<QAction*>(QStringLiteral("SalaryOptions"));
    ASSERT_NE(nullptr, moduleOptions);
    GrabModal(QStringLiteral("module-options"), [moduleOptions] { moduleOptions->trigger(); });

    TConnectionDialog firstRun(DefaultDatabaseUrl());
    firstRun.setWindowTitle(QStringLiteral("Zarade - izbor baze podataka"));
    firstRun.show();
    Save(&firstRun, QStringLiteral("first-run"));
    firstRun.ServerRB->setChecked(true);
    firstRun.TestConnection();
    Save(&firstRun, QStringLiteral("first-run-server"));

    TSqlQuery employees(QStringLiteral("EmployeeZQ"));
    employees.setConnection(security.DatabaseConnection());
    employees.setSQL(QStringLiteral("SELECT code, firstname, lastname, personalidentificator, organizationunit, "
                                    "vocation, arrangedsalaryvalue, account FROM employee ORDER BY code"));
    employees.open();
    const QStringList labels{"Šifra", "Ime", "Prezime", "JMBG", "Org. jedinica", "Radno mesto", "Ugovoreni bruto",
                             "Račun"};
    for (int i = 0; i < employees.fieldCount(); ++i)
        employees.field(i)->setDisplayLabel(labels.value(i));
    employees.fieldByName(QStringLiteral("arrangedsalaryvalue"))->setDisplayFormat(QStringLiteral("#,##0.00"));
    TReportEngine engine(&window, security.DatabaseConnection());
    GrabModal(QStringLiteral("report-preview"), [&] {
        engine.ExecuteDataSetReport(QStringLiteral("Zaposleni"), &employees, {});
    });
    engine.renderToPdf(QDir(ShotDir()).filePath(QStringLiteral("report.pdf")));
    engine.ExecuteDataSetReport(QStringLiteral("Zaposleni"), &employees, {});
    EXPECT_GE(engine.LastPageCount(), 1);
    window.UnloadModule();
}
