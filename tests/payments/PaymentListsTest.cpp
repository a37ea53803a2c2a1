#include "PaymentMonth.h"

#include "CalcRounding.h"
#include "CliSession.h"
#include "PaymentLists.h"
#include "RateGlobals.h"

// The payment list rows: a line's contributions and tax are the very
// amounts its net was calculated from, its earlier payments of the month
// come from the latest earlier document that paid the employee, and the
// statutory decrease changes only the decreased view.

namespace {

using PaymentLists = PaymentMonth;


TEST_F(PaymentLists, ContributionsAndTaxAreTheAmountsTheNetWasCalculatedFrom) {
    const qint64 id = month(QStringLiteral("2025-04-10"));
    const QJsonArray lists = paymentLists(id);
    ASSERT_EQ(5, lists.size());
    for (const QJsonValue& value : lists) {
        const QJsonObject row = value.toObject();
        const QJsonObject stored = line(id, row.value(QStringLiteral("code")).toString());
        SCOPED_TRACE(row.value(QStringLiteral("code")).toString().toStdString());
        EXPECT_DOUBLE_EQ(number(stored, "salaryvalue"), number(row, "salaryvalue"));
        EXPECT_DOUBLE_EQ(number(stored, "paymentvalue"), number(row, "paymentvalue"));
        EXPECT_NEAR(number(row, "salaryvalue") - number(row, "sub11") - number(row, "sub2"), number(row, "paymentvalue"),
                    0.001);
        EXPECT_NEAR(number(row, "sub111") + number(row, "sub112") + number(row, "sub113"), number(row, "sub11"), 0.001);
        EXPECT_NEAR(number(row, "sub121") + number(row, "sub122") + number(row, "sub123"), number(row, "sub12"), 0.001);
        // The first payment of the month: nothing earlier, all of it is paid now.
        EXPECT_EQ(0, number(row, "prevsalaryvalue"));
        EXPECT_DOUBLE_EQ(number(row, "paymentnetvalue"), number(row, "cash"));
    }
    // 120 000 gross above the minimum base: every item on the gross, the
    // tax above the tax-free amount.
    const QJsonObject ana = byCode(lists, "001");
    EXPECT_DOUBLE_EQ(120000, number(ana, "sub1base"));
    EXPECT_DOUBLE_EQ(16800, number(ana, "sub111"));
    EXPECT_DOUBLE_EQ(6180, number(ana, "sub112"));
    EXPECT_DOUBLE_EQ(900, number(ana, "sub113"));
    EXPECT_DOUBLE_EQ(12000, number(ana, "sub121"));
    EXPECT_DOUBLE_EQ(6180, number(ana, "sub122"));
    EXPECT_DOUBLE_EQ(28423, number(ana, "sub2basesub"));
    EXPECT_DOUBLE_EQ(9157.7, number(ana, "sub2"));
    EXPECT_DOUBLE_EQ(14, number(ana, "contributioncoef11"));
    EXPECT_DOUBLE_EQ(10, number(ana, "taxcoef"));
    EXPECT_EQ(0, number(ana, "sub124"));
    // A working pensioner pays neither health nor unemployment.
    const QJsonObject pensioner = byCode(lists, "003");
    EXPECT_EQ(0, number(pensioner, "sub112"));
    EXPECT_EQ(0, number(pensioner, "sub113"));
    EXPECT_DOUBLE_EQ(11200, number(pensioner, "sub111"));
    // Increased insurance service of state 11: 3.7 % of the base.
    EXPECT_DOUBLE_EQ(5550, number(byCode(lists, "004"), "sub124"));
}

TEST_F(PaymentLists, RowsDoNotDependOnTheRatesOfTheDocumentOpenedLast) {
    const qint64 id = month(QStringLiteral("2025-04-10"));
    QString shown;
    QTextStream out(&shown);
    CliSession session(CliContext{db.url(), {}, out, out});
    session.OpenDocument(id);
    PreparePaymentLists(session.dm(), true, 0);
    const QJsonArray before = paymentLists(id);
    // Rates of another set, as another document would have left them.
    TRateItems other(4);
    other[0].percent = 30; other[0].rate = 0.3; other[0].employee = true; other[0].minBase = true;
    other[1].percent = 20; other[1].rate = 0.2; other[1].employee = true; other[1].minBase = true;
    other[2].percent = 10; other[2].rate = 0.1; other[2].employee = true; other[2].minBase = true;
    other[3].percent = 5.15; other[3].rate = 0.0515; other[3].employee = true;
    AssignRateGlobals(other);
    PreparePaymentLists(session.dm(), true, 0);
    TDataSet& rows = *session.dm().PaymentListsItemCDS;
    for (int r = 0; r < rows.recordCount(); ++r)
        for (const char* column : {"sub11", "sub112", "sub113", "sub2", "sub12", "paymentvalue"})
            EXPECT_DOUBLE_EQ(before[r].toObject().value(QLatin1String(column)).toDouble(),
                             rows.valueAt(r, rows.fieldByName(QLatin1String(column))->index()).toDouble())
                << column;
    ResetRateGlobals();
}

TEST_F(PaymentLists, EarlierPaymentsComeFromTheLatestEarlierDocumentThatPaidTheEmployee) {
    // An advance for everyone, then a second one for Ana alone, then the final payment.
    const qint64 advance = month(QStringLiteral("2025-03-20"));
    post(advance);
    const qint64 second = month(QStringLiteral("2025-03-27"));
    for (const char* code : {"002", "003", "004", "005"})
        ok({QStringLiteral("line"), QStringLiteral("delete"), QString::number(second), QLatin1String(code)});
    ok(lineSet(second, QStringLiteral("001"), {QStringLiteral("workinghours=100")}));
    post(second);
    // Not posted, or paid in another month: not earlier payments.
    month(QStringLiteral("2025-03-28"));
    const qint64 final = month(QStringLiteral("2025-04-10"));
    const QJsonArray lists = paymentLists(final);

    const QJsonObject ana = byCode(lists, "001");
    const QJsonObject anaSecond = line(second, QStringLiteral("001"));
    EXPECT_DOUBLE_EQ(number(anaSecond, "salaryvalue"), number(ana, "prevsalaryvalue"));
    EXPECT_DOUBLE_EQ(number(anaSecond, "paymentvalue"), number(ana, "prevpaymentvalue"));
    EXPECT_NEAR(number(anaSecond, "salaryvalue") - number(anaSecond, "paymentvalue"), number(ana, "prevtaxvalue"), 0.001);
    EXPECT_NEAR(number(ana, "paymentnetvalue") - number(anaSecond, "paymentvalue"), number(ana, "cash"), 0.001);
    // Its contributions and tax recomputed from the earlier line: 100 of 176 hours.
    const QJsonObject anaSecondRow = byCode(paymentLists(second), "001");
    EXPECT_DOUBLE_EQ(number(anaSecondRow, "sub11"), number(ana, "prevsub11"));
    EXPECT_DOUBLE_EQ(number(anaSecondRow, "sub2"), number(ana, "prevsub2"));
    EXPECT_DOUBLE_EQ(number(anaSecondRow, "sub2basesub"), number(ana, "prevsub2basesub"));

    // Đorđe is missing from the second advance: the first one counts.
    const QJsonObject djordje = byCode(lists, "002");
    EXPECT_DOUBLE_EQ(number(line(advance, QStringLiteral("002")), "salaryvalue"), number(djordje, "prevsalaryvalue"));
    EXPECT_NEAR(number(djordje, "paymentnetvalue") - number(line(advance, QStringLiteral("002")), "paymentvalue"),
                number(djordje, "cash"), 0.001);

    // The recapitulation carries the earlier payments of the month.
    const QJsonObject recap = recapitulation(final).at(0).toObject();
    EXPECT_NEAR(total(lists, "prevsalaryvalue"), number(recap, "prevsalaryvalue"), 0.005);
    EXPECT_NEAR(total(lists, "cash"), number(recap, "cash"), 0.005);
}

TEST_F(PaymentLists, TheDecreasedViewTakesTheDecreasedNetAndItsGross) {
    const qint64 id = month(QStringLiteral("2025-04-10"),
                            {QStringLiteral("netdecreasepercent=10"), QStringLiteral("netdecreaseminvalue=60000")});
    const QJsonArray decreased = paymentLists(id);
    const QJsonArray full = paymentLists(id, {QStringLiteral("--not-decreased")});
    bool anyDecreased = false;
    for (const QJsonValue& value : decreased) {
        const QString code = value.toObject().value(QStringLiteral("code")).toString();
        const QJsonObject stored = line(id, code);
        const QJsonObject d = value.toObject();
        const QJsonObject f = byCode(full, code.toLatin1().constData());
        SCOPED_TRACE(code.toStdString());
        EXPECT_DOUBLE_EQ(number(stored, "paymentdecreasedvalue"), number(d, "paymentvalue"));
        EXPECT_DOUBLE_EQ(number(stored, "paymentvalue"), number(f, "paymentvalue"));
        EXPECT_DOUBLE_EQ(number(stored, "salaryvalue"), number(f, "salaryvalue"));
        EXPECT_DOUBLE_EQ(number(stored, "paymentnetvalue"), number(d, "paymentnetvalue"));
        EXPECT_DOUBLE_EQ(number(d, "credits"), number(f, "credits"));
        if (number(stored, "paymentdecreasedvalue") < number(stored, "paymentvalue")) {
            anyDecreased = true;
            EXPECT_LT(number(d, "salaryvalue"), number(f, "salaryvalue"));
            EXPECT_DOUBLE_EQ(number(d, "salaryvalue"), number(d, "comparedecreasedgross"));
        } else {
            EXPECT_DOUBLE_EQ(number(f, "salaryvalue"), number(d, "salaryvalue"));
        }
    }
    EXPECT_TRUE(anyDecreased);
    const QJsonObject recap = recapitulation(id).at(0).toObject();
    const QJsonObject recapFull = recapitulation(id, {QStringLiteral("--not-decreased")}).at(0).toObject();
    EXPECT_GT(number(recap, "totaldecrease"), 0);
    EXPECT_NEAR(number(recap, "totalnotdecreased") - number(recap, "totalcost"), number(recap, "totaldecrease"), 0.001);
    EXPECT_DOUBLE_EQ(number(recapFull, "totalcost"), number(recap, "totalnotdecreased"));
    EXPECT_EQ(0, number(recapFull, "totaldecrease"));
    EXPECT_DOUBLE_EQ(number(recapFull, "totalcost"), number(recapFull, "totalnotdecreased"));
}

}  // namespace
