#include "DBControls.h"
#include "LineTraceView.h"
#include "SalaryComparisonUnit.h"
#include "EditorFixture.h"
#include "SalaryDetailUnit.h"
#include "SalaryDifferenceUnit.h"
#include "SalaryEmployeeUnit.h"

#include <QAction>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>

namespace {

struct Panels : EditorFixture {
    void SetUp() override {
        EditorFixture::SetUp();
        if (!IsSkipped())
            OpenWithAllEmployees();
    }
    qint64 LineKey() { return dm.SalaryItemZQ->fieldByName(QStringLiteral("salaryitemid"))->asLargeInt(); }
};

}  // namespace

TEST_F(Panels, DifferencesAreCarriedIntoTheLineOnOkAndDroppedOnCancel) {
    const double gross = Line("salaryvalue");
    dm.DifferencesOpen(LineKey());
    {
        TSalaryDifferenceForm cancelled(dm, messages, LineKey());
        EXPECT_EQ(QStringLiteral("Razlika"), cancelled.windowTitle());
        dm.SalaryItemDifferenceZQ->append();
        dm.SalaryItemDifferenceZQ->fieldByName(QStringLiteral("differencename"))->setAsString(QStringLiteral("Bonus"));
        dm.SalaryItemDifferenceZQ->fieldByName(QStringLiteral("differencevalue"))->setAsFloat(1000);
        cancelled.CancelButton->click();
    }
    EXPECT_EQ(0, c->scalar(QStringLiteral("SELECT COUNT(*) FROM salaryitemdifference")).toInt());
    EXPECT_EQ(0.0, Line("difference"));

    dm.DifferencesOpen(LineKey());
    TSalaryDifferenceForm form(dm, messages, LineKey());
    for (const double value : {100.004, 200.004}) {
        dm.SalaryItemDifferenceZQ->append();
        dm.SalaryItemDifferenceZQ->fieldByName(QStringLiteral("differencename"))->setAsString(QStringLiteral("Bonus"));
        dm.SalaryItemDifferenceZQ->fieldByName(QStringLiteral("differencevalue"))->setAsFloat(value);
    }
    form.OKButton->click();
    EXPECT_EQ(2, c->scalar(QStringLiteral("SELECT COUNT(*) FROM salaryitemdifference WHERE salaryitemid = ?"),
                           {LineKey()}).toInt())
        << "rows made before they knew their line got its key";
    EXPECT_EQ(300.0, Line("difference"));
    EXPECT_GT(Line("salaryvalue"), gross);
}

TEST_F(Panels, TheEmployeePanelEditsTheLineAndFollowsItsRecalculation) {
    TSalaryEmployeeForm panel(dm, messages, true);
    EXPECT_EQ(32, panel.Edits.size());
    EXPECT_TRUE(panel.Edits.value(QStringLiteral("code"))->isReadOnly());
    EXPECT_FALSE(panel.Edits.value(QStringLiteral("workinghours"))->isReadOnly());
    EXPECT_EQ(QStringLiteral("001"), panel.Edits.value(QStringLiteral("code"))->text());

    const double fullMonth = Line("regularwork");
    TDBEdit* hours = panel.Edits.value(QStringLiteral("workinghours"));
    hours->setText(QStringLiteral("84"));
    hours->setModified(true);
    emit hours->editingFinished();
    EXPECT_NEAR(fullMonth / 2, Line("regularwork"), 0.01);
    EXPECT_EQ(dm.SalaryItemZQ->fieldByName(QStringLiteral("regularwork"))->displayText(),
              panel.Edits.value(QStringLiteral("regularwork"))->text());

    panel.reject();
    EXPECT_NEAR(fullMonth, Line("regularwork"), 0.01) << "closing without OK drops the edit";

    // Computed from other fields: shown, never typed into, and looking so.
    const QColor typed = hours->palette().color(QPalette::Base);
    for (const char* column : {"incrementperc", "decrementperc", "credits"}) {
        TDBEdit* edit = panel.Edits.value(QLatin1String(column));
        EXPECT_TRUE(edit->isReadOnly()) << column;
        EXPECT_NE(typed, edit->palette().color(QPalette::Base)) << column;
        const double before = Line(column);
        edit->setText(QStringLiteral("10"));
        edit->setModified(true);
        emit edit->editingFinished();
        EXPECT_EQ(before, Line(column)) << column;
    }

    TSalaryEmployeeForm posted(dm, messages, false);
    EXPECT_TRUE(posted.Edits.value(QStringLiteral("workinghours"))->isReadOnly());
    EXPECT_FALSE(posted.CreditsButton->isEnabled());
}

TEST_F(Panels, TheTabObracunShowsTheStepsOfTheLineAsTypedAndWritesNothing) {
    TSalaryEmployeeForm panel(dm, messages, true);
    const double fullMonth = Line("regularwork");
    TDBEdit* hours = panel.Edits.value(QStringLiteral("workinghours"));
    hours->setText(QStringLiteral("84"));
    hours->setModified(true);
    emit hours->editingFinished();
    panel.Tabs->setCurrentWidget(panel.TraceView);
    const QAbstractItemModel& steps = *panel.TraceView->Grid->model();
    ASSERT_LT(10, steps.rowCount());
    const int last = steps.rowCount() - 1;
    EXPECT_EQ(QStringLiteral("Za isplatu"), steps.index(last, 0).data().toString());
    EXPECT_EQ(dm.SalaryItemZQ->fieldByName(QStringLiteral("paymentnetvalue"))->displayText(),
              steps.index(last, 1).data().toString());
    panel.reject();
    EXPECT_NEAR(fullMonth, Line("regularwork"), 0.01);
}

TEST_F(Panels, TheComparisonNeedsAnEarlierPostedMonthAndListsTheLargestChangeFirst) {
    EXPECT_EQ(QString(), ModalOpenedBy([this] { form->SalaryComparison->trigger(); }));
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_TRUE(messages.shown.back().text.startsWith(QStringLiteral("Nema ranije proknjižene zarade")));

    const qint64 april = AddDocument(QStringLiteral("B"), QStringLiteral("p"));
    c->exec(QStringLiteral("UPDATE salary SET salarytype = 'Z', month = 4 WHERE salaryid = ?"), {april});
    EXPECT_EQ(QStringLiteral("TSalaryComparisonForm"), ModalOpenedBy([this] { form->SalaryComparison->trigger(); }));
    TSalaryComparisonForm comparison(dm, salaryid, april);
    const QAbstractItemModel& rows = *comparison.Sorted;
    ASSERT_EQ(3, rows.rowCount());
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(QStringLiteral("novi"), rows.index(row, 3).data().toString());
    const auto net = [&](int row) { return rows.index(row, 9).data().toString().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(); };
    EXPECT_GE(net(0), net(1));
    EXPECT_GE(net(1), net(2));
    EXPECT_LT(0, net(2));
}
