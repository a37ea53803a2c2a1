#include "ScriptedMonth.h"

#include <QSqlQuery>
#include <QSqlRecord>

// A calculated month through its life: shown in full, edited, posted,
// copied, unposted and deleted with its detail rows.

namespace {

struct MonthLifecycle : ScriptedMonth {
    qint64 id = 0;

    void SetUp() override {
        ScriptedMonth::SetUp();
        if (IsSkipped())
            return;
        addEmployees(QStringLiteral("('001', 'Ana', 'Ilić', 'y', 1, 500, 1, 0, 0, 'n'), "
                                    "('002', 'Đorđe', 'Šarić', 'y', 1, 1, 1, 120000, 0, 'n')"));
        id = newDocument(QStringLiteral("176"));
        addAll(id);
        ok({QStringLiteral("line"), QStringLiteral("difference"), QString::number(id), QStringLiteral("001"),
            QStringLiteral("Razlika=1000")});
        ok({QStringLiteral("line"), QStringLiteral("coefficients"), QString::number(id), QStringLiteral("002"),
            QStringLiteral("400:100"), QStringLiteral("600:76")});
    }

    QStringList doc(const char* action) { return {QStringLiteral("document"), QLatin1String(action), QString::number(id)}; }

    int count(const QString& sql, qint64 key) { return c->scalar(sql, {key}).toInt(); }

    QStringList columnsOf(const QString& table) {
        QStringList names;
        const QSqlRecord record = c->exec(QStringLiteral("SELECT * FROM ") + table + QStringLiteral(" WHERE 1 = 0")).record();
        for (int i = 0; i < record.count(); ++i)
            names << record.fieldName(i).toLower();
        return names;
    }
};

}  // namespace

TEST_F(MonthLifecycle, ShowPrintsEveryStoredAndComputedColumnAsJsonAndCsv) {
    const QJsonObject document = show(id);
    const QJsonObject header = document.value(QStringLiteral("salary")).toObject();
    for (const QString& column : columnsOf(QStringLiteral("salary")))
        EXPECT_TRUE(header.contains(column)) << column.toStdString();
    const QJsonObject l = line(id, QStringLiteral("001"));
    for (const QString& column : columnsOf(QStringLiteral("salaryitem")) + QStringList{
             QStringLiteral("decrementperc"), QStringLiteral("incrementperc"), QStringLiteral("credits"),
             QStringLiteral("code"), QStringLiteral("lastname"), QStringLiteral("firstname")})
        EXPECT_TRUE(l.contains(column)) << column.toStdString();
    EXPECT_EQ(51000, number(l, "salaryvalue"));  // 500 points and the difference

    const QString csv = ok(doc("show") + QStringList{QStringLiteral("--format"), QStringLiteral("csv")}).out;
    const QStringList blocks = csv.split(QStringLiteral("\n\n"));
    ASSERT_EQ(2, blocks.size()) << csv.toStdString();
    const QStringList lineRows = blocks.at(1).trimmed().split(QLatin1Char('\n'));
    EXPECT_EQ(3, lineRows.size());  // the column names and two lines
    EXPECT_EQ(l.size(), lineRows.at(0).split(QLatin1Char(';')).size());
}

TEST_F(MonthLifecycle, HeaderValuesAreReadWithADecimalCommaOrRefusedWithTheFieldsMessage) {
    ok(doc("set") + QStringList{QStringLiteral("baudvalue=120,5")});
    EXPECT_EQ(120.5, number(show(id).value(QStringLiteral("salary")).toObject(), "baudvalue"));
    EXPECT_EQ(61250, number(line(id, QStringLiteral("001")), "salaryvalue"));  // 500 points and the difference

    // On a document without lines, so that the header's own check speaks.
    const QString empty = QString::number(newDocument(QStringLiteral("176")));
    const QJsonObject before = show(empty.toLongLong());
    for (const auto& [value, reason] : {std::pair{"baudvalue=0", "Vrednost boda"}, std::pair{"baudvalue=deset", ""},
                                        std::pair{"nofield=1", ""}}) {
        const CliResult r = run({QStringLiteral("document"), QStringLiteral("set"), empty, QLatin1String(value)});
        EXPECT_EQ(1, r.code) << value;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(reason))) << value << ": " << r.err.toStdString();
    }
    EXPECT_EQ(before, show(empty.toLongLong()));
    EXPECT_NE(0, run({QStringLiteral("document"), QStringLiteral("show"), QStringLiteral("999")}).code);
}

