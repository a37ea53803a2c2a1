#include "DBIniFile.h"
#include "HostResourceStrings.h"
#include "SalaryDM.h"
#include "SalarySchema.h"
#include "ScriptedMessages.h"
#include "TestDatabase.h"
#include "db/DbError.h"

#include <gtest/gtest.h>

namespace {

struct Module {
    TestDatabase db;
    Connection& c;
    TSalaryDM dm;
    ScriptedMessages messages;
    Module() : c(db.open()) {
        dm.SetMessages(&messages);
        dm.SetZConnection(&c);
        dm.LoadOptions();
    }
    qint64 addEmployee(const QString& code, const QString& last) {
        c.exec(QStringLiteral("INSERT INTO employee (code, firstname, lastname, arrangedsalaryvalue, workingstateid) "
                              "VALUES (?, 'Ime', ?, 95000, 1)"),
               {code, last});
        return c.lastInsertId();
    }
};

}  // namespace

TEST(SalaryDM, EveryTableDatasetOpensWithEveryColumnOfItsTable) {
    REQUIRE_TEST_DATABASE();
    Module m;
    for (TSqlQuery* q : {m.dm.SalaryZQ, m.dm.SalaryItemZQ, m.dm.SalaryTaxZQ, m.dm.SalaryTaxItemZQ, m.dm.SalaryCreditZQ,
                         m.dm.SalaryCreditItemZQ, m.dm.SalaryCreditItemFrameZQ, m.dm.SalaryItemDifferenceZQ,
                         m.dm.SalaryItemCoefficientZQ, m.dm.SalaryReportPPPZQ, m.dm.SalaryReportM4ZQ,
                         m.dm.SalaryReportRegisterEmployeeZQ, m.dm.SalaryReportRegisterIncomeZQ,
                         m.dm.SalaryReportUnifiedCollectionZQ, m.dm.SalaryReportPPPPOZQ, m.dm.AddZQ}) {
        SCOPED_TRACE(q->name().toStdString());
        ASSERT_NO_THROW(q->open());
        if (q == m.dm.AddZQ)
            continue;
        for (const ColumnDef& column : SalaryTable(q->updateTable()).columns) {
            TField* f = q->findField(column.name);
            ASSERT_NE(nullptr, f) << column.name.toStdString();
            EXPECT_TRUE(f->stored());
            EXPECT_EQ(column.label.isEmpty() ? column.name : column.label, f->displayLabel());
        }
    }
}

TEST(SalaryDM, LineDatasetComputesItsShareColumnsAndCarriesTheEmployee) {
    REQUIRE_TEST_DATABASE();
    Module m;
    const qint64 employee = m.addEmployee(QStringLiteral("007"), QStringLiteral("Đurić"));
    const qint64 second = m.addEmployee(QStringLiteral("008"), QStringLiteral("Đurić"));
    m.c.exec(QStringLiteral("INSERT INTO salary (salaryid, salarynumber) VALUES (9, 1)"));
    // 160 regular hours and 16 night hours: the regular-work share is 160/176.
    m.c.exec(QStringLiteral("INSERT INTO salaryitem (salaryid, employeeid, regularwork, decrement, increment, "
                            "workinghours, nightworkinghours, paymentdecreasedvalue, paymentnetvalue, sort) "
                            "VALUES (9, ?, 100000, 5000, 2200, 160, 16, 60000, 55000, 1)"),
             {employee});
    m.c.exec(QStringLiteral("INSERT INTO salaryitem (salaryid, employeeid, regularwork, decrement, sort) "
                            "VALUES (9, ?, 0, 5000, 2)"),
             {second});
    m.dm.SalaryItemZQ->setParam(QStringLiteral("IDSalary"), 9);
    m.dm.SalaryItemZQ->open();
    ASSERT_EQ(2, m.dm.SalaryItemZQ->recordCount());
    TField* dec = m.dm.SalaryItemZQ->fieldByName(QStringLiteral("decrementperc"));
    TField* inc = m.dm.SalaryItemZQ->fieldByName(QStringLiteral("incrementperc"));
    m.dm.SalaryItemZQ->first();
    EXPECT_NEAR(5000.0 / 100000 * 100 * 160 / 176, dec->asFloat(), 1e-9);
    EXPECT_NEAR(2200.0 / 100000 * 100 * 160 / 176, inc->asFloat(), 1e-9);
    EXPECT_EQ(5000.0, m.dm.SalaryItemZQ->fieldByName(QStringLiteral("credits"))->asFloat());
    EXPECT_EQ(QStringLiteral("Đurić"), m.dm.SalaryItemZQ->fieldByName(QStringLiteral("lastname"))->asString());
    EXPECT_EQ(95000.0, m.dm.SalaryItemZQ->fieldByName(QStringLiteral("arrangedsalaryvalue"))->asFloat());
    EXPECT_FALSE(m.dm.SalaryItemZQ->fieldByName(QStringLiteral("lastname"))->stored());
    m.dm.SalaryItemZQ->next();
    EXPECT_EQ(0.0, dec->asFloat());  // no regular work: no share

    m.c.exec(QStringLiteral("INSERT INTO salaryitemdifference (salaryitemid, differencename, differencevalue) "
                            "SELECT salaryitemid, 'Razlika', 1000 FROM salaryitem WHERE sort = 1"));
    m.dm.SalaryItemDifferenceZQ->setParam(QStringLiteral("idsalaryitem"),
                                          m.c.scalar(QStringLiteral("SELECT salaryitemid FROM salaryitem WHERE sort = 1")));
    m.dm.SalaryItemDifferenceZQ->open();
    // Overtime and the like are left out; 16 night hours are in.
    EXPECT_NEAR(1000.0 / 100000 * 100 * 160 / 176,
                m.dm.SalaryItemDifferenceZQ->fieldByName(QStringLiteral("differenceperc"))->asFloat(), 1e-9);
}

