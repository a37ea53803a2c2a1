#include "SalaryDM.h"
#include "ScriptedMessages.h"
#include "TestDatabase.h"

#include <gtest/gtest.h>

namespace {

// Two active employees; Ana has a default set with a loan (with a description) and a union fee.
struct CreditRates : ::testing::Test {
    TestDatabase db;
    Connection* c = nullptr;
    TSalaryDM dm;
    ScriptedMessages messages{ScriptedMessages::AnswerPolicy::Fail};
    qint64 ana = 0, marko = 0, anaSet = 0;

    void SetUp() override {
        REQUIRE_TEST_DATABASE();
        c = &db.open();
        dm.SetZConnection(c);
        dm.SetMessages(&messages);
        dm.ConnectCreditRateHandlers();
        ana = employee("7", "Anić", "Ana");
        marko = employee("", "Marković", "Marko");
        anaSet = set(ana, {{"Kredit", 0, 0, 5000, "160-1", "2099-12-31"}, {"Sindikat", 1, 0, 0, "205-9", ""}});
    }

    qint64 employee(const char* code, const char* last, const char* first) {
        c->exec(QStringLiteral("INSERT INTO employee (code, lastname, firstname, active) VALUES (?, ?, ?, 'y')"),
                {QString::fromUtf8(code), QString::fromUtf8(last), QString::fromUtf8(first)});
        return c->lastInsertId();
    }

    struct Item {
        const char* name;
        double percent, grossPercent, value;
        const char* account;
        const char* expiry;
    };
    qint64 set(qint64 employeeid, std::initializer_list<Item> items) {
        c->exec(QStringLiteral("INSERT INTO salarycredit (employeeid, defaultcredit) VALUES (?, 'y')"), {employeeid});
        const qint64 key = c->lastInsertId();
        for (const Item& i : items)
            c->exec(QStringLiteral("INSERT INTO salarycredititem (salarycreditid, creditname, creditpercent, "
                                   "creditgrosspercent, creditvalue, creditbankaccount, creditdescription, expirydate) "
                                   "VALUES (?, ?, ?, ?, ?, ?, 'ugovor 12', ?)"),
                    {key, QLatin1String(i.name), i.percent, i.grossPercent, i.value, QLatin1String(i.account),
                     *i.expiry ? QVariant(QDate::fromString(QLatin1String(i.expiry), Qt::ISODate))
                               : QVariant(QMetaType(QMetaType::QDate))});
        return key;
    }
    int defaultsOf(qint64 employeeid) {
        return c->scalar(QStringLiteral("SELECT COUNT(*) FROM salarycredit WHERE defaultcredit = 'y' AND employeeid = ?"),
                         {employeeid})
            .toInt();
    }
};

}  // namespace

TEST_F(CreditRates, ANewSetCopiesTheDeductionsWithoutDescriptionsAndBecomesTheOnlyDefault) {
    dm.OpenCreditItems(-1, ana);
    EXPECT_EQ(anaSet, dm.CreditRatesSetKey());
    EXPECT_EQ(2, dm.SalaryCreditItemZQ->recordCount());

    dm.OpenNewCreditItems(ana);
    EXPECT_TRUE(dm.ComposingCredits());
    ASSERT_EQ(2, dm.SalaryCreditItemZQ->recordCount());
    EXPECT_EQ(QStringLiteral("Kredit"), dm.SalaryCreditItemZQ->fieldByName(QStringLiteral("creditname"))->asString());
    EXPECT_TRUE(dm.SalaryCreditItemZQ->fieldByName(QStringLiteral("creditdescription"))->asString().isEmpty());
    EXPECT_EQ(QDate(2099, 12, 31), dm.SalaryCreditItemZQ->fieldByName(QStringLiteral("expirydate"))->asDate());
    dm.SalaryCreditItemZQ->append();
    EXPECT_EQ(QDate::currentDate(), dm.SalaryCreditItemZQ->fieldByName(QStringLiteral("expirydate"))->asDate());
    dm.SalaryCreditItemZQ->fieldByName(QStringLiteral("creditname"))->setAsString(QStringLiteral("Alimentacija"));
    dm.SalaryCreditItemZQ->fieldByName(QStringLiteral("creditbankaccount"))->setAsString(QStringLiteral("840-3"));
    dm.SalaryCreditItemZQ->post();

    dm.ApplyNewCredits(ana);
    EXPECT_EQ(1, defaultsOf(ana));
    EXPECT_NE(anaSet, dm.CreditRatesSetKey());
    EXPECT_EQ(3, c->scalar(QStringLiteral("SELECT COUNT(*) FROM salarycredititem WHERE salarycreditid = ?"),
                           {dm.CreditRatesSetKey()})
                     .toInt());
    EXPECT_EQ(2, c->scalar(QStringLiteral("SELECT COUNT(*) FROM salarycredititem WHERE salarycreditid = ?"), {anaSet}).toInt())
        << "the old set stays for the lines calculated with it";
}

