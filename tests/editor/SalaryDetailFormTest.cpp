#include "DBControls.h"
#include "EditorFixture.h"
#include "EllipsisDelegate.h"
#include "SalaryDetailUnit.h"
#include "SalaryLineModel.h"
#include "SalarySickDetailUnit.h"
#include "SalaryTransportDetailUnit.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace {

QStringList ModelColumns(const SalaryLineModel& model) {
    QStringList names;
    for (int column = 0; column < model.columnCount(); ++column)
        names << model.fieldAt(column)->fieldName();
    return names;
}

bool ColumnEditable(const SalaryLineModel& model, const char* column) {
    return model.flags(model.index(0, model.columnOf(QLatin1String(column)))).testFlag(Qt::ItemIsEditable);
}

struct DetailForm : EditorFixture {
    // Hours typed into the first line, as the grid types them.
    void typeHours(const char* hours) {
        dm.SalaryItemZQ->first();
        dm.SalaryItemZQ->edit();
        dm.SalaryItemZQ->fieldByName(QStringLiteral("workinghours"))->setText(QLatin1String(hours));
        dm.SalaryItemZQ->post();
    }
    double storedHours() {
        return c->scalar(QStringLiteral("SELECT workinghours FROM salaryitem WHERE salaryid = ? ORDER BY sort"),
                         {salaryid}).toDouble();
    }
};

}  // namespace

TEST_F(DetailForm, ANewDocumentIsStoredByApplyWithItsLinesAndCancelKeepsNothing) {
    dm.SalaryAddDocument(QStringLiteral("Z"));
    {
        TSalaryDetailForm form(dm, console);
        EXPECT_EQ(QStringLiteral("Detalji zarade"), form.windowTitle());
        const QDate previous = QDate::currentDate().addMonths(-1);
        EXPECT_EQ(previous.month(), dm.SalaryZQ->fieldByName(QStringLiteral("month"))->asInteger());
        EXPECT_EQ(previous.year(), dm.SalaryZQ->fieldByName(QStringLiteral("year"))->asInteger());
        form.AddAllEmployees->trigger();
        EXPECT_EQ(3, dm.SalaryItemZQ->recordCount());
        EXPECT_TRUE(form.CustomApply->isEnabled());
        EXPECT_FALSE(form.SalaryCopy->isEnabled()) << "copying waits for the apply";
        form.CustomApply->trigger();
        EXPECT_FALSE(form.CustomApply->isEnabled());
        EXPECT_TRUE(form.SalaryCopy->isEnabled());
    }
    const qint64 stored = dm.SalaryZQ->fieldByName(QStringLiteral("salaryid"))->asLargeInt();
    EXPECT_EQ(3, StoredLines(stored));
    EXPECT_EQ(3, c->scalar(QStringLiteral("SELECT COUNT(*) FROM salaryitem WHERE salaryid = ?"), {stored}).toInt())
        << "every line got the new document's key";

    dm.SalaryAddDocument(QStringLiteral("Z"));
    TSalaryDetailForm form(dm, console);
    form.AddAllEmployees->trigger();  // applies the header first
    form.CustomCancel->trigger();
    EXPECT_TRUE(messages.shown.empty()) << "cancel asks nothing";
    EXPECT_EQ(3, c->scalar(QStringLiteral("SELECT COUNT(*) FROM salaryitem")).toInt()) << "no line of the second";
}

TEST_F(DetailForm, ClosingAsksAboutUnsavedChangesCancelStaysNoDiscardsYesSaves) {
    OpenWithAllEmployees();
    TSalaryDetailForm& form = *this->form;
    form.show();
    typeHours("100");
    messages.answerCancel();
    form.close();
    EXPECT_TRUE(form.isVisible()) << "Cancel keeps the form open";
    EXPECT_TRUE(form.HasUnsavedChanges());

    messages.answerNo();
    form.close();
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.HasUnsavedChanges());
    EXPECT_EQ(168.0, storedHours());

    form.show();
    typeHours("120");
    messages.answerYes();
    form.close();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(120.0, storedHours());
    EXPECT_EQ(QString::fromUtf8("Da li želite da sačuvate izmene?"), messages.shown.back().text);

    form.show();
    form.close();
    EXPECT_FALSE(form.isVisible()) << "nothing unsaved: no question";
    EXPECT_EQ(3u, messages.shown.size());
}

