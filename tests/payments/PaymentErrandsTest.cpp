#include "PaymentMonth.h"

#include "CliSession.h"
#include "PaymentErrands.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// The payment orders of a month: one for all taxes and contributions net of
// the month's earlier payments, one per employee account, one per chamber,
// one per deduction recipient; the e-banking road keeps only what is paid.

namespace {

struct PaymentOrders : PaymentMonth {
    void SetUp() override {
        PaymentMonth::SetUp();
        if (IsSkipped())
            return;
        ok({QStringLiteral("settings"), QStringLiteral("set"), QStringLiteral("CompanyInfo"),
            QStringLiteral("Name=Javor d.o.o."), QStringLiteral("Address=Glavna 1"), QStringLiteral("City=Čačak"),
            QStringLiteral("BankAccount=160-0000000456789-28")});
        c->exec(QStringLiteral("INSERT INTO currency (code, status) VALUES ('RSD', 'primary')"));
        setAccount("001", "160-1-11", "Banka Intesa");
        setAccount("002", "205-2-22", "Komercijalna banka");
        setAccount("003", "170-3-33", "Unicredit");
        setAccount("004", "265-4-44", "Raiffeisen");
        setAccount("005", "325-5-55", "OTP");
    }

    void setAccount(const char* code, const char* account, const char* bank) {
        c->exec(QStringLiteral("UPDATE employee SET account = ?, bankname = ?, address = ?, city = 'Niš' WHERE code = ?"),
                {QLatin1String(account), QLatin1String(bank), QStringLiteral("Ulica ") + QLatin1String(code),
                 QLatin1String(code)});
    }

    QJsonArray orders(qint64 id, const QStringList& options = {}) {
        return rows(QStringList{QStringLiteral("orders"), QString::number(id), QStringLiteral("--account"),
                                QStringLiteral("160-0000000999999-99"), QStringLiteral("--reference"),
                                QStringLiteral("2025-03")}
                    + options);
    }

    // A deduction set in force for the employee: (name, amount, account,
    // reference, expiry date or NULL) tuples.
    void deductions(const char* code, const QString& items) {
        const QVariant employee =
            c->scalar(QStringLiteral("SELECT employeeid FROM employee WHERE code = ?"), {QLatin1String(code)});
        c->exec(QStringLiteral("INSERT INTO salarycredit (employeeid, defaultcredit) VALUES (?, 'y')"), {employee});
        const QVariant set = c->scalar(QStringLiteral("SELECT MAX(salarycreditid) FROM salarycredit"));
        c->exec(QStringLiteral("INSERT INTO salarycredititem (salarycreditid, creditname, creditpercent, "
                               "creditgrosspercent, creditvalue, paycode, creditbankaccount, paymentmodel, "
                               "paymentcode, expirydate) SELECT ?, n, 0, 0, v, '290', a, '97', r, e FROM (")
                    + items + QStringLiteral(") AS i"),
                {set});
    }

    static QString text(const QJsonValue& row, const char* column) {
        return row.toObject().value(QLatin1String(column)).toString();
    }
    static double amount(const QJsonValue& row, const char* column) { return number(row.toObject(), column); }

