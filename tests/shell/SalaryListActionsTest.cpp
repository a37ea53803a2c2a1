#include "SalaryDM.h"
#include "SalaryDetailUnit.h"
#include "SalaryNavigatorUnit.h"
#include "SalaryViewerUnit.h"
#include "ShellTestConsole.h"
#include "TestDatabase.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// A list over two documents of 2025: January posted, February not, and one
// employee ("Obradović") paid in January.
struct SalaryList : ::testing::Test {
    TestDatabase db;
    Connection* c = nullptr;
    TSalaryDM dm;
    ShellTestConsole console;

    void SetUp() override {
        REQUIRE_TEST_DATABASE();
        c = &db.open();
        dm.SetZConnection(c);
        dm.SetMessages(&console.messages);
        const auto doc = [this](int month, const char* paid, const char* status) {
            c->exec(QStringLiteral("INSERT INTO salary (salarytype, year, month, paymentdate, status) "
                                   "VALUES ('Z', 2025, ?, ?, ?)"),
                    {month, QLatin1String(paid), QLatin1String(status)});
            return c->lastInsertId();
        };
        const qint64 jan = doc(1, "2025-02-10", "p");
        doc(2, "2025-03-10", "n");
        c->exec(QStringLiteral("INSERT INTO employee (code, firstname, lastname) VALUES ('1', 'Petar', ?)"),
                {QString::fromUtf8("Obradović")});
        c->exec(QStringLiteral("INSERT INTO salaryitem (salaryid, employeeid) SELECT ?, employeeid FROM employee"),
                {jan});
    }

    int stored() { return c->scalar(QStringLiteral("SELECT COUNT(*) FROM salary")).toInt(); }
    qint64 shownKey() { return dm.SalaryZQ->fieldByName(QStringLiteral("salaryid"))->asLargeInt(); }
    // Opens the current document in its editor and copies it there.
    qint64 copyInTheEditor(TSalaryViewerForm& list) {
        qint64 copy = 0;
        QTimer::singleShot(0, [&] {
            auto* editor = qobject_cast<TSalaryDetailForm*>(QApplication::activeModalWidget());
            ASSERT_NE(nullptr, editor);
            editor->SalaryCopy->trigger();
            copy = editor->CopiedSalaryID();
            if (editor->isVisible()) {
                ADD_FAILURE() << console.messages.refusals().toStdString();
                editor->done(0);
            }
        });
        list.SalaryEdit->trigger();
        return copy;
    }
    QString shownMonth() { return dm.SalaryZQ->fieldByName(QStringLiteral("month"))->asString(); }
};

}  // namespace

TEST_F(SalaryList, TheFindButtonListsWhatTheKeysSelectNewestFirstWithCaptions) {
    TSalaryNavigatorForm navigator(dm, console.messages);
    TSalaryViewerForm list(dm, console);

    navigator.FindButton->click();
    EXPECT_EQ(2, dm.SalaryZQ->recordCount());
    EXPECT_EQ(QStringLiteral("2"), shownMonth()) << "positioned on the newest payment date";
    QAbstractItemModel* model = list.DBG->model();
    EXPECT_EQ(QStringLiteral("Zarada"), model->data(model->index(0, 0)).toString());
    EXPECT_EQ(QString::fromUtf8("Neproknjižen"), model->data(model->index(0, 6)).toString());

    navigator.SetSearchValue(QStringLiteral("employeelastname"), QStringLiteral("Obr"));
    navigator.FindButton->click();
    EXPECT_EQ(1, dm.SalaryZQ->recordCount());
    EXPECT_EQ(QStringLiteral("1"), shownMonth());
    EXPECT_TRUE(console.messages.shown.empty());
}