TEST_F(DetailForm, PostingMakesTheDocumentReadOnlyEverywhereAndUnpostingReturnsIt) {
    OpenWithAllEmployees();
    TSalaryDetailForm& form = *this->form;
    EXPECT_EQ(form.SalaryRegister, form.RegisterButton->defaultAction());
    EXPECT_EQ(QString::fromUtf8("Neproknjižen"), form.StatusPanel->text());

    messages.answerYes();
    form.SalaryRegister->trigger();
    EXPECT_EQ(QString::fromUtf8("Da li ste sigurni da želite da proknjižite ovu zaradu?"), messages.shown.back().text);
    EXPECT_EQ(QStringLiteral("p"), Status(salaryid));
    EXPECT_EQ(form.SalaryUnregister, form.RegisterButton->defaultAction());
    EXPECT_TRUE(form.SalaryUnregister->isEnabled());
    EXPECT_EQ(QString::fromUtf8("Proknjižen"), form.StatusPanel->text());
    for (TDBEdit* edit : std::as_const(form.HeaderEdits)) {
        EXPECT_TRUE(edit->isReadOnly()) << edit->objectName().toStdString();
        EXPECT_NE(QApplication::palette().color(QPalette::Base), edit->palette().color(QPalette::Base));
    }
    EXPECT_FALSE(form.MonthCB->isEnabled());
    EXPECT_FALSE(form.YearCB->isEnabled());
    EXPECT_EQ(QAbstractItemView::NoEditTriggers, form.SalaryItemDBG->editTriggers());
    EXPECT_FALSE(ColumnEditable(*form.LineModel, "workinghours"));
    for (QAction* action : {form.AddAllEmployees, form.AddEmplyee, form.ItemDelete, form.DeleteAllEmployees,
                            form.SalaryPaymentDate,
                            form.SalaryAccountingDate, form.SalaryHours, form.SalaryMeal, form.SalaryVacation,
                            form.ItemMoveUp, form.ItemMoveDown, form.SalaryRegister})
        EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
    EXPECT_TRUE(form.SalaryCopy->isEnabled());

    messages.answerYes();
    form.SalaryUnregister->trigger();
    EXPECT_EQ(QStringLiteral("n"), Status(salaryid));
    EXPECT_EQ(form.SalaryRegister, form.RegisterButton->defaultAction());
    EXPECT_TRUE(ColumnEditable(*form.LineModel, "workinghours"));
    TDBEdit* baud = form.HeaderEdits.value(QStringLiteral("baudvalue"));
    EXPECT_FALSE(baud->isReadOnly());
    EXPECT_EQ(QApplication::palette().color(QPalette::Base), baud->palette().color(QPalette::Base))
        << "typed into again, it looks so again";
    EXPECT_TRUE(form.AddAllEmployees->isEnabled());

    messages.answerNo();
    form.SalaryRegister->trigger();
    EXPECT_EQ(QStringLiteral("n"), Status(salaryid)) << "No leaves the document as it was";
}

TEST_F(DetailForm, HoursTypedIntoTheGridRecalculateTheLineAtOnce) {
    OpenWithAllEmployees();
    TSalaryDetailForm& form = *this->form;
    form.show();
    const double fullMonth = Line("regularwork");
    const double fullGross = Line("salaryvalue");
    ASSERT_GT(fullMonth, 0);

    QTableView* grid = form.SalaryItemDBG;
    const int hours = form.LineModel->columnOf(QStringLiteral("workinghours"));
    QApplication::setActiveWindow(&form);
    grid->setFocus();
    grid->setCurrentIndex(form.LineModel->index(0, hours));
    QTest::keyClick(grid, Qt::Key_8);
    auto* editor = grid->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(nullptr, editor) << "typing opened the cell's editor";
    QTest::keyClick(editor, Qt::Key_4);
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();  // the delegate commits the cell queued

    EXPECT_EQ(84.0, Line("workinghours"));
    EXPECT_NEAR(fullMonth / 2, Line("regularwork"), 0.01);
    EXPECT_LT(Line("salaryvalue"), fullGross);
    const int regular = form.LineModel->columnOf(QStringLiteral("regularwork"));
    EXPECT_EQ(dm.SalaryItemZQ->fieldByName(QStringLiteral("regularwork"))->displayText(),
              form.LineModel->index(0, regular).data().toString())
        << "the grid shows the recalculated line while it is being edited";
    EXPECT_TRUE(form.CustomApply->isEnabled());

    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(1, dm.SalaryItemZQ->currentIndex());
    EXPECT_EQ(hours, grid->currentIndex().column()) << "moving down stays in the column";
}

