#include "PaymentMonth.h"

#include "AnnualLines.h"
#include "ReportM4.h"
#include "ReportPPP.h"
#include "SalaryDM.h"
#include "ScriptedMessages.h"
#include "db/DataSet.h"
#include "db/DbError.h"
#include "db/SqlQuery.h"

#include <QFile>
#include <QTemporaryDir>

// The annual PPP and M4: a year of posted documents adds up line by line to
// what the payment lists of each month say; service is counted in months,
// days carried by thirty; the files keep their fixed shapes.

namespace {

TEST(M4File, TwentyTwoFieldsPerLineAndThePositionAdvancesAfterTwentyLines) {
    TDataSet rows;
    for (const char* name : {"year", "employeename", "employeepersonalidentificator"})
        rows.addField(QLatin1String(name), FieldType::String, 60);
    for (const char* name : {"workingmonths", "workingdays", "taxbase", "taxvalue", "tax1base", "tax1value"})
        rows.addField(QLatin1String(name), FieldType::Float);
    rows.open();
    std::vector<std::vector<QVariant>> values;
    values.push_back({QStringLiteral("2025"), QStringLiteral("Ana Marija Ilić"), QStringLiteral("0101990710001"), 11.0,
                      5.0, 1234567.891, 296296.29, 60000.0, 14400.0});
    for (int i = 1; i < 21; ++i)
        values.push_back({QStringLiteral("2025"), QStringLiteral("Pera Perić"), QStringLiteral("0101990710002"), 12.0,
                          0.0, 1.0, 0.0, 0.0, 0.0});
    rows.appendRecords(std::move(values));
    TM4Export options{QStringLiteral("R7"), QStringLiteral("41"), QStringLiteral("REG9"), QStringLiteral("PIB1"),
                      QStringLiteral("BR2")};
    const QStringList lines = ReportM4FileLines(rows, options);
    ASSERT_EQ(21, lines.size());
    EXPECT_EQ(QStringLiteral("6") + "2025" + "R7" + "41" + "PIB1" + "REG9" + "00" + "BR2" + "0101990710001" + "11"
                  + "05" + "0000" + "0123456789" + "0029629629" + "0006000000" + "0001440000" + "0000" + "0000"
                  + "0000000000" + "Marija Ilić" + " " + "Ana",
              lines[0]);
    EXPECT_TRUE(lines[19].startsWith(QStringLiteral("62025R741PIB1"))) << lines[19].toStdString();
    EXPECT_TRUE(lines[20].startsWith(QStringLiteral("62025R742PIB1"))) << lines[20].toStdString();
    options.position = QStringLiteral("4a");
    EXPECT_THROW(ReportM4FileLines(rows, options), EDatabaseError);
}

struct AnnualYear : PaymentMonth {
    QTemporaryDir dir;

    void SetUp() override {
        PaymentMonth::SetUp();
        if (IsSkipped())
            return;
        identifyEmployees(
            QStringLiteral("city = 'Novi Sad', address = 'Žitni trg 5', vocation = 'Rudar', vocationcode = 'R1'"));
        c->exec(QStringLiteral("UPDATE employee SET firstname = 'Ana Marija' WHERE code = '001'"));
    }

    // A document of `type` for the month of 2025, paid on the 20th, with the
    // employees added (all, or those named); its key.
    qint64 document(const QString& type, int month, const QStringList& codes = {}, const QStringList& fields = {},
                    int year = 2025) {
        const qint64 id = ok(QStringList{QStringLiteral("document"), QStringLiteral("new"), QStringLiteral("--type"),
                                         type, QStringLiteral("--year"), QString::number(year),
                                         QStringLiteral("--month"), QString::number(month),
                                         QStringLiteral("--paymentdate"),
                                         QDate(year, month, 20).toString(Qt::ISODate), QStringLiteral("workinghours=176")}
                             + fields)
                              .out.trimmed()
                              .toLongLong();
        if (codes.isEmpty())
            addAll(id);
        else
            ok(QStringList{QStringLiteral("line"), QStringLiteral("add"), QString::number(id)} + codes);
        return id;
    }

