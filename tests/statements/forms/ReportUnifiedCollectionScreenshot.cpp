// A picture of the PPP-PD form over a real database and its print, for
// people to look at (not compared): set ZARADE_SHOT_DB to a database URL
// whose newest posted document has its return built, and ZARADE_SHOT_DIR to
// the folder for the PNG and PDF files. Skipped otherwise.

#include "ReportEngine.h"
#include "ReportUnifiedCollectionUnit.h"
#include "SalaryDM.h"
#include "ScriptedMessages.h"
#include "db/Connection.h"
#include "db/DataSetTableModel.h"
#include "db/DbUrl.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>

#include <gtest/gtest.h>

TEST(ReportUnifiedCollectionScreenshot, TheNewestPaidMonth) {
    const QString url = qEnvironmentVariable("ZARADE_SHOT_DB");
    if (url.isEmpty() || qEnvironmentVariable("ZARADE_SHOT_DIR").isEmpty())
        GTEST_SKIP() << "ZARADE_SHOT_DB and ZARADE_SHOT_DIR are not set";
    Connection c;
    c.open(*DbUrl::parse(url));
    ScriptedMessages messages(ScriptedMessages::AnswerPolicy::No);
    TSalaryDM dm;
    dm.ConnectForEditing(c, messages);
    const QDate paid = c.scalar(QStringLiteral("SELECT MAX(paymentdate) FROM salary WHERE status = 'p'")).toDate();
    TReportUnifiedCollectionForm form(dm, messages, nullptr);
    form.YearCB->setCurrentText(QString::number(paid.year()));
    form.MonthCB->setCurrentIndex(paid.month() - 1);
    form.show();
    QApplication::processEvents();
    const QDir shots(qEnvironmentVariable("ZARADE_SHOT_DIR"));
    form.grab().save(shots.filePath(QStringLiteral("ppp-pd.png")));
    form.grid()->horizontalScrollBar()->setValue(form.grid()->horizontalScrollBar()->maximum());
    form.grab().save(shots.filePath(QStringLiteral("ppp-pd-right.png")));
    EXPECT_GT(form.model()->rowCount(), 0);
    TReportEngine engine;
    engine.renderToPdf(shots.filePath(QStringLiteral("ppp-pd.pdf")));
    form.setReportEngine(&engine);
    form.findChild<QPushButton*>(QStringLiteral("PrintButton"))->click();
}
