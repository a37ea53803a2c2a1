// Pictures of every editor form over a real database, for people to look
// at (not compared): set ZARADE_SHOT_DB to a database URL holding a regular
// document with lines, a sick-leave and a transport document, and
// ZARADE_SHOT_DIR to the folder for the PNG files. Skipped otherwise.

#include "EditorFixture.h"
#include "LineTraceView.h"
#include "SalaryCoefficientUnit.h"
#include "SalaryComparisonUnit.h"
#include "SalaryDetailUnit.h"
#include "SalaryDifferenceUnit.h"
#include "SalaryEmployeeUnit.h"
#include "SalarySickDetailUnit.h"
#include "SalaryTransportDetailUnit.h"
#include "DocumentComparison.h"
#include "db/Connection.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QPixmap>
#include <QTabWidget>

namespace {

void Shoot(QWidget& widget, const QString& name) {
    widget.show();
    QApplication::processEvents();
    widget.grab().save(QDir(qEnvironmentVariable("ZARADE_SHOT_DIR")).filePath(name + QStringLiteral(".png")));
}

// The newest document of the type, current in SalaryZQ.
bool ShowNewest(TSalaryDM& dm, Connection& c, const char* type) {
    const QVariant id = c.scalar(QStringLiteral("SELECT MAX(salaryid) FROM salary WHERE salarytype = ?"),
                                 {QLatin1String(type)});
    if (id.isNull())
        return false;
    dm.SalaryZQ->close();
    dm.SalaryZQ->setSQL(QStringLiteral("SELECT DISTINCT s.* FROM salary AS s WHERE s.salaryid = :salaryid"));
    dm.SalaryZQ->setParam(QStringLiteral("salaryid"), id);
    dm.SalaryZQ->open();
    return true;
}

}  // namespace

TEST(EditorScreenshots, EveryFormOnTheGivenDatabase) {
    const QString url = qEnvironmentVariable("ZARADE_SHOT_DB");
    if (url.isEmpty() || qEnvironmentVariable("ZARADE_SHOT_DIR").isEmpty())
        GTEST_SKIP() << "ZARADE_SHOT_DB and ZARADE_SHOT_DIR are not set";
    Connection c;
    c.open(*DbUrl::parse(url));
    TSalaryDM dm;
    EditorTestConsole console;
    console.messages.setPolicy(ScriptedMessages::AnswerPolicy::No);
    dm.ConnectForEditing(c, console.messages);

    ASSERT_TRUE(ShowNewest(dm, c, "Z"));
    {
        TSalaryDetailForm form(dm, console);
        form.ShowTaxRates = [](QWidget*) {};
        form.UpdateActions();
        Shoot(form, QStringLiteral("detail"));
        form.PrintMenu->popup(form.mapToGlobal(QPoint(0, 0)));
        QApplication::processEvents();
        form.PrintMenu->grab().save(QDir(qEnvironmentVariable("ZARADE_SHOT_DIR")).filePath(QStringLiteral("print-menu.png")));
        form.PrintMenu->hide();
        dm.SalaryItemZQ->first();
        const qint64 line = dm.SalaryItemZQ->fieldByName(QStringLiteral("salaryitemid"))->asLargeInt();
        TSalaryEmployeeForm panel(dm, console.messages, true);
        panel.setWindowTitle(panel.windowTitle() + QStringLiteral(" - ")
                             + dm.SalaryItemZQ->fieldByName(QStringLiteral("lastname"))->asString());
        Shoot(panel, QStringLiteral("employee"));
        panel.Tabs->setCurrentWidget(panel.TraceView);
        Shoot(panel, QStringLiteral("employee-trace"));
        const qint64 document = dm.SalaryZQ->fieldByName(QStringLiteral("salaryid"))->asLargeInt();
        if (const qint64 previous = PreviousPostedDocument(c, document)) {
            TSalaryComparisonForm comparison(dm, document, previous);
            Shoot(comparison, QStringLiteral("comparison"));
        }
        dm.DifferencesOpen(line);
        TSalaryDifferenceForm difference(dm, console.messages, line);
        Shoot(difference, QStringLiteral("difference"));
        dm.CoefficientsOpen(line);
        TSalaryCoefficientForm coefficient(dm, console.messages, line);
        Shoot(coefficient, QStringLiteral("coefficient"));
        form.CustomCancel->trigger();
    }
    if (ShowNewest(dm, c, "B")) {
        TSalarySickDetailForm sick(dm, console);
        Shoot(sick, QStringLiteral("sick"));
        sick.CustomCancel->trigger();
    }
    if (ShowNewest(dm, c, "P")) {
        TSalaryTransportDetailForm transport(dm, console);
        Shoot(transport, QStringLiteral("transport"));
        transport.CustomCancel->trigger();
    }
}
