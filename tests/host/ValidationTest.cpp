#include "FieldValidation.h"
#include "ScriptedMessages.h"
#include "db/DataSet.h"

#include <gtest/gtest.h>

namespace {

struct Row {
    TDataSet ds;
    TField* money = ds.addField(QStringLiteral("money"), FieldType::Float);
    TField* rate = ds.addField(QStringLiteral("rate"), FieldType::Float);
    TField* id = ds.addField(QStringLiteral("id"), FieldType::LargeInt);
    TField* text = ds.addField(QStringLiteral("text"), FieldType::String);
    TField* date = ds.addField(QStringLiteral("date"), FieldType::Date);
    Row() {
        money->setDisplayLabel(QStringLiteral("Iznos"));
        ds.open();
        ds.append();
    }
};

}  // namespace

TEST(FieldTests, AcceptWhatTheyShouldAndRefuseTheRest) {
    Row r;
    r.money->setAsFloat(0);
    EXPECT_TRUE(TestMoney(*r.money));
    EXPECT_FALSE(TestMoneyNoZero(*r.money));
    r.money->setAsFloat(-0.01);
    EXPECT_FALSE(TestMoney(*r.money));
    r.rate->setAsFloat(100);
    EXPECT_TRUE(TestTaxRate(*r.rate));
    r.rate->setAsFloat(100.01);
    EXPECT_FALSE(TestTaxRate(*r.rate));
    r.id->setAsLargeInt(0);
    EXPECT_FALSE(TestID(*r.id));
    r.id->setAsLargeInt(5);
    EXPECT_TRUE(TestID(*r.id));
    r.text->setAsString(QStringLiteral("   "));
    EXPECT_FALSE(TestZeroLength(*r.text));
    r.date->setAsDate(QDate(2025, 1, 31));
    EXPECT_TRUE(TestDate(*r.date));
}

TEST(Validator, ReportsTheFirstFailureWithTheFieldLabel) {
    Row r;
    ScriptedMessages messages;
    const TValidator validator({
        FieldValidation(r.money, true, TestMoneyNoZero, QStringLiteral("%1 je obavezno"), QStringLiteral("%1 nije dobro")),
        FieldValidation(r.rate, true, TestTaxRate, QStringLiteral("%1 je obavezno"), QStringLiteral("%1 nije dobro")),
    });
    EXPECT_FALSE(validator.Validate(r.ds, messages));
    ASSERT_EQ(1u, messages.shown.size());
    EXPECT_EQ(QStringLiteral("Iznos je obavezno"), messages.shown[0].text);

    r.money->setAsFloat(0);
    EXPECT_EQ(QStringLiteral("Iznos nije dobro"), validator.FirstFailure(r.ds));
    r.money->setAsFloat(10);
    EXPECT_EQ(QStringLiteral("rate je obavezno"), validator.FirstFailure(r.ds));
    r.rate->setAsFloat(20);
    EXPECT_TRUE(validator.Validate(r.ds, messages));
}
