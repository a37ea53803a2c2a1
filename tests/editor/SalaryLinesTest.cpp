#include "EditorFixture.h"
#include "LineDeductionSet.h"
#include "SalaryDetailUnit.h"
#include "SalaryLineBulkEdits.h"
#include "SalaryLineModel.h"
#include "SalaryLineOrder.h"
#include "db/Connection.h"

#include <QAction>
#include <QApplication>
#include <QColor>
#include <QTableView>
#include <QSqlQuery>
#include <QTest>
#include <QToolBar>

namespace {

struct Lines : EditorFixture {
    void SetUp() override {
        EditorFixture::SetUp();
        if (!IsSkipped())
            OpenWithAllEmployees();
    }

    QStringList CodesInOrder() {
        QStringList codes;
        for (int row = 0; row < dm.SalaryItemZQ->recordCount(); ++row)
            codes << dm.SalaryItemZQ->valueAt(row, dm.SalaryItemZQ->fieldByName(QStringLiteral("code"))->index())
                         .toString();
        return codes;
    }
    QString Code() { return dm.SalaryItemZQ->fieldByName(QStringLiteral("code"))->asString(); }
    void SetLine(const char* column, double value) {
        dm.SalaryItemZQ->edit();
        dm.SalaryItemZQ->fieldByName(QLatin1String(column))->setAsFloat(value);
        dm.SalaryItemZQ->post();
    }
};

}  // namespace

TEST_F(Lines, MovingSwapsNeighboursAndStopsAtTheEnds) {
    dm.SalaryItemZQ->first();
    SalaryItemMove(dm, -1);
    EXPECT_EQ((QStringList{"001", "002", "003"}), CodesInOrder()) << "the first line does not move up";
    SalaryItemMove(dm, +1);
    EXPECT_EQ((QStringList{"002", "001", "003"}), CodesInOrder());
    EXPECT_EQ(QStringLiteral("001"), Code()) << "the moved line stays current";
    SalaryItemMove(dm, +1);
    SalaryItemMove(dm, +1);
    EXPECT_EQ((QStringList{"002", "003", "001"}), CodesInOrder()) << "the last line does not move down";
    ASSERT_TRUE(form->Apply());
    EXPECT_EQ(3, c->scalar(QStringLiteral("SELECT sort FROM salaryitem AS si JOIN employee AS e "
                                          "ON e.employeeid = si.employeeid WHERE e.code = '001'")).toInt());
}

TEST_F(Lines, OneLineIsDeletedFromTheGridAfterTheHostsQuestionAndTheOrderClosesUp) {
    ASSERT_NE(nullptr, form->ActionTB->widgetForAction(form->ItemDelete)) << "a toolbar button";
    form->show();
    QApplication::setActiveWindow(form.get());
    QTableView* grid = form->SalaryItemDBG;
    grid->setFocus();
    const int hours = form->LineModel->columnOf(QStringLiteral("workinghours"));
    grid->setCurrentIndex(form->LineModel->index(1, hours));
    ASSERT_EQ(QStringLiteral("002"), Code());

    messages.answerNo();
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
    ASSERT_EQ(1u, messages.shown.size()) << "Ctrl+Del in the grid asks";
    EXPECT_EQ(QStringLiteral("Da li ste sigurni da želite da izbrišete zapis?"), messages.shown[0].text);
    EXPECT_EQ((QStringList{"001", "002", "003"}), CodesInOrder());

    messages.answerYes();
    QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ((QStringList{"001", "003"}), CodesInOrder());
    EXPECT_EQ(QStringLiteral("003"), Code()) << "the next line is current";
    EXPECT_EQ(form->LineModel->index(1, hours), grid->currentIndex());
    EXPECT_EQ(3, StoredLines(salaryid)) << "cached until applied";
    ASSERT_TRUE(form->Apply());
    const QString order = QStringLiteral("SELECT e.code, si.sort FROM salaryitem AS si JOIN employee AS e "
                                         "ON e.employeeid = si.employeeid WHERE si.salaryid = ? ORDER BY si.sort");
    QSqlQuery stored = c->exec(order, {salaryid});
    QStringList rows;
    while (stored.next())
        rows << stored.value(0).toString() + QLatin1Char(':') + stored.value(1).toString();
    EXPECT_EQ((QStringList{"001:1", "003:2"}), rows) << "sort stays 1, 2, ...";

    messages.answerYes();
    messages.answerYes();
    form->ItemDelete->trigger();
    form->ItemDelete->trigger();
    EXPECT_EQ(0, dm.SalaryItemZQ->recordCount());
    EXPECT_FALSE(form->ItemDelete->isEnabled()) << "nothing left to delete";
}