TEST_F(SalaryList, DeletingRefusesAPostedDocumentAndRemovesAnother) {
    TSalaryViewerForm list(dm, console);
    dm.SalarySearch({{QStringLiteral("month"), QStringLiteral("1")}});

    list.SalaryDelete->trigger();
    ASSERT_EQ(1u, console.messages.shown.size());
    EXPECT_EQ(QString::fromUtf8("Ne možete izbrisati proknjiženu zaradu."), console.messages.shown[0].text);
    EXPECT_EQ(2, stored());

    dm.SalarySearch({{QStringLiteral("month"), QStringLiteral("2")}});
    console.messages.answerYes();
    list.SalaryDelete->trigger();
    EXPECT_EQ(1, stored());
    EXPECT_EQ(0, dm.SalaryZQ->recordCount());
}

TEST_F(SalaryList, AddingAndEditingOpenTheEditorOfTheDocumentsTypeAndCancelKeepsNothing) {
    TSalaryViewerForm list(dm, console);
    dm.SalarySearch({});
    QStringList opened;
    // The editor is modal: look at it once it is up, then cancel it.
    const auto cancelTheEditor = [&] {
        QTimer::singleShot(0, [&] {
            auto* editor = qobject_cast<TSalaryDetailForm*>(QApplication::activeModalWidget());
            ASSERT_NE(nullptr, editor);
            opened << editor->windowTitle();
            editor->CustomCancel->trigger();
        });
    };
    for (QAction* add : {list.SalaryRegularAdd, list.SalarySickAdd, list.SalaryTransportAdd}) {
        cancelTheEditor();
        add->trigger();
    }
    EXPECT_EQ((QStringList{QStringLiteral("Detalji zarade"), QStringLiteral("Detalji bolovanja"),
                           QStringLiteral("Detalji prevoza")}),
              opened);
    EXPECT_EQ(2, dm.SalaryZQ->recordCount());
    EXPECT_EQ(2, stored());

    cancelTheEditor();
    list.SalaryEdit->trigger();
    EXPECT_EQ(QStringLiteral("Detalji zarade"), opened.last());
}

TEST_F(SalaryList, DatesAreSearchedAsTheListShowsThemAndOneThatCannotBeReadIsRefused) {
    TSalaryNavigatorForm navigator(dm, console.messages);
    TSalaryViewerForm list(dm, console);
    auto* dateto = navigator.SearchEditor->findChild<QWidget*>(QStringLiteral("dateto"))->findChild<QLineEdit*>();
    ASSERT_NE(nullptr, dateto);

    // Typed as the list shows the payment dates: the January document only.
    dateto->setText(QStringLiteral("10.02.2025."));
    navigator.FindButton->click();
    EXPECT_TRUE(console.messages.shown.empty());
    ASSERT_EQ(1, dm.SalaryZQ->recordCount());
    EXPECT_EQ(QStringLiteral("1"), shownMonth());
    EXPECT_EQ(QStringLiteral("10.02.2025."), list.DBG->model()->index(0, 4).data().toString());

    // A readable date is rewritten in that form once typed.
    dateto->setText(QStringLiteral("2025-3-10"));
    emit dateto->editingFinished();
    EXPECT_EQ(QStringLiteral("2025-3-10"), dateto->text()) << "not a form it reads";
    dateto->setText(QStringLiteral("10.3.2025"));
    emit dateto->editingFinished();
    EXPECT_EQ(QStringLiteral("10.03.2025."), dateto->text());

    dateto->setText(QStringLiteral("30.02.2025."));
    navigator.FindButton->click();
    ASSERT_EQ(1u, console.messages.shown.size()) << "refused aloud, not an empty list";
    EXPECT_EQ(MessageKind::Error, console.messages.shown[0].kind);
    EXPECT_TRUE(console.messages.shown[0].text.contains(QStringLiteral("30.02.2025.")));
    EXPECT_EQ(1, dm.SalaryZQ->recordCount()) << "the list keeps what it showed";

    // "..." writes the date chosen in the date dialog as the list shows it.
    console.messages.answerDate(QDate(2026, 12, 10));
    auto* datefrom = navigator.SearchEditor->findChild<QWidget*>(QStringLiteral("datefrom"));
    ASSERT_NE(nullptr, datefrom);
    datefrom->findChild<QToolButton*>()->click();
    EXPECT_EQ(QStringLiteral("10.12.2026."), navigator.SearchValue(QStringLiteral("datefrom")));
}