TEST_F(MonthLifecycle, LinesAreEditedAndDeletedByEmployeeCode) {
    ok(lineSet(id, QStringLiteral("001"), {QStringLiteral("outturn=80")}));
    EXPECT_EQ(80, number(line(id, QStringLiteral("001")), "outturn"));
    EXPECT_EQ(1, run(lineSet(id, QStringLiteral("777"), {QStringLiteral("outturn=1")})).code);

    ok({QStringLiteral("line"), QStringLiteral("delete"), QString::number(id), QStringLiteral("001")});
    const QJsonArray left = show(id).value(QStringLiteral("lines")).toArray();
    ASSERT_EQ(1, left.size());
    EXPECT_EQ(QStringLiteral("Šarić"), left.at(0).toObject().value(QStringLiteral("lastname")).toString());
    EXPECT_EQ(1, number(left.at(0).toObject(), "sort"));  // the lines are numbered again
}

TEST_F(MonthLifecycle, APostedMonthIsReadOnlyItsCopyHasTheLinesButNoDetailRows) {
    const QJsonObject calculated = line(id, QStringLiteral("002"));
    ok(doc("post"));
    const CliResult change = run(lineSet(id, QStringLiteral("001"), {QStringLiteral("workinghours=100")}));
    EXPECT_EQ(1, change.code);
    EXPECT_EQ(176, number(line(id, QStringLiteral("001")), "workinghours"));
    const CliResult header = run(doc("set") + QStringList{QStringLiteral("baudvalue=11")});
    EXPECT_EQ(1, header.code);
    EXPECT_TRUE(header.err.contains(QStringLiteral("Proknjižena"))) << header.err.toStdString();
    EXPECT_EQ(1, run(doc("delete")).code);

    const qint64 copy = ok(doc("copy")).out.trimmed().toLongLong();
    ASSERT_GT(copy, id);
    const QJsonObject copied = show(copy);
    EXPECT_EQ(QStringLiteral("n"), copied.value(QStringLiteral("salary")).toObject().value(QStringLiteral("status")).toString());
    EXPECT_EQ(2, copied.value(QStringLiteral("lines")).toArray().size());
    const QJsonObject copiedLine = line(copy, QStringLiteral("002"));
    for (const char* column : {"coefficient", "regularwork", "salaryvalue", "paymentvalue", "paymentnetvalue"})
        EXPECT_EQ(number(calculated, column), number(copiedLine, column)) << column;
    const QString rows = QStringLiteral(
        "SELECT COUNT(*) FROM %1 AS d JOIN salaryitem AS si ON si.salaryitemid = d.salaryitemid WHERE si.salaryid = ?");
    EXPECT_EQ(0, count(rows.arg(QStringLiteral("salaryitemcoefficient")), copy));
    EXPECT_EQ(0, count(rows.arg(QStringLiteral("salaryitemdifference")), copy));

    // The copy is calculated on its own; the posted month stays as it was.
    ok(lineSet(copy, QStringLiteral("001"), {QStringLiteral("workinghours=88")}));
    EXPECT_EQ(26000, number(line(copy, QStringLiteral("001")), "salaryvalue"));  // 25 000 and the difference
    EXPECT_EQ(51000, number(line(id, QStringLiteral("001")), "salaryvalue"));

    ok(doc("unpost"));
    ok(doc("delete"));
    EXPECT_EQ(0, count(QStringLiteral("SELECT COUNT(*) FROM salaryitem WHERE salaryid = ?"), id));
    EXPECT_EQ(0, c->scalar(QStringLiteral("SELECT COUNT(*) FROM salaryitemcoefficient")).toInt());
    EXPECT_EQ(0, c->scalar(QStringLiteral("SELECT COUNT(*) FROM salaryitemdifference")).toInt());
}
