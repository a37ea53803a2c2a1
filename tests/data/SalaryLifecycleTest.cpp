#include "SalaryDM.h"
#include "SalaryResourceString.h"
#include "ScriptedMessages.h"
#include "TestDatabase.h"
#include "db/DbError.h"

#include <QSqlQuery>

#include <gtest/gtest.h>

namespace {

// A module on a fresh database whose questions are answered Yes.
struct Lifecycle : ::testing::Test {
    TestDatabase db;
    Connection* c = nullptr;
    TSalaryDM dm;
    ScriptedMessages messages{ScriptedMessages::AnswerPolicy::Yes};

    void SetUp() override {
        REQUIRE_TEST_DATABASE();
        c = &db.open();
        dm.SetMessages(&messages);
        dm.SetZConnection(c);
        c->exec(QStringLiteral("INSERT INTO salarytax (defaulttax) VALUES ('y')"));
        // The employees the lines name (keys 1, 2, 7 and 101 to 104).
        c->exec(QStringLiteral("INSERT INTO employee (employeeid, code) VALUES (1, 'E1'), (2, 'E2'), (101, 'E101'), "
                               "(102, 'E102'), (103, 'E103'), (104, 'E104'), (7, 'E7')"));
    }

    qint64 insertDocument(const QString& type, int year, int month, const QString& paid, double baud = 100) {
        c->exec(QStringLiteral("INSERT INTO salary (salarytype, year, month, paymentdate, baudvalue, taxpercent, "
                               "taxfreevalue, netdecreasepercent, workinghours, salarynumber) "
                               "VALUES (?, ?, ?, ?, ?, 10, 28423, 5, 168, ?)"),
                {type, year, month, paid, baud, dm.GetSalaryIndex(year, month, type)});
        return c->lastInsertId();
    }

    TField* h(const char* name) { return dm.SalaryZQ->fieldByName(QLatin1String(name)); }
    TField* l(const char* name) { return dm.SalaryItemZQ->fieldByName(QLatin1String(name)); }

    // A complete, valid header for the document being inserted.
    void fillHeader() {
        for (const char* money : {"baudvalue", "maxsalaryvalue"})
            if (h(money)->asFloat() <= 0)
                h(money)->setAsFloat(1);
        h("year")->setAsInteger(2025);
        h("month")->setAsInteger(3);
        h("salarynumber")->setAsInteger(1);
        h("workinghours")->setAsInteger(176);
        h("salarytaxid")->setAsLargeInt(c->scalar(QStringLiteral("SELECT salarytaxid FROM salarytax")).toLongLong());
        for (int i = 0; i < dm.SalaryZQ->fieldCount(); ++i)
            if (dm.SalaryZQ->field(i)->required() && dm.SalaryZQ->field(i)->isNull())
                dm.SalaryZQ->field(i)->setAsFloat(0);
    }

    void addLine(int sort) {
        dm.SalaryItemZQ->append();
        l("employeeid")->setAsLargeInt(100 + sort);
        l("coefficient")->setAsFloat(1);
        l("netcoefficient")->setAsFloat(1);
        l("sort")->setAsInteger(sort);
        for (int i = 0; i < dm.SalaryItemZQ->fieldCount(); ++i) {
            TField* f = dm.SalaryItemZQ->field(i);
            if (f->stored() && f->required() && f->isNull() && f->fieldName() != QLatin1String("salaryid"))
                f->setAsFloat(0);
        }
        dm.SalaryItemZQ->post();
    }

    int count(const QString& table) { return c->scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table).toInt(); }
};

}  // namespace

TEST_F(Lifecycle, NumbersFollowTheHighestOfTheSameMonthAndType) {
    EXPECT_EQ(1, dm.GetSalaryIndex(2025, 3, QStringLiteral("Z")));
    insertDocument(QStringLiteral("Z"), 2025, 3, QStringLiteral("2025-04-10"));
    const qint64 second = insertDocument(QStringLiteral("Z"), 2025, 3, QStringLiteral("2025-04-20"));
    insertDocument(QStringLiteral("Z"), 2025, 3, QStringLiteral("2025-04-25"));
    // A deleted document leaves a gap, never a number used twice.
    c->exec(QStringLiteral("DELETE FROM salary WHERE salaryid = ?"), {second});
    EXPECT_EQ(4, dm.GetSalaryIndex(2025, 3, QStringLiteral("Z")));
    EXPECT_EQ(1, dm.GetSalaryIndex(2025, 3, QStringLiteral("B")));
    EXPECT_EQ(1, dm.GetSalaryIndex(2025, 4, QStringLiteral("Z")));
}