TEST_F(SalaryList, TheAnnualReportsOpenTheirFormsOnTheYearsOfPostedDocuments) {
    TSalaryViewerForm list(dm, console);
    for (QAction* action : {list.SalaryAnnualReportPPPPO, list.SalaryAnnualReportPPP, list.SalaryAnnualReportM4}) {
        QString caption, year;
        QTimer::singleShot(0, [&] {
            auto* form = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(nullptr, form);
            caption = form->windowTitle();
            year = form->findChild<QComboBox*>(QStringLiteral("YearCB"))->currentText();
            form->reject();
        });
        ASSERT_TRUE(action->isEnabled());
        action->trigger();
        EXPECT_EQ(action->text(), caption);
        EXPECT_EQ(QStringLiteral("2025"), year);
    }
    EXPECT_EQ(QString(), console.messages.refusals());
}

TEST_F(SalaryList, TheCertificateOfEarningsOpensFromTheReportsMenu) {
    TSalaryViewerForm list(dm, console);
    QString caption;
    QTimer::singleShot(0, [&] {
        auto* form = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(nullptr, form);
        caption = form->windowTitle();
        form->reject();
    });
    ASSERT_TRUE(list.SalaryStaffReportCertificateReport->isEnabled());
    list.SalaryStaffReportCertificateReport->trigger();
    EXPECT_EQ(QStringLiteral("Potvrda"), caption);
}

TEST_F(SalaryList, ACopyJoinsWhatTheListShowsAndBecomesCurrent) {
    // A new document takes its parameters from the last one: make them whole.
    c->exec(QStringLiteral("INSERT INTO salarytax (defaulttax) VALUES ('y')"));
    c->exec(QStringLiteral("UPDATE salary SET accountingdate = paymentdate, baudvalue = 100, maxsalaryvalue = 656425, "
                           "minsalaryvalue = 51297, partcoefficient = 100, salarynumber = 1, workinghours = 168, "
                           "minnetsalaryprice = 271.07, minnetsalaryvalue = 45539.76, "
                           "salarytaxid = (SELECT MAX(salarytaxid) FROM salarytax)"));
    TSalaryViewerForm list(dm, console);
    // Never searched: the list shows only the document just added.
    console.messages.setPolicy(ScriptedMessages::AnswerPolicy::Yes);
    QTimer::singleShot(0, [&] {
        auto* editor = qobject_cast<TSalaryDetailForm*>(QApplication::activeModalWidget());
        ASSERT_NE(nullptr, editor);
        editor->CustomOK->trigger();
        if (editor->isVisible()) {
            ADD_FAILURE() << console.messages.refusals().toStdString();
            editor->done(0);
        }
    });
    list.SalaryRegularAdd->trigger();
    ASSERT_EQ(1, dm.SalaryZQ->recordCount());
    const qint64 added = shownKey();

    const qint64 copy = copyInTheEditor(list);
    ASSERT_GT(copy, added);
    EXPECT_EQ(2, dm.SalaryZQ->recordCount()) << "the added document and its copy";
    EXPECT_EQ(copy, shownKey());
    EXPECT_TRUE(dm.SalaryZQ->locate(QStringLiteral("salaryid"), added));

    // Searched: the search's documents and the copy.
    dm.SalarySearch({{QStringLiteral("month"), QStringLiteral("2")}});
    ASSERT_EQ(1, dm.SalaryZQ->recordCount());
    const qint64 february = shownKey();
    const qint64 second = copyInTheEditor(list);
    EXPECT_EQ(2, dm.SalaryZQ->recordCount());
    EXPECT_EQ(second, shownKey());
    EXPECT_TRUE(dm.SalaryZQ->locate(QStringLiteral("salaryid"), february));
}