    // The texts of an order that say where its money goes.
    static QStringList recipientOf(const QJsonValue& order) {
        QStringList texts;
        for (const char* column : {"description", "recipient", "recipientaddress", "recipientcity", "paycode",
                                   "recipientbankaccount", "recipientmodel", "recipientcode"})
            texts << text(order, column);
        return texts;
    }
};

TEST_F(PaymentOrders, TaxesThenNetPayByAccountThenChambers) {
    const qint64 id = month(QStringLiteral("2025-04-10"));
    const QJsonArray set = orders(id);
    ASSERT_EQ(8, set.size());
    const QJsonObject recapitulation = this->recapitulation(id).at(0).toObject();
    for (const QJsonValue& order : set) {
        EXPECT_EQ(QStringLiteral("Javor d.o.o. Glavna 1 Čačak"), text(order, "company"));
        EXPECT_EQ(QStringLiteral("RSD"), text(order, "currency"));
        EXPECT_EQ(QStringLiteral("160-0000000999999-99"), text(order, "companybankaccount"));
    }

    // Every contribution of employees and employer and the income tax.
    const QJsonValue taxes = set.at(0);
    EXPECT_EQ((QStringList{"PID-4-2025", "Poreska uprava", "Glavna 1", QStringLiteral("Čačak"), "254", "840-4848-37",
                           "97", "2025-03"}),
              recipientOf(taxes));
    EXPECT_NEAR(number(recapitulation, "sub11") + number(recapitulation, "sub12") + number(recapitulation, "sub124")
                    + number(recapitulation, "sub2"),
                amount(taxes, "value"), 0.02);

    // Net pay in the order of the accounts, each with what its row pays now.
    const QJsonArray lists = paymentLists(id);
    const char* const byAccount[] = {"001", "003", "002", "004", "005"};
    for (int i = 0; i < 5; ++i) {
        const QJsonValue order = set.at(1 + i);
        const QJsonObject row = byCode(lists, byAccount[i]);
        SCOPED_TRACE(byAccount[i]);
        EXPECT_EQ((QStringList{"Zarada za 3.2025.",
                               row.value(QStringLiteral("firstname")).toString() + QLatin1Char(' ')
                                   + row.value(QStringLiteral("lastname")).toString(),
                               QStringLiteral("Ulica ") + QLatin1String(byAccount[i]), QStringLiteral("Niš"), "240",
                               row.value(QStringLiteral("account")).toString(), "97", "2025-03"}),
                  recipientOf(order));
        EXPECT_EQ(number(row, "cash"), amount(order, "value"));
    }

    // One order per chamber, as the chambers fee computes it.
    const QJsonArray chambers = rows({QStringLiteral("chambers"), QString::number(id)});
    ASSERT_EQ(2, chambers.size());
    EXPECT_EQ(QStringLiteral("Privredna komora"), text(set.at(6), "recipient"));
    EXPECT_EQ(QStringLiteral("Komora za 3.2025., 0.10 proc."), text(set.at(6), "description"));
    EXPECT_EQ(QStringLiteral("840-4-00"), text(set.at(6), "recipientbankaccount"));
    EXPECT_EQ(QStringLiteral("97"), text(set.at(6), "recipientmodel"));
    EXPECT_EQ(amount(chambers.at(1), "taxvalue"), amount(set.at(6), "value"));
    EXPECT_EQ(QStringLiteral("Komora za 3.2025., 0.15 proc."), text(set.at(7), "description"));
    EXPECT_EQ(amount(chambers.at(0), "taxvalue"), amount(set.at(7), "value"));
}

TEST_F(PaymentOrders, EqualAccountsMergeIntoOneOrderToTheBankAndMissingAccountsFollowTheOption) {
    setAccount("001", "160-7-77", "Banka A");
    setAccount("002", "160-7-77", "Banka B");
    c->exec(QStringLiteral("UPDATE employee SET account = NULL WHERE code = '003'"));
    c->exec(QStringLiteral("UPDATE employee SET paymentcode = '-' WHERE code = '004'"));
    const qint64 id = month(QStringLiteral("2025-04-10"));
    const QJsonArray lists = paymentLists(id);
    QJsonArray set = orders(id);
    ASSERT_EQ(7, set.size());
    // Without the option the employee without an account is paid too, first by account.
    EXPECT_EQ(QStringLiteral("Žarko Čolić"), text(set.at(1), "recipient"));
    EXPECT_EQ(QString(), text(set.at(1), "recipientbankaccount"));
    // Two employees at one account: one order to the bank, for both.
    const QJsonValue bank = set.at(2);
    EXPECT_EQ(QStringLiteral("Banka B"), text(bank, "recipient"));
    EXPECT_EQ(QStringLiteral("Glavna 1"), text(bank, "recipientaddress"));
    EXPECT_EQ(QStringLiteral("Čačak"), text(bank, "recipientcity"));
    EXPECT_NEAR(number(byCode(lists, "001"), "cash") + number(byCode(lists, "002"), "cash"), amount(bank, "value"),
                0.001);
    EXPECT_EQ(QStringLiteral("Vesna Lukić"), text(set.at(3), "recipient"));

    // With the option, neither a missing account nor the payment code "-" gets an order.
    ok({QStringLiteral("options"), QStringLiteral("set"), QStringLiteral("NotPrintErrandWithoutAccount=da")});
    set = orders(id);
    ASSERT_EQ(5, set.size());
    EXPECT_EQ(QStringLiteral("Banka B"), text(set.at(1), "recipient"));
    EXPECT_EQ(QStringLiteral("Petar Vasić"), text(set.at(2), "recipient"));
}

TEST_F(PaymentOrders, NothingLeftToPayForTaxesGivesNoTaxOrderAndNoQuestion) {
    post(month(QStringLiteral("2025-04-05")));
    const qint64 again = month(QStringLiteral("2025-04-10"));
    QString shown;
    QTextStream out(&shown);
    CliSession session(CliContext{db.url(), {}, out, out});
    session.OpenDocument(again);
    session.messages().answerText(QStringLiteral("160-0000000999999-99"));
    ASSERT_TRUE(PreparePaymentErrands(session.dm(), session.messages(), TErrandsRoad::Print));
    // Only the paying account was asked.
    ASSERT_EQ(1u, session.messages().shown.size());
    const TDataSet& set = *session.dm().PaymentErrandsCDS;
    // Five employees and two chambers, all of 0: the earlier document paid it all.
    ASSERT_EQ(7, set.recordCount());
    for (int r = 0; r < set.recordCount(); ++r) {
        EXPECT_NE(QStringLiteral("254"), set.valueAt(r, set.fieldByName(QStringLiteral("paycode"))->index()).toString());
        EXPECT_EQ(0, set.valueAt(r, set.fieldByName(QStringLiteral("value"))->index()).toDouble());
    }
    // The e-banking road carries nothing of 0 and asks nothing.
    ASSERT_TRUE(PreparePaymentErrands(session.dm(), session.messages(), TErrandsRoad::EBank));
    EXPECT_EQ(0, set.recordCount());
    EXPECT_EQ(1u, session.messages().shown.size());
}

TEST_F(PaymentOrders, DeductionsAreGatheredByRecipientAndExpiredOnesCountNothing) {
    deductions("001", QStringLiteral("SELECT 'Đurđa Ćosić' AS n, 1234.5 AS v, '160-5100-12' AS a, '11' AS r, NULL AS e "
                                     "UNION ALL SELECT 'Stara obustava', 300, '205-9-99', '5', '2025-04-01'"));
    deductions("002", QStringLiteral("SELECT 'Đurđa Ćosić' AS n, 100 AS v, '160-5100-12' AS a, '11' AS r, NULL AS e "
                                     "UNION ALL SELECT 'Đurđa Ćosić', 50, '160-5100-12', '12', NULL"));
    const qint64 id = month(QStringLiteral("2025-04-10"));
    const QJsonArray credits = orders(id, {QStringLiteral("--credits")});
    ASSERT_EQ(3, credits.size());
    EXPECT_EQ(QStringLiteral("160-5100-12"), text(credits.at(0), "creditbankaccount"));
    EXPECT_EQ(1334.5, amount(credits.at(0), "creditvalue"));
    EXPECT_EQ(QStringLiteral("11"), text(credits.at(0), "paymentcode"));
    EXPECT_EQ(50, amount(credits.at(1), "creditvalue"));
    EXPECT_EQ(QStringLiteral("Stara obustava"), text(credits.at(2), "creditname"));
    EXPECT_EQ(0, amount(credits.at(2), "creditvalue"));

    const QJsonArray set = orders(id);
    ASSERT_EQ(11, set.size());
    EXPECT_EQ(QStringLiteral("Obustava za 3.2025."), text(set.at(8), "description"));
    EXPECT_EQ(QStringLiteral("Đurđa Ćosić"), text(set.at(8), "recipient"));
    EXPECT_EQ(QStringLiteral("290"), text(set.at(8), "paycode"));
    EXPECT_EQ(1334.5, amount(set.at(8), "value"));
    EXPECT_EQ(0, amount(set.at(10), "value"));

    // The Halcom file has the deduction byte for byte, its account in 18
    // digits; the expired one and nothing else of 0 is in it.
    QTemporaryDir dir;
    const CliResult r = ok({QStringLiteral("ebank"), QStringLiteral("halcom"), QString::number(id),
                            QStringLiteral("--reference"), QStringLiteral("2025-03"), QStringLiteral("--dir"),
                            dir.path() + QLatin1Char('/')});
    const QStringList files = r.out.trimmed().split(QLatin1Char('\n'));
    ASSERT_EQ(1, files.size());
    QFile file(files.first());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(11, lines.size());  // ten orders and nothing after the last line end
    const QByteArray expected = "160000000000510012" "Djurdja Cosic" + QByteArray(22, ' ') + "Cacak     0"
        + QByteArray(25, ' ') + "Obustava za 3.2025." + QByteArray(17, ' ') + "00000 290  0000000133450" + "97"
        + "11" + QByteArray(21, ' ') + QDate::currentDate().toString(QStringLiteral("ddMMyy")).toLatin1() + "01\r";
    EXPECT_EQ(expected, lines.at(8));
    // Accounts a bank would refuse are named, and the file is written all the same.
    EXPECT_TRUE(r.err.contains(QStringLiteral("kontrolni broj"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("Đurđa Ćosić, račun 160000000000510012"))) << r.err.toStdString();
    EXPECT_FALSE(r.err.contains(QStringLiteral("Poreska uprava"))) << r.err.toStdString();
}

TEST_F(PaymentOrders, CancellingThePayingAccountBuildsNothing) {
    const qint64 id = month(QStringLiteral("2025-04-10"));
    QString shown;
    QTextStream out(&shown);
    CliSession session(CliContext{db.url(), {}, out, out});
    session.OpenDocument(id);
    session.messages().answerNo();
    EXPECT_FALSE(PreparePaymentErrands(session.dm(), session.messages(), TErrandsRoad::Print));
    EXPECT_EQ(0, session.dm().PaymentErrandsCDS->recordCount());
}

TEST_F(PaymentOrders, PrintedOrdersAreThreeToASheetOrOneAPageAndNoneOfZero) {
    const qint64 id = month(QStringLiteral("2025-04-10"));
    QTemporaryDir dir;
    const auto print = [&](qint64 document) {
        return ok({QStringLiteral("print"), QStringLiteral("SalaryPaymentErrandsEntire"), QString::number(document),
                   QStringLiteral("--account"), QStringLiteral("160-0000000999999-99"), QStringLiteral("--out"),
                   dir.filePath(QStringLiteral("nalozi.pdf"))})
            .out;
    };
    // Eight orders: three sheets of three.
    EXPECT_TRUE(print(id).endsWith(QStringLiteral("(3 str.)\n")));
    ok({QStringLiteral("options"), QStringLiteral("set"), QStringLiteral("PrintA4Errands=ne")});
    EXPECT_TRUE(print(id).endsWith(QStringLiteral("(8 str.)\n")));
}

}  // namespace