TEST_F(Lifecycle, NewDocumentsStartFromTheLatestRegularOne) {
    insertDocument(QStringLiteral("Z"), 2025, 1, QStringLiteral("2025-02-10"), 80);
    insertDocument(QStringLiteral("Z"), 2025, 2, QStringLiteral("2025-03-10"), 90);
    insertDocument(QStringLiteral("B"), 2025, 2, QStringLiteral("2025-03-15"), 999);
    c->exec(QStringLiteral("INSERT INTO salary (salarytype, paymentdate, taxpercent, taxfreevalue) "
                           "VALUES ('P', '2025-01-05', 20, 11)"));

    dm.SalaryAddDocument(QStringLiteral("B"));
    EXPECT_EQ(90.0, h("baudvalue")->asFloat());  // the latest "Z", whatever the new type
    EXPECT_EQ(168, h("workinghours")->asInteger());
    EXPECT_EQ(0.0, h("netdecreasepercent")->asFloat());
    EXPECT_EQ(10.0, h("taxpercent")->asFloat());
    EXPECT_EQ(100.0, h("partcoefficient")->asFloat());
    EXPECT_EQ(QStringLiteral("n"), h("status")->asString());
    EXPECT_EQ(QDate::currentDate(), h("paymentdate")->asDate());
    dm.SalaryZQ->cancel();

    dm.SalaryAddDocument(QStringLiteral("P"));
    EXPECT_EQ(20.0, h("taxpercent")->asFloat());
    EXPECT_EQ(11.0, h("taxfreevalue")->asFloat());
    dm.SalaryZQ->cancel();

    dm.SalaryAddDocument(QStringLiteral("Z"));
    EXPECT_EQ(5.0, h("netdecreasepercent")->asFloat());
    dm.SetNewSalaryPeriod(QDate(2026, 1, 15));
    EXPECT_EQ(12, h("month")->asInteger());
    EXPECT_EQ(2025, h("year")->asInteger());
    EXPECT_EQ(1, h("salarynumber")->asInteger());
}

TEST_F(Lifecycle, ApplyingANewDocumentGivesItsKeyToEveryLine) {
    dm.SalaryAddDocument(QStringLiteral("Z"));
    fillHeader();
    dm.SalaryItemsOpen();
    addLine(1);
    addLine(2);
    EXPECT_TRUE(dm.SalaryModified());
    dm.SalaryApply();
    EXPECT_FALSE(dm.SalaryModified());
    const qint64 salaryid = h("salaryid")->asLargeInt();
    ASSERT_GT(salaryid, 0);
    EXPECT_EQ(2, c->scalar(QStringLiteral("SELECT COUNT(*) FROM salaryitem WHERE salaryid = ?"), {salaryid}).toInt());
    for (dm.SalaryItemZQ->first(); !dm.SalaryItemZQ->eof(); dm.SalaryItemZQ->next())
        EXPECT_EQ(salaryid, l("salaryid")->asLargeInt());
}

