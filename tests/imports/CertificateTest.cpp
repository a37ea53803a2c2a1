#include "ImportsFixture.h"

// The certificate of earnings: the months of posted whole-month regular and
// sick-pay documents paid in the period, a regular and a sick-pay document
// of one month summed into one row, and a month whose net was decreased
// counted as the whole salary of the net it paid.

namespace {

struct Certificate : ImportsMonth {
    // A posted document of the month, paid on `paid`, with the employee's line.
    qint64 posted(const QString& type, int month, const QString& paid, const QString& code, const QStringList& line,
                  const QStringList& header = {}, bool post = true) {
        const qint64 id = ok(QStringList{QStringLiteral("document"), QStringLiteral("new"), QStringLiteral("--type"), type,
                                         QStringLiteral("--year"), QStringLiteral("2025"), QStringLiteral("--month"),
                                         QString::number(month), QStringLiteral("--paymentdate"), paid,
                                         QStringLiteral("workinghours=176")})
                              .out.trimmed()
                              .toLongLong();
        ok({QStringLiteral("line"), QStringLiteral("add"), QString::number(id), code});
        if (!line.isEmpty())
            ok(lineSet(id, code, line));
        // The header last, as a user changes it over the lines.
        if (!header.isEmpty())
            ok(QStringList{QStringLiteral("document"), QStringLiteral("set"), QString::number(id)} + header);
        if (post)
            ok({QStringLiteral("document"), QStringLiteral("post"), QString::number(id)});
        return id;
    }

    QJsonObject certificate(const QString& code, const QString& from, const QString& to) {
        const CliResult r = ok({QStringLiteral("certificate"), code, QStringLiteral("--from"), from,
                                QStringLiteral("--to"), to});
        return QJsonDocument::fromJson(r.out.toUtf8()).object();
    }
};

double sumOf(const QList<QJsonObject>& lines, const char* column) {
    double sum = 0;
    for (const QJsonObject& l : lines)
        sum += number(l, column);
    return sum;
}

}  // namespace

TEST_F(Certificate, MonthsSumRegularAndSickPayAndIgnoreAdvancesAndUnpostedDocuments) {
    const qint64 march = posted(QStringLiteral("Z"), 3, QStringLiteral("2025-04-10"), QStringLiteral("001"),
                                {QStringLiteral("workinghours=160")});
    const qint64 marchSick = posted(QStringLiteral("B"), 3, QStringLiteral("2025-04-12"), QStringLiteral("001"),
                                    {QStringLiteral("longsickhours=16")});
    const qint64 april = posted(QStringLiteral("Z"), 4, QStringLiteral("2025-05-10"), QStringLiteral("001"), {});
    posted(QStringLiteral("Z"), 5, QStringLiteral("2025-05-20"), QStringLiteral("001"), {},
           {QStringLiteral("partcoefficient=90")});
    posted(QStringLiteral("Z"), 5, QStringLiteral("2025-05-25"), QStringLiteral("001"), {}, {}, false);

    const QJsonObject c = certificate(QStringLiteral("001"), QStringLiteral("2025-04-01"), QStringLiteral("2025-05-31"));
    const QJsonArray rows = c.value(QStringLiteral("rows")).toArray();
    ASSERT_EQ(2, rows.size());
    EXPECT_EQ(2, c.value(QStringLiteral("months")).toInt());
    const QList<QJsonObject> marchLines{line(march, QStringLiteral("001")), line(marchSick, QStringLiteral("001"))};
    const QJsonObject first = rows.at(0).toObject();
    EXPECT_EQ(3, number(first, "month"));
    EXPECT_GT(number(marchLines.at(1), "longsickvalue"), 0);
    EXPECT_DOUBLE_EQ(sumOf(marchLines, "salaryvalue"), number(first, "salaryvalue"));
    EXPECT_DOUBLE_EQ(sumOf(marchLines, "paymentvalue"), number(first, "paymentvalue"));
    EXPECT_DOUBLE_EQ(sumOf(marchLines, "paymentnetvalue"), number(first, "paymentnetvalue"));
    const QJsonObject second = rows.at(1).toObject();
    EXPECT_EQ(4, number(second, "month"));
    EXPECT_EQ(number(line(april, QStringLiteral("001")), "salaryvalue"), number(second, "salaryvalue"));
    const QJsonObject averages = c.value(QStringLiteral("averages")).toObject();
    EXPECT_NEAR((number(first, "salaryvalue") + number(second, "salaryvalue")) / 2, number(averages, "salaryvalue"),
                0.005);

    const QJsonObject none = certificate(QStringLiteral("001"), QStringLiteral("2024-01-01"), QStringLiteral("2024-12-31"));
    EXPECT_TRUE(none.value(QStringLiteral("rows")).toArray().isEmpty());
    EXPECT_EQ(0, number(none.value(QStringLiteral("averages")).toObject(), "salaryvalue"));
}

TEST_F(Certificate, ADecreasedMonthCountsAsTheWholeSalaryOfItsDecreasedNet) {
    c->exec(QStringLiteral("UPDATE employee SET coefficient = 2000 WHERE code = '004'"));
    const qint64 id = posted(QStringLiteral("Z"), 4, QStringLiteral("2025-05-10"), QStringLiteral("004"), {},
                             {QStringLiteral("netdecreasepercent=10"), QStringLiteral("netdecreaseminvalue=60000")});
    const QJsonObject l = line(id, QStringLiteral("004"));
    ASSERT_EQ(200000, number(l, "salaryvalue"));
    ASSERT_LT(number(l, "paymentdecreasedvalue"), number(l, "paymentvalue"));  // the decrease took its part

    const QJsonArray rows = certificate(QStringLiteral("004"), QStringLiteral("2025-05-01"), QStringLiteral("2025-05-31"))
                                .value(QStringLiteral("rows"))
                                .toArray();
    ASSERT_EQ(1, rows.size());
    const QJsonObject month = rows.at(0).toObject();
    EXPECT_EQ(number(l, "paymentdecreasedvalue"), number(month, "paymentvalue"));
    EXPECT_EQ(number(l, "paymentnetvalue"), number(month, "paymentnetvalue"));
    // The gross whose net is the decreased one: (N − 2 842.30) / 0.701.
    EXPECT_NEAR((number(l, "paymentdecreasedvalue") - 2842.30) / 0.701, number(month, "salaryvalue"), 0.01);
}
