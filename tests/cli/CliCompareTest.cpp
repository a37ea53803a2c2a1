#include "ScriptedMonth.h"

// What changed since the previous posted month, and the steps of one line,
// both through zarade-cli on a March and an April document.

namespace {

struct CompareMonths : ScriptedMonth {
    void SetUp() override {
        ScriptedMonth::SetUp();
        if (IsSkipped())
            return;
        addEmployees(QStringLiteral("('020', 'Bora', 'Bruto', 'y', 1, 1, 1, 120000, 0, 'n'), "
                                    "('040', 'Pera', 'Bodovi', 'y', 1, 900, 1, 0, 0, 'n'), "
                                    "('090', 'Olja', 'Odlazi', 'y', 1, 1, 1, 100000, 0, 'n')"));
        march = newDocument(QStringLiteral("Z"), {QStringLiteral("workinghours=176"), QStringLiteral("minnetsalaryprice=300")});
        addAll(march);
        ok({QStringLiteral("document"), QStringLiteral("post"), QString::number(march)});
        // April: the point value rises from 100 to 110, 090 has left and 095 has come.
        addEmployees(QStringLiteral("('095', 'Nina', 'Nova', 'y', 1, 1, 1, 90000, 0, 'n')"));
        april = ok({QStringLiteral("document"), QStringLiteral("new"), QStringLiteral("--type"), QStringLiteral("Z"),
                    QStringLiteral("--year"), QStringLiteral("2025"), QStringLiteral("--month"), QStringLiteral("4"),
                    QStringLiteral("--paymentdate"), QStringLiteral("2025-05-10"), QStringLiteral("workinghours=176"),
                    QStringLiteral("minnetsalaryprice=300"), QStringLiteral("baudvalue=110")})
                    .out.trimmed()
                    .toLongLong();
        ok({QStringLiteral("line"), QStringLiteral("add"), QString::number(april), QStringLiteral("020"),
            QStringLiteral("040"), QStringLiteral("095")});
    }

    // The comparison's rows by employee code.
    QHash<QString, QJsonObject> compare(const QStringList& extra = {}) {
        const CliResult r = ok(QStringList{QStringLiteral("document"), QStringLiteral("compare"), QString::number(april)}
                               + extra);
        const QJsonObject result = QJsonDocument::fromJson(r.out.toUtf8()).object();
        EXPECT_EQ(march, result.value(QStringLiteral("previoussalaryid")).toInteger());
        QHash<QString, QJsonObject> rows;
        for (const QJsonValue& row : result.value(QStringLiteral("lines")).toArray())
            rows.insert(row.toObject().value(QStringLiteral("code")).toString(), row.toObject());
        return rows;
    }

    qint64 march = 0, april = 0;
};

const char* const Causes[] = {"bypointvalue", "bycoefficient", "byhours",    "bypaybasis", "byworkingyears",
                              "byminimumwage", "bysupplements", "byleave",   "byallowances", "byraises",
                              "byparameters",  "byentry",       "byother"};

}  // namespace

TEST_F(CompareMonths, APointValueRiseIsTheWholeChangeAndArrivalsAndDeparturesAreListed) {
    const QHash<QString, QJsonObject> rows = compare();
    ASSERT_EQ(4, rows.size());
    for (const QJsonObject& row : rows) {
        // The causes add up to the change of net, and with the decrease and
        // the deductions to the change of the amount for payment.
        double causes = 0;
        for (const char* cause : Causes)
            causes += number(row, cause);
        EXPECT_NEAR(number(row, "netchange"), causes, 0.001) << row.value(QStringLiteral("code")).toString().toStdString();
        EXPECT_NEAR(number(row, "paymentchange"),
                    number(row, "netchange") + number(row, "bydecrease") + number(row, "bydeductions"), 0.001);
    }
    const QJsonObject points = rows.value(QStringLiteral("040"));
    EXPECT_EQ(9000, number(points, "grosschange"));  // 900 points × 10
    EXPECT_LT(6000, number(points, "netchange"));
    EXPECT_EQ(number(points, "netchange"), number(points, "bypointvalue"));
    for (const char* cause : Causes) {
        if (QLatin1String(cause) != QLatin1String("bypointvalue")) {
            EXPECT_EQ(0, number(points, cause)) << cause;
        }
    }

    const QJsonObject unchanged = rows.value(QStringLiteral("020"));
    EXPECT_EQ(0, number(unchanged, "netchange"));
    EXPECT_EQ(QString(), unchanged.value(QStringLiteral("status")).toString());

    const QJsonObject left = rows.value(QStringLiteral("090"));
    EXPECT_EQ(QStringLiteral("otišao"), left.value(QStringLiteral("status")).toString());
    EXPECT_EQ(-number(left, "netbefore"), number(left, "byentry"));
    EXPECT_EQ(0, number(left, "netafter"));
    const QJsonObject came = rows.value(QStringLiteral("095"));
    EXPECT_EQ(QStringLiteral("novi"), came.value(QStringLiteral("status")).toString());
    EXPECT_EQ(number(came, "netafter"), number(came, "byentry"));

    // The same with the earlier document named, largest change first.
    const CliResult csv = ok({QStringLiteral("document"), QStringLiteral("compare"), QString::number(april),
                              QStringLiteral("--with"), QString::number(march), QStringLiteral("--format"),
                              QStringLiteral("csv")});
    const QStringList lines = csv.out.trimmed().split(QLatin1Char('\n'));
    ASSERT_EQ(5, lines.size());
    EXPECT_TRUE(lines.at(1).startsWith(QStringLiteral("090;"))) << lines.at(1).toStdString();
}

TEST_F(CompareMonths, LineExplainEndsInTheStoredAmountForPayment) {
    const CliResult r = ok({QStringLiteral("line"), QStringLiteral("explain"), QString::number(april),
                            QStringLiteral("040"), QStringLiteral("--format"), QStringLiteral("json")});
    const QJsonArray steps = QJsonDocument::fromJson(r.out.toUtf8()).array();
    ASSERT_FALSE(steps.isEmpty());
    const QJsonObject last = steps.last().toObject();
    EXPECT_EQ(QStringLiteral("amountforpayment"), last.value(QStringLiteral("kind")).toString());
    EXPECT_EQ(number(line(april, QStringLiteral("040")), "paymentnetvalue"), number(last, "result"));
    EXPECT_EQ(QStringLiteral("Osnov zarade: koeficijent"), steps.first().toObject().value(QStringLiteral("title")).toString());
    EXPECT_EQ(99000, number(steps.at(3).toObject(), "result"));  // 900 points × 110

    const CliResult text = ok({QStringLiteral("line"), QStringLiteral("explain"), QString::number(april),
                               QStringLiteral("040")});
    EXPECT_TRUE(text.out.contains(QStringLiteral("Za isplatu"))) << text.out.toStdString();
    EXPECT_EQ(1, run({QStringLiteral("line"), QStringLiteral("explain"), QString::number(april), QStringLiteral("777")}).code);
}