TEST_F(Lifecycle, AFailedApplyStoresNothingAndKeepsTheEdits) {
    dm.SalaryAddDocument(QStringLiteral("Z"));
    fillHeader();
    dm.SalaryItemsOpen();
    addLine(1);
    addLine(2);
    c->execDirect(QStringLiteral("ALTER TABLE salaryitem RENAME TO salaryitem_away"));
    EXPECT_THROW(dm.SalaryApply(), EDatabaseError);
    c->execDirect(QStringLiteral("ALTER TABLE salaryitem_away RENAME TO salaryitem"));
    EXPECT_EQ(0, count(QStringLiteral("salary")));
    EXPECT_EQ(DataSetState::Insert, dm.SalaryZQ->state());
    EXPECT_EQ(2, dm.SalaryItemZQ->recordCount());
    EXPECT_TRUE(dm.SalaryModified());

    dm.SalaryApply();  // the same edits go through once the database accepts them
    EXPECT_EQ(1, count(QStringLiteral("salary")));
    EXPECT_EQ(2, count(QStringLiteral("salaryitem")));
    EXPECT_EQ(h("salaryid")->asLargeInt(), c->scalar(QStringLiteral("SELECT MIN(salaryid) FROM salaryitem")).toLongLong());
}

TEST_F(Lifecycle, AFailedApplyOfAStoredDocumentKeepsItsChangedLinesPending) {
    dm.SalaryAddDocument(QStringLiteral("Z"));
    fillHeader();
    dm.SalaryItemsOpen();
    for (int sort = 1; sort <= 3; ++sort)
        addLine(sort);
    dm.SalaryApply();
    TDataSet& lines = *dm.SalaryItemZQ;
    for (lines.first(); !lines.eof(); lines.next()) {
        lines.edit();
        l("coefficient")->setAsFloat(2);
    }
    lines.setCurrentIndex(1);
    c->execDirect(QStringLiteral("ALTER TABLE salaryitem RENAME TO salaryitem_away"));
    EXPECT_THROW(dm.SalaryApply(), EDatabaseError);
    c->execDirect(QStringLiteral("ALTER TABLE salaryitem_away RENAME TO salaryitem"));
    EXPECT_TRUE(dm.SalaryModified());
    EXPECT_EQ(1, lines.currentIndex());
    EXPECT_EQ(2.0, l("coefficient")->asFloat());
    EXPECT_EQ(0, c->scalar(QStringLiteral("SELECT COUNT(*) FROM salaryitem WHERE coefficient = 2")).toInt());

    dm.SalaryApply();
    EXPECT_FALSE(dm.SalaryModified());
    EXPECT_EQ(3, count(QStringLiteral("salaryitem")));
    EXPECT_EQ(3, c->scalar(QStringLiteral("SELECT COUNT(*) FROM salaryitem WHERE coefficient = 2")).toInt());
}

TEST_F(Lifecycle, DeletingALineClosesTheGapInTheOrder) {
    dm.SalaryAddDocument(QStringLiteral("Z"));
    fillHeader();
    dm.SalaryItemsOpen();
    for (int sort = 1; sort <= 4; ++sort)
        addLine(sort);
    dm.SalaryApply();
    ASSERT_TRUE(dm.SalaryItemZQ->locate(QStringLiteral("sort"), 2));
    dm.SalaryItemZQ->remove();
    dm.SalaryApply();
    QSqlQuery q = c->exec(QStringLiteral("SELECT sort, employeeid FROM salaryitem ORDER BY sort"));
    QList<int> sorts, employees;
    while (q.next()) {
        sorts << q.value(0).toInt();
        employees << q.value(1).toInt();
    }
    EXPECT_EQ(QList<int>({1, 2, 3}), sorts);
    EXPECT_EQ(QList<int>({101, 103, 104}), employees);
}

TEST_F(Lifecycle, APostedDocumentCanBeNeitherChangedNorDeleted) {
    dm.SalaryAddDocument(QStringLiteral("Z"));
    fillHeader();
    dm.SalaryItemsOpen();
    addLine(1);
    dm.SalaryApply();
    dm.RegisterSalary(true);
    EXPECT_TRUE(dm.SalaryPosted());

    dm.SalaryZQ->edit();
    h("baudvalue")->setAsFloat(5);
    EXPECT_THROW(dm.SalaryZQ->post(), EAbort);
    dm.SalaryZQ->cancel();
    dm.SalaryItemZQ->edit();
    l("workinghours")->setAsFloat(10);
    EXPECT_THROW(dm.SalaryItemZQ->post(), EAbort);
    dm.SalaryItemZQ->cancel();
    EXPECT_THROW(dm.SalaryZQ->remove(), EAbort);
    EXPECT_EQ(QString::fromUtf8(_SAL_CANT_DEL_REG_WRN), messages.shown.back().text);
    EXPECT_EQ(1, count(QStringLiteral("salary")));

    dm.RegisterSalary(false);  // unposting is allowed
    EXPECT_FALSE(dm.SalaryPosted());
}

