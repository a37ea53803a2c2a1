#include "SalaryDM.h"
#include "ScriptedMessages.h"
#include "TestDatabase.h"
#include "db/DbError.h"

#include <gtest/gtest.h>

namespace {

// One applied default set: a contribution and a chamber item with a second reference.
struct TaxRates : ::testing::Test {
    TestDatabase db;
    Connection* c = nullptr;
    TSalaryDM dm;
    ScriptedMessages messages{ScriptedMessages::AnswerPolicy::Fail};
    qint64 oldSet = 0;

    void SetUp() override {
        REQUIRE_TEST_DATABASE();
        c = &db.open();
        dm.SetZConnection(c);
        dm.SetMessages(&messages);
        c->exec(QStringLiteral("INSERT INTO salarytax (defaulttax) VALUES ('y')"));
        oldSet = c->lastInsertId();
        const QString item = QStringLiteral(
            "INSERT INTO salarytaxitem (salarytaxid, taxname, taxpercent, taxfreevalue, taxbankaccount, taxstatus, "
            "maxsalary, minsalary, employeecommunitypaymentcode, chamber, paymentcode2) "
            "VALUES (?, ?, ?, 0, '840-1', 's', 'y', 'y', 'n', ?, ?)");
        c->exec(item, {oldSet, QStringLiteral("PIO"), 14, QStringLiteral("n"), QStringLiteral("97 11")});
        c->exec(item, {oldSet, QStringLiteral("Komora"), 0.1, QStringLiteral("y"), QStringLiteral("97 22")});
        dm.ConnectTaxRateHandlers();
    }

    int defaults() { return c->scalar(QStringLiteral("SELECT COUNT(*) FROM salarytax WHERE defaulttax = 'y'")).toInt(); }
    QVariant field(const char* name) { return dm.SalaryTaxItemZQ->fieldByName(QLatin1String(name))->value(); }
};

}  // namespace

TEST_F(TaxRates, ANewSetCopiesTheDefaultWithoutTheSecondReferenceAndBecomesTheOnlyDefault) {
    dm.OpenTaxItems();
    EXPECT_EQ(2, dm.SalaryTaxItemZQ->recordCount()) << "chamber items are edited too";

    dm.OpenNewRates();
    EXPECT_EQ(DataSetState::Insert, dm.SalaryTaxZQ->state());
    ASSERT_EQ(2, dm.SalaryTaxItemZQ->recordCount());
    EXPECT_EQ(QStringLiteral("PIO"), field("taxname").toString());
    EXPECT_TRUE(field("paymentcode2").toString().isEmpty());
    dm.SalaryTaxItemZQ->edit();
    dm.SalaryTaxItemZQ->fieldByName(QStringLiteral("taxpercent"))->setAsFloat(14.5);
    dm.SalaryTaxItemZQ->post();
    dm.SalaryTaxItemZQ->append();
    dm.SalaryTaxItemZQ->fieldByName(QStringLiteral("taxname"))->setAsString(QStringLiteral("Porez"));
    dm.SalaryTaxItemZQ->fieldByName(QStringLiteral("taxbankaccount"))->setAsString(QStringLiteral("840-2"));
    dm.SalaryTaxItemZQ->post();

    dm.ApplyNewRates();
    EXPECT_EQ(1, defaults());
    const qint64 newSet = c->scalar(QStringLiteral("SELECT salarytaxid FROM salarytax WHERE defaulttax = 'y'")).toLongLong();
    EXPECT_NE(oldSet, newSet);
    EXPECT_EQ(3, c->scalar(QStringLiteral("SELECT COUNT(*) FROM salarytaxitem WHERE salarytaxid = ?"), {newSet}).toInt());
    EXPECT_EQ(14.0, c->scalar(QStringLiteral("SELECT taxpercent FROM salarytaxitem WHERE salarytaxid = ? AND taxname = 'PIO'"),
                              {oldSet}).toDouble())
        << "the old set keeps its rates";
    EXPECT_EQ(DataSetState::Browse, dm.SalaryTaxZQ->state());
}

TEST_F(TaxRates, CancellingANewSetStoresNothing) {
    dm.OpenTaxItems();
    dm.OpenNewRates();
    dm.CancelNewRates();
    EXPECT_EQ(1, c->scalar(QStringLiteral("SELECT COUNT(*) FROM salarytax")).toInt());
    EXPECT_EQ(2, c->scalar(QStringLiteral("SELECT COUNT(*) FROM salarytaxitem")).toInt());
}

TEST_F(TaxRates, WithoutADefaultSetTheEditorStartsComposingAnEmptyOne) {
    c->exec(QStringLiteral("UPDATE salarytax SET defaulttax = 'n'"));
    dm.OpenTaxItems();
    EXPECT_EQ(DataSetState::Insert, dm.SalaryTaxZQ->state());
    EXPECT_EQ(0, dm.SalaryTaxItemZQ->recordCount());
}

TEST_F(TaxRates, ASetADocumentUsesCannotBeChanged) {
    c->exec(QStringLiteral("INSERT INTO salary (salarytype, year, month, salarytaxid) VALUES ('Z', 2025, 1, ?)"), {oldSet});
    dm.OpenTaxItems();
    dm.SalaryTaxItemZQ->edit();
    dm.SalaryTaxItemZQ->fieldByName(QStringLiteral("taxpercent"))->setAsFloat(20);
    EXPECT_THROW(dm.SalaryTaxItemZQ->post(), EAbort);
    EXPECT_THROW(dm.SalaryTaxItemZQ->remove(), EAbort);
    ASSERT_EQ(2u, messages.shown.size());
    EXPECT_EQ(MessageKind::Warning, messages.shown[0].kind);
}

TEST(TaxRateTexts, StatusAndYesNoEntryStoreTheirCodesAnyOtherTextIsTheOtherCode) {
    EXPECT_EQ(QStringLiteral("s"), TSalaryDM::TaxStatusOfText(QStringLiteral("Na teret zaposlenog")));
    EXPECT_EQ(QStringLiteral("a"), TSalaryDM::TaxStatusOfText(QStringLiteral("Na teret poslodavca")));
    EXPECT_EQ(QStringLiteral("a"), TSalaryDM::TaxStatusOfText(QStringLiteral("na teret zaposlenog")));
    EXPECT_EQ(QStringLiteral("y"), TSalaryDM::FlagOfText(QStringLiteral("Da")));
    EXPECT_EQ(QStringLiteral("n"), TSalaryDM::FlagOfText(QStringLiteral("da")));
}