    void setLine(qint64 id, const char* code, const QString& assignments) {
        c->exec(QStringLiteral("UPDATE salaryitem SET %1 WHERE salaryid = ? AND employeeid = "
                               "(SELECT employeeid FROM employee WHERE code = ?)")
                    .arg(assignments),
                {id, QLatin1String(code)});
    }

    static QJsonObject rowOf(const QJsonArray& rows, const char* code) {
        const QString jmbg = QStringLiteral("0101990710") + QLatin1String(code);
        for (const QJsonValue& row : rows)
            if (row.toObject().value(QStringLiteral("employeepersonalidentificator")).toString() == jmbg)
                return row.toObject();
        ADD_FAILURE() << "no row " << code;
        return {};
    }
};

TEST_F(AnnualYear, TwelveMonthsAddUpToTheirPaymentListsAndServiceCarriesThirtyDays) {
    REQUIRE_TEST_DATABASE();
    qint64 march = 0, january = 0;
    for (int month = 1; month <= 12; ++month) {
        const qint64 id = document(QStringLiteral("Z"), month);
        if (month <= 2)  // half of January and of February: 15 + 15 days
            ok(lineSet(id, QStringLiteral("002"), {QStringLiteral("workinghours=88")}));
        if (month == 1)
            january = id;
        if (month == 3)
            march = id;
        post(id);
    }
    // An advance pays part of a month and is left out of both.
    post(document(QStringLiteral("Z"), 6, {}, {QStringLiteral("partcoefficient=50")}));
    // A full month of sick pay for 001, with the vacation allowance in it.
    const qint64 sick = document(QStringLiteral("B"), 7, {QStringLiteral("001")});
    setLine(sick, "001", QStringLiteral("longsickhours = 176, longsickvalue = 60000, vacationrefund = 5000, "
                                        "salaryvalue = 60000, paymentvalue = 42060"));
    post(sick);
    // Transport for 002: its single tax of 10 % and the base it was taken on.
    const qint64 transport =
        document(QStringLiteral("P"), 8, {QStringLiteral("002")}, {QStringLiteral("taxpercent=10")});
    setLine(transport, "002", QStringLiteral("salaryvalue = 3333.33, paymentvalue = 3000"));
    post(transport);

    const QJsonArray lists = paymentLists(march);
    EXPECT_EQ(QStringLiteral("5\n"), ok({QStringLiteral("ppp"), QStringLiteral("build"), QStringLiteral("2025")}).out);
    EXPECT_EQ(QStringLiteral("5\n"), ok({QStringLiteral("m4"), QStringLiteral("build"), QStringLiteral("2025")}).out);
    const QJsonArray ppp = rows({QStringLiteral("ppp"), QStringLiteral("show"), QStringLiteral("2025")});
    const QJsonArray m4 = rows({QStringLiteral("m4"), QStringLiteral("show"), QStringLiteral("2025")});
    ASSERT_EQ(5, ppp.size());

    // A regular month's amounts twelve times over, plus the sick month's:
    // 60 000 less the tax-free 28 423 for its 176 hours, 10 % of that, and the
    // employee's 14, 5.15 and 0.75 % of the whole.
    const QJsonObject month = byCode(lists, "001");
    const QJsonObject ana = rowOf(ppp, "001");
    EXPECT_EQ(QStringLiteral("Ana Marija Ilić"), ana.value(QStringLiteral("employeename")).toString());
    EXPECT_EQ(QStringLiteral("Novi Sad, Žitni trg 5"), ana.value(QStringLiteral("employeecityaddress")).toString());
    EXPECT_NEAR(12 * (number(month, "salaryvalue") - number(month, "sub2basesub")) + 31577, number(ana, "taxbase"),
                0.005);
    EXPECT_NEAR(12 * number(month, "sub2") + 3157.7, number(ana, "taxvalue"), 0.005);
    EXPECT_NEAR(12 * number(month, "sub111") + 8400, number(ana, "tax1value"), 0.005);
    EXPECT_NEAR(12 * number(month, "sub112") + 3090, number(ana, "tax2value"), 0.005);
    EXPECT_NEAR(12 * number(month, "sub113") + 450, number(ana, "tax3value"), 0.005);
    // Two half months, ten whole ones and the transport document's tax and grossed-up base.
    const QJsonObject whole = byCode(lists, "002");
    const QJsonObject half = byCode(paymentLists(january), "002");
    const QJsonObject djordje = rowOf(ppp, "002");
    EXPECT_NEAR(10 * number(whole, "sub2") + 2 * number(half, "sub2") + 333.33, number(djordje, "taxvalue"), 0.005);
    EXPECT_NEAR(10 * (number(whole, "salaryvalue") - number(whole, "sub2basesub"))
                    + 2 * (number(half, "salaryvalue") - number(half, "sub2basesub")) + 3333.3,
                number(djordje, "taxbase"), 0.005);
    // A working pensioner pays no health or unemployment contribution.
    EXPECT_EQ(0, number(rowOf(ppp, "003"), "tax2value"));

    // M4: twelve months, the two halves carried into one, the sick month
    // counted and its pay moved into the sick-pay columns.
    const QJsonObject anaM4 = rowOf(m4, "001");
    EXPECT_EQ(13, number(anaM4, "workingmonths"));  // twelve regular and the sick month
    EXPECT_EQ(0, number(anaM4, "workingdays"));
    EXPECT_NEAR(12 * number(month, "sub1base") + 5000, number(anaM4, "taxbase"), 0.005);
    EXPECT_NEAR(55000, number(anaM4, "tax1base"), 0.005);
    EXPECT_NEAR(13200, number(anaM4, "tax1value"), 0.005);  // 24 % of both sides
    const QJsonObject djordjeM4 = rowOf(m4, "002");
    EXPECT_EQ(11, number(djordjeM4, "workingmonths"));
    EXPECT_EQ(0, number(djordjeM4, "workingdays"));
    // Increased service only for working states 11 to 14, with its rate.
    const QJsonObject vesna = rowOf(m4, "004");
    EXPECT_EQ(12, number(vesna, "contribution4months"));
    EXPECT_NEAR(12 * number(byCode(lists, "004"), "sub124"), number(vesna, "contribution4value"), 0.005);
    EXPECT_EQ(QStringLiteral("Rudar"), vesna.value(QStringLiteral("vocation")).toString());
    EXPECT_EQ(QString(), anaM4.value(QStringLiteral("vocation")).toString());
    EXPECT_EQ(0, number(anaM4, "contribution4months"));

    // The file: the company, the rows and the sum of their whole bases; the
    // name split after its first word.
    ok({QStringLiteral("settings"), QStringLiteral("set"), QStringLiteral("CompanyInfo"), QStringLiteral("Code=108452716"),
        QStringLiteral("Number=08124639")});
    const QString path = dir.filePath(QStringLiteral("ppp.txt"));
    ok({QStringLiteral("ppp"), QStringLiteral("export"), QStringLiteral("2025"), QStringLiteral("--out"), path});
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    qint64 bases = 0;
    for (const QJsonValue& row : ppp)
        bases += qRound64(number(row.toObject(), "taxbase"));
    EXPECT_EQ(QByteArray("108452716;;08124639;2025;5;") + QByteArray::number(bases) + "\r", lines[0]);
    EXPECT_TRUE(lines[1].startsWith("0101990710001;Ana;Marija Ili\xe6;" + QByteArray::number(number(ana, "taxbase"), 'g', 15)))
        << lines[1].toStdString();

    // The forms' prints of a year from the command line: a page per employee,
    // or one employee's statement with the documents behind it.
    const QString pdf = dir.filePath(QStringLiteral("print.pdf"));
    EXPECT_EQ(pdf + QStringLiteral(" (5 str.)\n"),
              ok({QStringLiteral("print"), QStringLiteral("ReportM4PrintIndividual"), QStringLiteral("2025"),
                  QStringLiteral("--out"), pdf})
                  .out);
    EXPECT_EQ(pdf + QStringLiteral(" (1 str.)\n"),
              ok({QStringLiteral("print"), QStringLiteral("ReportPPPPrintIndividualReport"), QStringLiteral("2025"),
                  QStringLiteral("--employee"), QStringLiteral("001"), QStringLiteral("--out"), pdf})
                  .out);

    // A year already built is refused, and stays as it was.
    EXPECT_EQ(1, run({QStringLiteral("ppp"), QStringLiteral("build"), QStringLiteral("2025")}).code);
    EXPECT_EQ(ppp, rows({QStringLiteral("ppp"), QStringLiteral("show"), QStringLiteral("2025")}));
}

// A 200 000 line of a document that decreased net pay by 10 % down to 60 000
// counts as the 180 000 its net before the decrease (143 042.30) came from,
// as the leave average counts it: (129 022.30 − 2 842.30) / 0.701.
TEST_F(AnnualYear, ADocumentThatDecreasedNetPayCountsWithTheGrossBeforeTheDecrease) {
    REQUIRE_TEST_DATABASE();
    const qint64 id = document(QStringLiteral("Z"), 3, {QStringLiteral("001")},
                               {QStringLiteral("netdecreasepercent=10"), QStringLiteral("netdecreaseminvalue=60000")});
    setLine(id, "001", QStringLiteral("coefficient = 1, netcoefficient = 1, regularwork = 200000, salaryvalue = 200000, "
                                      "workinghours = 176, outturn = 100, paymentvalue = 143042.30"));
    post(id);
    ok({QStringLiteral("ppp"), QStringLiteral("build"), QStringLiteral("2025")});
    ok({QStringLiteral("m4"), QStringLiteral("build"), QStringLiteral("2025")});
    const QJsonObject ppp = rowOf(rows({QStringLiteral("ppp"), QStringLiteral("show"), QStringLiteral("2025")}), "001");
    EXPECT_NEAR(180000 - 28423, number(ppp, "taxbase"), 0.005);
    EXPECT_NEAR(25200, number(ppp, "tax1value"), 0.005);
    const QJsonObject m4 = rowOf(rows({QStringLiteral("m4"), QStringLiteral("show"), QStringLiteral("2025")}), "001");
    EXPECT_NEAR(180000, number(m4, "taxbase"), 0.005);
    EXPECT_NEAR(43200, number(m4, "taxvalue"), 0.005);  // 24 % of both sides
}

TEST_F(AnnualYear, BuildingReadsTheSameStatementsForThreeEmployeesAsForSix) {
    REQUIRE_TEST_DATABASE();
    post(document(QStringLiteral("Z"), 3, {QStringLiteral("001"), QStringLiteral("002"), QStringLiteral("004")}));
    addEmployees(QStringLiteral("('006', 'Iva', 'Nova', 'y', 12, 1, 1, 90000, 0, 'n')"));
    post(document(QStringLiteral("Z"), 3,
                  {QStringLiteral("001"), QStringLiteral("002"), QStringLiteral("003"), QStringLiteral("004"),
                   QStringLiteral("005"), QStringLiteral("006")},
                  {}, 2026));
    const auto statements = [&](int year) {
        ScriptedMessages messages(ScriptedMessages::AnswerPolicy::Fail);
        TSalaryDM dm;  // nothing kept from the other year
        dm.ConnectForEditing(*c, messages);
        const quint64 before = c->statementCount();
        OpenReportPPP(dm, year);
        const int ppp = AddAllReportPPP(dm, year);
        OpenReportM4(dm, year);
        const int m4 = AddAllReportM4(dm, year);
        EXPECT_EQ(ppp, m4);
        return std::pair{ppp, c->statementCount() - before};
    };
    const auto [three, forThree] = statements(2025);
    const auto [six, forSix] = statements(2026);
    EXPECT_EQ(3, three);
    EXPECT_EQ(6, six);
    EXPECT_EQ(forThree, forSix);
}

}  // namespace