TEST_F(Lifecycle, DeletingADocumentTakesItsLinesDifferencesAndCoefficients) {
    dm.SalaryAddDocument(QStringLiteral("Z"));
    fillHeader();
    dm.SalaryItemsOpen();
    addLine(1);
    addLine(2);
    dm.SalaryApply();
    const qint64 other = insertDocument(QStringLiteral("Z"), 2025, 2, QStringLiteral("2025-03-01"));
    c->exec(QStringLiteral("INSERT INTO salaryitem (salaryid, employeeid) VALUES (?, 7)"), {other});
    c->exec(QStringLiteral("INSERT INTO salaryitemdifference (salaryitemid, differencename) SELECT salaryitemid, 'x' FROM salaryitem"));
    c->exec(QStringLiteral("INSERT INTO salaryitemcoefficient (salaryitemid) SELECT salaryitemid FROM salaryitem"));
    dm.SalaryZQ->remove();
    EXPECT_EQ(1, count(QStringLiteral("salary")));
    EXPECT_EQ(1, count(QStringLiteral("salaryitem")));
    EXPECT_EQ(1, count(QStringLiteral("salaryitemdifference")));
    EXPECT_EQ(1, count(QStringLiteral("salaryitemcoefficient")));
}

TEST_F(Lifecycle, ACopyIsForThePreviousMonthWithItsLinesButNotTheirParts) {
    const qint64 source = insertDocument(QStringLiteral("Z"), 2025, 11, QStringLiteral("2025-12-10"));
    c->exec(QStringLiteral("INSERT INTO salaryitem (salaryid, employeeid, workinghours, sort) VALUES (?, 1, 160, 1), (?, 2, 80, 2)"),
            {source, source});
    c->exec(QStringLiteral("INSERT INTO salaryitemdifference (salaryitemid, differencename) SELECT salaryitemid, 'x' FROM salaryitem"));
    dm.SalaryZQ->setSQL(QStringLiteral("SELECT DISTINCT s.* FROM salary AS s"));
    dm.SalaryZQ->open();
    QStringList assignments = dm.CopySalaryAssignments(QDate(2026, 1, 20));
    const qint64 copy = dm.CopySalary(source, assignments);
    ASSERT_GT(copy, source);
    QSqlQuery q = c->exec(QStringLiteral("SELECT year, month, paymentdate, status, salarynumber, baudvalue FROM salary WHERE salaryid = ?"), {copy});
    ASSERT_TRUE(q.next());
    EXPECT_EQ(2025, q.value(0).toInt());
    EXPECT_EQ(12, q.value(1).toInt());
    EXPECT_EQ(QDate(2026, 1, 20), q.value(2).toDate());
    EXPECT_EQ(QStringLiteral("n"), q.value(3).toString());
    EXPECT_EQ(1, q.value(4).toInt());
    EXPECT_EQ(100.0, q.value(5).toDouble());
    EXPECT_EQ(240, c->scalar(QStringLiteral("SELECT SUM(workinghours) FROM salaryitem WHERE salaryid = ?"), {copy}).toInt());
    EXPECT_EQ(2, count(QStringLiteral("salaryitemdifference")));  // only the source's two
}

TEST_F(Lifecycle, CurrencyAndEmailComeFromTheHostTables) {
    c->exec(QStringLiteral("INSERT INTO currency (code, status) VALUES ('EUR', ''), ('RSD', 'primary')"));
    c->exec(QStringLiteral("INSERT INTO employee (code, email) VALUES ('1', 'ana@firma.rs')"));
    EXPECT_EQ(QStringLiteral("RSD"), dm.GetDefaultCurrency());
    EXPECT_EQ(QStringLiteral("ana@firma.rs"), dm.GetEmployeeEmailAddress(c->lastInsertId()));
}