TEST(SalaryDM, LineEditsAreCachedUntilAppliedAndEmployeeColumnsAreNeverWritten) {
    REQUIRE_TEST_DATABASE();
    Module m;
    const qint64 employee = m.addEmployee(QStringLiteral("1"), QStringLiteral("Petrović"));
    m.c.exec(QStringLiteral("INSERT INTO salary (salaryid, salarynumber) VALUES (3, 1)"));
    TSqlQuery* items = m.dm.SalaryItemZQ;
    items->setParam(QStringLiteral("IDSalary"), 3);
    items->open();
    m.dm.SetConfirmDeletes(false);
    items->append();
    items->fieldByName(QStringLiteral("salaryid"))->setAsLargeInt(3);
    items->fieldByName(QStringLiteral("employeeid"))->setAsLargeInt(employee);
    items->fieldByName(QStringLiteral("coefficient"))->setAsFloat(1.5);
    items->fieldByName(QStringLiteral("netcoefficient"))->setAsFloat(1.2);
    items->fieldByName(QStringLiteral("sickpercent"))->setAsFloat(65);
    items->fieldByName(QStringLiteral("sort"))->setAsInteger(1);
    items->fieldByName(QStringLiteral("lastname"))->setAsString(QStringLiteral("samo za prikaz"));
    for (int i = 0; i < items->fieldCount(); ++i)
        if (items->field(i)->stored() && items->field(i)->required() && items->field(i)->isNull())
            items->field(i)->setAsFloat(0);
    items->post();
    EXPECT_EQ(0, m.c.scalar(QStringLiteral("SELECT COUNT(*) FROM salaryitem")).toInt());
    items->applyUpdates();
    EXPECT_EQ(1, m.c.scalar(QStringLiteral("SELECT COUNT(*) FROM salaryitem")).toInt());
    EXPECT_EQ(QStringLiteral("Petrović"),
              m.c.scalar(QStringLiteral("SELECT lastname FROM employee WHERE employeeid = ?"), {employee}).toString());
    EXPECT_GT(items->fieldByName(QStringLiteral("salaryitemid"))->asLargeInt(), 0);
}

TEST(SalaryDM, APostWithAnEmptyRequiredValueIsRefusedAndStaysInEdit) {
    REQUIRE_TEST_DATABASE();
    Module m;
    TSqlQuery* salary = m.dm.SalaryZQ;
    salary->open();
    salary->append();
    salary->fieldByName(QStringLiteral("baudvalue"))->setAsFloat(0);  // must be above zero
    EXPECT_THROW(salary->post(), EAbort);
    EXPECT_EQ(DataSetState::Insert, salary->state());
    ASSERT_EQ(1u, m.messages.shown.size());
    EXPECT_EQ(QString::fromUtf8(_CMN_FIELD_INVALIDE_ERR).arg(QStringLiteral("Vrednost boda")), m.messages.shown[0].text);
    EXPECT_EQ(0, m.c.scalar(QStringLiteral("SELECT COUNT(*) FROM salary")).toInt());
}

TEST(SalaryDM, StatusAndTypeShowTheirCaptions) {
    REQUIRE_TEST_DATABASE();
    Module m;
    m.c.exec(QStringLiteral("INSERT INTO salary (salarytype, status) VALUES ('B', 'p')"));
    m.dm.SalaryZQ->setSQL(QStringLiteral("SELECT DISTINCT s.* FROM salary AS s"));
    m.dm.SalaryZQ->open();
    EXPECT_EQ(QString::fromUtf8(_DOC_REG_STATUS_CAPTION), m.dm.SalaryZQ->fieldByName(QStringLiteral("status"))->displayText());
    EXPECT_EQ(QString::fromUtf8(_SALARY_SICK_CAPTION), m.dm.SalaryZQ->fieldByName(QStringLiteral("salarytype"))->displayText());
}

TEST(SalaryDM, OptionsHaveTheirDefaultsOnAnEmptyStoreAndFollowIt) {
    REQUIRE_TEST_DATABASE();
    Module m;
    EXPECT_EQ(TSalaryOptions(), m.dm.Options);

    TSalaryOptions changed;
    changed.RoundTaxes = true;
    changed.SickCoef = 70;
    changed.ProportionallyCalculateTaxTransport = false;
    changed.EmployerPensionInsuranceAccount = QStringLiteral("840-1-2");
    TDBIniFile store(m.c);
    WriteSalaryOptions(store, changed);
    store.WriteBool(MailClientSection, QStringLiteral("Outlook"), true);
    changed.Outlook = true;
    m.dm.LoadOptions();
    EXPECT_EQ(changed, m.dm.Options);
}

TEST(SalaryDM, WithoutAConnectionNothingIsRead) {
    TSalaryDM dm;
    dm.Options.SickCoef = 1;
    dm.LoadOptions();
    EXPECT_EQ(1, dm.Options.SickCoef);
    EXPECT_THROW(dm.SalaryZQ->open(), EDatabaseError);
}