TEST_F(DetailForm, TheGridShowsItsColumnsInOrderWithTheComputedOnesReadOnly) {
    OpenWithAllEmployees();
    TSalaryDetailForm& form = *this->form;
    const QStringList columns = ModelColumns(*form.LineModel);
    ASSERT_EQ(32, columns.size());
    EXPECT_EQ(QStringLiteral("code"), columns.first());
    EXPECT_EQ(QStringLiteral("overtimehours"), columns.at(14));
    EXPECT_EQ(QStringLiteral("paymentnetvalue"), columns.last());
    for (const char* column : {"code", "lastname", "firstname", "salaryvalue", "paymentdecreasedvalue", "credits",
                               "paymentnetvalue"})
        EXPECT_FALSE(ColumnEditable(*form.LineModel, column)) << column;
    for (const char* column : {"workinghours", "overtimehours", "coefficient", "difference", "paymentvalue"})
        EXPECT_TRUE(ColumnEditable(*form.LineModel, column)) << column;

    ShowDocument(AddDocument(QStringLiteral("B")));
    TSalarySickDetailForm sick(dm, console);
    EXPECT_EQ(QStringLiteral("Detalji bolovanja"), sick.windowTitle());
    EXPECT_EQ(20, sick.LineModel->columnCount());
    EXPECT_EQ(QStringLiteral("longsickhours"), sick.LineModel->fieldAt(3)->fieldName());

    ShowDocument(AddDocument(QStringLiteral("P")));
    TSalaryTransportDetailForm transport(dm, console);
    EXPECT_EQ(QStringLiteral("Detalji prevoza"), transport.windowTitle());
    EXPECT_EQ((QStringList{QStringLiteral("code"), QStringLiteral("lastname"), QStringLiteral("firstname"),
                           QStringLiteral("workinghours"), QStringLiteral("salaryvalue"),
                           QStringLiteral("paymentvalue"), QStringLiteral("paymentnetvalue")}),
              ModelColumns(*transport.LineModel));
    EXPECT_FALSE(transport.HeaderEdits.value(QStringLiteral("taxpercent"))->isHidden());
    EXPECT_TRUE(form.HeaderEdits.value(QStringLiteral("taxpercent"))->isHidden());
    ASSERT_NE(nullptr, transport.ImportButton);
    EXPECT_TRUE(transport.ImportButton->isEnabled()) << "an empty document takes a spreadsheet";
}

TEST_F(DetailForm, SortingByAColumnTitleAndBackToTheLineOrderWhereLinesMayMove) {
    OpenWithAllEmployees();
    TSalaryDetailForm& form = *this->form;
    QHeaderView* header = form.SalaryItemDBG->horizontalHeader();
    const int lastname = form.LineModel->columnOf(QStringLiteral("lastname"));
    const auto firstLastname = [&] { return form.LineModel->index(0, lastname).data().toString(); };
    EXPECT_EQ(QString::fromUtf8("Petrović"), firstLastname());
    form.SalaryItemDBG->setCurrentIndex(form.LineModel->index(1, 0));
    EXPECT_TRUE(form.ItemMoveUp->isEnabled());

    emit header->sectionClicked(lastname);
    EXPECT_EQ(QString::fromUtf8("Jovanović"), firstLastname()) << "J before P before Đ";
    EXPECT_FALSE(form.ItemMoveUp->isEnabled()) << "lines move only in the document's order";
    emit header->sectionClicked(lastname);
    EXPECT_EQ(QString::fromUtf8("Đorđević"), firstLastname());
    emit header->sectionClicked(lastname);
    EXPECT_EQ(QString::fromUtf8("Petrović"), firstLastname());
}