TEST_F(Lines, DeletingAllAsksOnceAndTakesEffectOnApply) {
    messages.answerNo();
    form->DeleteAllEmployees->trigger();
    EXPECT_EQ(3, dm.SalaryItemZQ->recordCount());
    messages.answerYes();
    form->DeleteAllEmployees->trigger();
    EXPECT_EQ(0, dm.SalaryItemZQ->recordCount());
    EXPECT_EQ(2u, messages.shown.size()) << "no question per line";
    EXPECT_EQ(3, StoredLines(salaryid));
    form->CustomApply->trigger();
    EXPECT_EQ(0, StoredLines(salaryid));
}

TEST_F(Lines, TheHolidayAllowanceForAllIsSharedByWorkedHoursOnlyWithTheOption) {
    dm.SalaryItemZQ->first();
    SetLine("workinghours", 84);
    dm.Options.VacOnlyForEffectiveHours = true;
    form->SalaryVacation->trigger();
    dm.SalaryItemZQ->first();
    EXPECT_EQ(1000.0, Line("vacationrefund"));
    dm.SalaryItemZQ->next();
    EXPECT_EQ(2000.0, Line("vacationrefund"));

    dm.Options.VacOnlyForEffectiveHours = false;
    form->SalaryVacation->trigger();
    dm.SalaryItemZQ->first();
    EXPECT_EQ(2000.0, Line("vacationrefund"));
    EXPECT_EQ(1000.0, VacationRefundOfLine(2000, 168, 84, true));
}

TEST_F(Lines, TheHoursForAllRecalculateEveryLine) {
    dm.SalaryItemZQ->first();
    const double fullMonth = Line("regularwork");
    SetLine("workinghours", 10);
    ASSERT_LT(Line("regularwork"), fullMonth);
    form->SalaryHours->trigger();
    dm.SalaryItemZQ->first();
    EXPECT_EQ(168.0, Line("workinghours"));
    EXPECT_NEAR(fullMonth, Line("regularwork"), 0.01);
}

TEST_F(Lines, RemovingTheDeductionSetGivesTheWholeDecreasedNet) {
    c->exec(QStringLiteral("INSERT INTO salarycredit (employeeid, defaultcredit) VALUES (1, 'y')"));
    const qint64 set = c->lastInsertId();
    c->exec(QStringLiteral("INSERT INTO salarycredititem (salarycreditid, creditname, creditpercent, "
                           "creditgrosspercent, creditvalue) VALUES (?, 'Kredit', 0, 0, 3000)"),
            {set});
    dm.SalaryItemZQ->first();
    // The voluntary pension is taken with the set's deductions.
    SetLine("voluntarypension", 1500);
    dm.AssignLineDeductionSet(set);
    ASSERT_EQ(4500.0, Line("credits"));

    messages.answerChoice(ChangeOption::Nothing);
    EXPECT_FALSE(ChooseLineDeductionSet(dm, messages, nullptr));
    EXPECT_EQ(4500.0, Line("credits"));

    messages.answerChoice(ChangeOption::Remove);
    EXPECT_TRUE(ChooseLineDeductionSet(dm, messages, nullptr));
    EXPECT_EQ(0.0, Line("salarycreditid"));
    EXPECT_EQ(0.0, Line("credits")) << "the voluntary pension goes with the set";
    EXPECT_EQ(Line("paymentdecreasedvalue"), Line("paymentnetvalue"));
    ASSERT_TRUE(form->Apply());
    EXPECT_EQ(0.0, c->scalar(QStringLiteral("SELECT paymentdecreasedvalue - paymentnetvalue FROM salaryitem "
                                            "WHERE salaryid = ? ORDER BY sort"),
                             {salaryid}).toDouble());
}

TEST_F(Lines, AShortLineIsSilverAndANegativeAmountForPaymentLightRed) {
    SalaryLineModel& model = *form->LineModel;
    dm.SalaryItemZQ->first();
    EXPECT_EQ(TLineMark::None, model.markOf(0));
    EXPECT_FALSE(model.index(0, 0).data(Qt::BackgroundRole).isValid());

    // Values being typed count: 30 000 is well below the minimum wage.
    dm.SalaryItemZQ->edit();
    dm.SalaryItemZQ->fieldByName(QStringLiteral("regularwork"))->setAsFloat(30000);
    EXPECT_EQ(TLineMark::Short, model.markOf(0));
    EXPECT_EQ(QColor(0xC0C0C0), model.index(0, 3).data(Qt::BackgroundRole).value<QColor>());

    dm.SalaryItemZQ->fieldByName(QStringLiteral("paymentnetvalue"))->setAsFloat(-0.01);
    EXPECT_EQ(TLineMark::Negative, model.markOf(0));
    const QColor negative = model.index(0, 3).data(Qt::BackgroundRole).value<QColor>();
    EXPECT_EQ(QColor(0xF9, 0x69, 0x63), negative) << negative.name().toStdString();
    EXPECT_GT(negative.red(), negative.blue()) << "red, not the blue of a selection";
}