TEST_F(CreditRates, AnEmployeeWithoutASetStartsComposingAnEmptyOneAndTemplatesAreCopied) {
    c->exec(QStringLiteral("INSERT INTO salarycredititemframe (creditname, creditpercent, creditgrosspercent, "
                           "creditvalue, creditbankaccount, creditdescription) VALUES ('Sindikat', 1, 0, 0, '205-9', 'x')"));
    dm.OpenCreditItems(-1, marko);
    EXPECT_TRUE(dm.ComposingCredits());
    EXPECT_EQ(0, dm.SalaryCreditItemZQ->recordCount());
    dm.SalaryCreditItemFrameZQ->open();
    dm.AppendCreditTemplate();
    ASSERT_EQ(1, dm.SalaryCreditItemZQ->recordCount());
    EXPECT_TRUE(dm.SalaryCreditItemZQ->fieldByName(QStringLiteral("creditdescription"))->asString().isEmpty());

    dm.CancelNewCredits();
    EXPECT_EQ(0, defaultsOf(marko));
    EXPECT_EQ(1, c->scalar(QStringLiteral("SELECT COUNT(*) FROM salarycredit")).toInt());
}

TEST_F(CreditRates, DeactivatingLeavesTheEmployeeWithoutADefaultSet) {
    dm.OpenCreditItems(-1, ana);
    dm.DeactivateCredits(ana);
    EXPECT_EQ(0, defaultsOf(ana));
    EXPECT_TRUE(dm.ComposingCredits()) << "the list is reopened: nothing in force";
    dm.CancelNewCredits();
}

TEST_F(CreditRates, TheChooserFindsEmployeesByCodeOrByNames) {
    const auto employees = dm.CreditEmployees();
    ASSERT_EQ(2, employees.size());
    EXPECT_EQ(QString::fromUtf8("Marković Marko"), employees[0].second) << "no code: names only";
    EXPECT_EQ(QString::fromUtf8("7  Anić Ana"), employees[1].second);
    EXPECT_EQ(ana, dm.CreditEmployeeOfText(QStringLiteral(" 7  whatever")));
    EXPECT_EQ(marko, dm.CreditEmployeeOfText(QString::fromUtf8("Marković Marko")));
    EXPECT_EQ(0, dm.CreditEmployeeOfText(QStringLiteral("Nepoznat")));
    EXPECT_EQ(1, dm.CreditEmployees(ana).size());
}

// A document paid on 2025-03-10 with lines of both employees; Marko pays the
// union too, into the same account as Ana.
TEST_F(CreditRates, PrintsSumByAccountListPerDeductionAndSkipExpiredOnes) {
    const qint64 markoSet = set(marko, {{"Sindikat", 1, 0, 0, "205-9", ""}, {"Stari kredit", 0, 0, 900, "160-2", "2025-03-09"}});
    c->exec(QStringLiteral("INSERT INTO salary (salarytype, year, month, paymentdate, status) VALUES ('Z', 2025, 2, '2025-03-10', 'n')"));
    const qint64 doc = c->lastInsertId();
    const QString line = QStringLiteral("INSERT INTO salaryitem (salaryid, employeeid, salarycreditid, salaryvalue, "
                                        "paymentdecreasedvalue, paymentvalue) VALUES (?, ?, ?, ?, ?, ?)");
    c->exec(line, {doc, ana, anaSet, 100000, 70000, 70000});
    c->exec(line, {doc, marko, markoSet, 80000, 60000, 60000});
    dm.SalarySearch({});
    dm.SalaryItemsOpen();

    ASSERT_TRUE(dm.PrepareCredits(TSalaryDM::TCreditsPrint::Summary));
    TDataSet& credits = *dm.CreditsCDS;
    ASSERT_EQ(2, credits.recordCount()) << "the expired loan takes nothing";
    credits.first();
    EXPECT_EQ(QStringLiteral("160-1"), credits.fieldByName(QStringLiteral("creditbankaccount"))->asString());
    EXPECT_EQ(5000.0, credits.fieldByName(QStringLiteral("creditvalue"))->asFloat());
    credits.next();
    EXPECT_EQ(QStringLiteral("205-9"), credits.fieldByName(QStringLiteral("creditbankaccount"))->asString());
    EXPECT_EQ(700.0 + 600.0, credits.fieldByName(QStringLiteral("creditvalue"))->asFloat());

    ASSERT_TRUE(dm.PrepareCredits(TSalaryDM::TCreditsPrint::Analytic));
    ASSERT_EQ(3, credits.recordCount());
    credits.first();
    EXPECT_EQ(QStringLiteral("Kredit"), credits.fieldByName(QStringLiteral("creditname"))->asString());
    credits.last();
    EXPECT_EQ(QString::fromUtf8("Marko Marković"), credits.fieldByName(QStringLiteral("employeename"))->asString());

    ASSERT_TRUE(dm.PrepareCredits(TSalaryDM::TCreditsPrint::AnalyticEmployee));
    credits.first();
    credits.next();
    EXPECT_EQ(QStringLiteral("Sindikat"), credits.fieldByName(QStringLiteral("creditname"))->asString())
        << "in the order of the lines";
    EXPECT_EQ(QString::fromUtf8("Ana Anić"), credits.fieldByName(QStringLiteral("employeename"))->asString());
}