TEST_F(DetailForm, CopyingReportsTheNewDocumentAndCloses) {
    OpenWithAllEmployees();
    TSalaryDetailForm& form = *this->form;
    form.show();
    form.SalaryCopy->trigger();
    EXPECT_EQ(QStringLiteral("Nova zarada je kreirana."), messages.shown.back().text);
    EXPECT_FALSE(form.isVisible());
    ASSERT_GT(form.CopiedSalaryID(), salaryid);
    EXPECT_EQ(3, StoredLines(form.CopiedSalaryID()));
}

TEST_F(DetailForm, AddingNeedsTheHoursFundAndThePersonnelModule) {
    TSalaryDetailForm form(dm, console);
    form.HeaderEdits.value(QStringLiteral("workinghours"))->setText(QStringLiteral("0"));
    form.HeaderEdits.value(QStringLiteral("workinghours"))->setModified(true);
    emit form.HeaderEdits.value(QStringLiteral("workinghours"))->editingFinished();
    form.AddAllEmployees->trigger();
    EXPECT_EQ(QStringLiteral("Morate najpre definisati broj radnih sati."), messages.shown.back().text);
    EXPECT_EQ(0, dm.SalaryItemZQ->recordCount());

    form.HeaderEdits.value(QStringLiteral("workinghours"))->setText(QStringLiteral("168"));
    form.HeaderEdits.value(QStringLiteral("workinghours"))->setModified(true);
    emit form.HeaderEdits.value(QStringLiteral("workinghours"))->editingFinished();
    form.AddEmplyee->trigger();
    EXPECT_EQ(QStringLiteral("Modul \"Kadrovi\" nije učitan."), messages.shown.back().text);
}

TEST_F(DetailForm, AThousandLinesOpen) {
    {
        Transaction transaction(*c);
        for (int i = 1; i <= 1024; ++i) {
            c->exec(QStringLiteral("INSERT INTO employee (code, lastname) VALUES (?, 'Radnik')"),
                    {QStringLiteral("T%1").arg(i)});
            c->exec(QStringLiteral("INSERT INTO salaryitem (salaryid, employeeid, workinghours, regularwork, "
                                   "salaryvalue, paymentvalue, paymentnetvalue, sort) "
                                   "VALUES (?, ?, 168, 100000, 120000, 90000, 90000, ?)"),
                    {salaryid, c->lastInsertId(), i});
        }
        transaction.commit();
    }
    TSalaryDetailForm form(dm, console);
    form.show();
    QApplication::processEvents();
    EXPECT_EQ(1024, form.LineModel->rowCount());
}

TEST_F(DetailForm, TheLinePanelOpensOnlyOncePendingEditsAreAppliedOrDiscardedAsTheUserSays) {
    OpenWithAllEmployees();
    TSalaryDetailForm& form = *this->form;
    form.show();
    const QString panel = QStringLiteral("TSalaryEmployeeForm");

    typeHours("100");
    messages.answerCancel();
    EXPECT_EQ(QString(), ModalOpenedBy([&] { form.EmployeeDetails->trigger(); }));
    EXPECT_EQ(QString::fromUtf8("Da li želite da sačuvate izmene?"), messages.shown.back().text);
    EXPECT_EQ(168.0, storedHours()) << "nothing written without asking";
    EXPECT_EQ(100.0, Line("workinghours")) << "Cancel keeps the edit pending";
    EXPECT_TRUE(form.HasUnsavedChanges());

    // The grid's double click asks the same.
    messages.answerNo();
    const QModelIndex name = form.LineModel->index(0, form.LineModel->columnOf(QStringLiteral("lastname")));
    EXPECT_EQ(panel, ModalOpenedBy([&] { emit form.SalaryItemDBG->doubleClicked(name); }));
    EXPECT_EQ(168.0, storedHours());
    EXPECT_EQ(168.0, Line("workinghours")) << "No dropped the edit";

    typeHours("120");
    messages.answerYes();
    EXPECT_EQ(panel, ModalOpenedBy([&] { form.EmployeeDetails->trigger(); }));
    EXPECT_EQ(120.0, storedHours());

    const size_t asked = messages.shown.size();
    EXPECT_EQ(panel, ModalOpenedBy([&] { form.EmployeeDetails->trigger(); }));
    EXPECT_EQ(asked, messages.shown.size()) << "nothing pending: no question";
    EXPECT_EQ(QStringLiteral("001"), dm.SalaryItemZQ->fieldByName(QStringLiteral("code"))->asString());
}

