#include "SalaryDM.h"
#include "SalaryDetailUnit.h"
#include "SalaryNavigatorUnit.h"
#include "SalaryViewerUnit.h"
#include "ShellTestConsole.h"
#include "TestDatabase.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QPushButton>
#include <QTableView>

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