TEST_F(DetailForm, EachEllipsisButtonStandsOnTheColumnItOpensAndSaysWhat) {
    OpenWithAllEmployees();
    TSalaryDetailForm& form = *this->form;
    const auto delegateOf = [&](const char* column) {
        return qobject_cast<EllipsisDelegate*>(
            form.SalaryItemDBG->itemDelegateForColumn(form.LineModel->columnOf(QLatin1String(column))));
    };
    const auto click = [&](const char* column) {
        return ModalOpenedBy([&] {
            form.EllipsisClick(form.LineModel->index(0, form.LineModel->columnOf(QLatin1String(column))));
        });
    };
    const struct {
        const char* column;
        const char* opens;
        const char* toolTip;
    } buttons[] = {{"lastname", "TSalaryEmployeeForm", "Stavka zaposlenog"},
                   {"coefficient", "TSalaryCoefficientForm", "Delovi koeficijenta"},
                   {"difference", "TSalaryDifferenceForm", "Razlike"},
                   {"credits", "TCreditRatesForm", "Obustave: izbor ili uklanjanje"}};
    for (const auto& button : buttons) {
        EllipsisDelegate* delegate = delegateOf(button.column);
        ASSERT_NE(nullptr, delegate) << button.column;
        EXPECT_EQ(QString::fromUtf8(button.toolTip), delegate->toolTip()) << button.column;
        EXPECT_EQ(QLatin1String(button.opens), click(button.column)) << button.column;
    }
    for (const char* column : {"code", "overtimehours", "decrement", "paymentdecreasedvalue"}) {
        EXPECT_EQ(nullptr, delegateOf(column)) << column;
        EXPECT_EQ(QString(), click(column)) << column;
    }
}

TEST_F(DetailForm, TheDeductionsMenuHasItsEntriesFromTheStart) {
    TSalaryDetailForm form(dm, console);
    const auto captions = [&] {
        QStringList entries;
        for (QAction* action : form.DeductionsMenu->actions())
            entries << action->text();
        return entries;
    };
    const QStringList entries{QStringLiteral("Zbirno"), QString::fromUtf8("Analitički"),
                              QString::fromUtf8("Analitički po zaposlenom")};
    EXPECT_EQ(entries, captions());
    form.SalaryDeductions->trigger();
    EXPECT_EQ(entries, captions()) << "the main part adds nothing";
}

TEST_F(DetailForm, AMonthChangedElsewhereIsRefusedAndReadAgainWhenTheUserSays) {
    OpenWithAllEmployees();
    // Another workstation changes the month after it was opened here.
    c->exec(QStringLiteral("UPDATE salary SET version = version + 1, baudvalue = 3000 WHERE salaryid = ?"), {salaryid});
    typeHours("100");
    messages.answerYes();
    EXPECT_FALSE(form->Apply());
    EXPECT_TRUE(messages.refusals().contains(QStringLiteral("izmenio drugi korisnik"))) << messages.refusals().toStdString();
    EXPECT_FALSE(dm.SalaryModified());
    EXPECT_EQ(3000.0, dm.SalaryZQ->fieldByName(QStringLiteral("baudvalue"))->asFloat());
    EXPECT_EQ(0, c->scalar(QStringLiteral("SELECT COUNT(*) FROM salaryitem WHERE salaryid = ? AND workinghours = 100"),
                           {salaryid})
                     .toInt());
    // Read again, the edit goes through.
    typeHours("100");
    EXPECT_TRUE(form->Apply());
}
