#include "PaymentMonth.h"

#include "CalcRounding.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>

// The recapitulation sums the payment list rows its mode lets through,
// group by group; the chambers fee and the statistical form are taken from
// it; its spreadsheet holds what it printed.

namespace {

using Recapitulation = PaymentMonth;


TEST_F(Recapitulation, ModesCountTheirRowsAndAnEmptyOneStillGivesARowOfZeros) {
    const qint64 id = month(QStringLiteral("2025-04-10"));
    const QJsonArray lists = paymentLists(id);
    const QJsonObject all = recapitulation(id).at(0).toObject();
    EXPECT_EQ(5, all.value(QStringLiteral("count")).toInt());
    for (const char* column : {"salaryvalue", "paymentvalue", "sub11", "sub12", "sub124", "sub2", "credits", "cash",
                               "regularwork", "workingyearsvalue"})
        EXPECT_NEAR(total(lists, column), number(all, column), 0.005) << column;
    EXPECT_NEAR(number(all, "salaryvalue") + number(all, "sub12") + number(all, "sub124"), number(all, "totalcost"),
                0.005);
    EXPECT_EQ(QStringLiteral("97-PIO"), all.value(QStringLiteral("sub11paymentcode")).toString());
    EXPECT_EQ(QStringLiteral("97-PIO-2"), all.value(QStringLiteral("sub11paymentcode2")).toString());

    const auto countOf = [&](int mode) {
        const QJsonArray rows = recapitulation(id, {QStringLiteral("--mode"), QString::number(mode)});
        EXPECT_EQ(1, rows.size());
        return rows.at(0).toObject().value(QStringLiteral("count")).toInt();
    };
    EXPECT_EQ(4, countOf(1));   // not the employer
    EXPECT_EQ(1, countOf(2));   // the employer
    EXPECT_EQ(1, countOf(19));  // working state 9
    EXPECT_EQ(0, countOf(16));  // nobody in working state 6
    EXPECT_EQ(0, countOf(119));
    const QJsonObject none = recapitulation(id, {QStringLiteral("--mode"), QStringLiteral("16")}).at(0).toObject();
    EXPECT_EQ(0, number(none, "salaryvalue"));
    EXPECT_EQ(0, number(none, "totalcost"));
    EXPECT_EQ(1, run({QStringLiteral("recapitulation"), QString::number(id), QStringLiteral("--mode"),
                      QStringLiteral("7")})
                     .code);
}

TEST_F(Recapitulation, GroupsByUnitAndTheirSumsMakeTheWhole) {
    const qint64 id = month(QStringLiteral("2025-04-10"));
    const QJsonObject all = recapitulation(id).at(0).toObject();
    const QJsonArray units = recapitulation(id, {QStringLiteral("--group"), QStringLiteral("org")});
    ASSERT_EQ(2, units.size());
    EXPECT_EQ(QStringLiteral("Proizvodnja"), units.at(0).toObject().value(QStringLiteral("organizationunit")).toString());
    EXPECT_EQ(4, units.at(0).toObject().value(QStringLiteral("count")).toInt());
    EXPECT_EQ(QStringLiteral("Uprava"), units.at(1).toObject().value(QStringLiteral("organizationunit")).toString());
    const QJsonArray subUnits = recapitulation(id, {QStringLiteral("--group"), QStringLiteral("suborg")});
    ASSERT_EQ(3, subUnits.size());
    for (const char* column : {"salaryvalue", "paymentvalue", "sub12", "totalcost", "cash"}) {
        EXPECT_NEAR(number(all, column), total(units, column), 0.005) << column;
        EXPECT_NEAR(number(all, column), total(subUnits, column), 0.005) << column;
    }
    // The grouping is the print's alone: the lists are in document order again.
    const QJsonArray lists = paymentLists(id);
    EXPECT_EQ(QStringLiteral("001"), lists.at(0).toObject().value(QStringLiteral("code")).toString());
}

TEST_F(Recapitulation, ChambersFeeIsTakenOnEachGroupsGross) {
    const qint64 id = month(QStringLiteral("2025-04-10"));
    const QJsonArray units = recapitulation(id, {QStringLiteral("--group"), QStringLiteral("org")});
    const QJsonArray chambers =
        rows({QStringLiteral("chambers"), QString::number(id), QStringLiteral("--group"), QStringLiteral("org")});
    ASSERT_EQ(4, chambers.size());  // two fees for each of two units
    long double fees = 0;
    for (const QJsonValue& value : chambers) {
        const QJsonObject fee = value.toObject();
        const QString unit = fee.value(QStringLiteral("organizationunit")).toString();
        double gross = 0;
        for (const QJsonValue& u : units)
            if (u.toObject().value(QStringLiteral("organizationunit")).toString() == unit)
                gross = number(u.toObject(), "salaryvalue");
        // Rounded to the para on the group's gross, halves away from zero.
        EXPECT_DOUBLE_EQ(double(RND(gross * number(fee, "taxpercent") / 100)), number(fee, "taxvalue")) << unit.toStdString();
        fees += number(fee, "taxvalue");
    }
    EXPECT_NEAR(double(fees), total(units, "chambersfee"), 0.001);
    // The larger fee first, each with its own payment data.
    EXPECT_EQ(QStringLiteral("Granska komora"), chambers.at(0).toObject().value(QStringLiteral("taxname")).toString());
    EXPECT_EQ(QStringLiteral("97"), chambers.at(1).toObject().value(QStringLiteral("paymentmodel")).toString());
}

TEST_F(Recapitulation, StatisticalFormSplitsTheCategoriesAndAddsUpInWholeDinars) {
    const qint64 id = month(QStringLiteral("2025-04-10"));
    ok(lineSet(id, QStringLiteral("001"), {QStringLiteral("workinghours=148"), QStringLiteral("nightworkinghours=20"),
                                                   QStringLiteral("overtimehours=8")}));
    ok(lineSet(id, QStringLiteral("002"), {QStringLiteral("holidayworkinghours=8")}));
    const QJsonObject form = rows({QStringLiteral("zipform"), QString::number(id)}).at(0).toObject();
    EXPECT_EQ(2, form.value(QStringLiteral("count1")).toInt());  // Starozaposleni
    EXPECT_EQ(2, form.value(QStringLiteral("count2")).toInt());  // Novozaposleni
    EXPECT_EQ(1, form.value(QStringLiteral("count3")).toInt());  // Poslovodstvo
    EXPECT_EQ(1, form.value(QStringLiteral("overtimecount1")).toInt());
    EXPECT_GT(form.value(QStringLiteral("nightworkingvalue1")).toInt(), 0);
    EXPECT_GT(form.value(QStringLiteral("holidayworkingvalue2")).toInt(), 0);
    const char* const parts[] = {"regularwork", "workingyearsvalue", "overtimevalue", "holidayworkingvalue",
                                 "nightworkingvalue", "mealrefund", "vacationrefund", "othervalue"};
    for (const QString& suffix : {QStringLiteral(""), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}) {
        const auto value = [&](const char* name) { return form.value(QLatin1String(name) + suffix).toInt(); };
        int sum = 0;
        for (const char* part : parts)
            sum += value(part);
        // The parts make the gross; a remainder of one dinar is not "other".
        EXPECT_EQ(value("salaryvalue"), sum) << suffix.toStdString();
        EXPECT_TRUE(value("othervalue") == 0 || std::abs(value("othervalue")) > 1) << suffix.toStdString();
        if (!suffix.isEmpty() && value("count") > 0) {
            EXPECT_EQ(qRound(double(value("salaryvalue")) / value("count")), value("averagevalue"));
        }
    }
    for (const char* measure : {"count", "salaryvalue", "regularwork", "nightworkingvalue"})
        EXPECT_EQ(form.value(QLatin1String(measure)).toInt(),
                  form.value(QLatin1String(measure) + QLatin1Char('1')).toInt()
                      + form.value(QLatin1String(measure) + QLatin1Char('2')).toInt()
                      + form.value(QLatin1String(measure) + QLatin1Char('3')).toInt());
}

// The cells of the first sheet of an .xlsx file by reference ("A1"), text or number as written.
QMap<QString, QString> SheetCells(const QString& file) {
    const auto part = [&](const char* name) {
        QProcess unzip;
        unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), file, QLatin1String(name)});
        unzip.waitForFinished();
        return unzip.readAllStandardOutput();
    };
    QStringList shared;
    QXmlStreamReader strings(part("xl/sharedStrings.xml"));
    while (!strings.atEnd())
        if (strings.readNext() == QXmlStreamReader::StartElement && strings.name() == QLatin1String("t"))
            shared << strings.readElementText();
    QMap<QString, QString> cells;
    QXmlStreamReader sheet(part("xl/worksheets/sheet1.xml"));
    QString reference, type;
    while (!sheet.atEnd()) {
        if (sheet.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (sheet.name() == QLatin1String("c")) {
            reference = sheet.attributes().value(QLatin1String("r")).toString();
            type = sheet.attributes().value(QLatin1String("t")).toString();
        } else if (sheet.name() == QLatin1String("v")) {
            const QString v = sheet.readElementText();
            cells[reference] = type == QLatin1String("s") ? shared.value(v.toInt()) : v;
        }
    }
    return cells;
}

TEST_F(Recapitulation, SpreadsheetHoldsTheLabelsAndAmountsOfTheRecapitulation) {
    const qint64 id = month(QStringLiteral("2025-04-10"));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Rekapitulacija-3-2025.xlsx"));
    ok({QStringLiteral("print"), QStringLiteral("SalaryPrintRecapitulationToExcel"), QString::number(id),
        QStringLiteral("--out"), file});
    const QMap<QString, QString> cells = SheetCells(file);
    const QJsonObject recap = recapitulation(id).at(0).toObject();
    EXPECT_EQ(QStringLiteral("Broj zaposlenih"), cells.value(QStringLiteral("A1")));
    EXPECT_EQ(QStringLiteral("5"), cells.value(QStringLiteral("A2")));
    EXPECT_EQ(QStringLiteral("Redovan rad"), cells.value(QStringLiteral("B1")));
    EXPECT_EQ(QStringLiteral("Bruto vrednost zarade"), cells.value(QStringLiteral("T1")));
    EXPECT_DOUBLE_EQ(number(recap, "salaryvalue"), cells.value(QStringLiteral("T2")).toDouble());
    // The 41st and last column: "Akontacioni porezi i doprinosi".
    EXPECT_EQ(QStringLiteral("Akontacioni porezi i doprinosi"), cells.value(QStringLiteral("AO1")));
    EXPECT_FALSE(cells.contains(QStringLiteral("AP1")));
    EXPECT_EQ(QStringLiteral("880"), cells.value(QStringLiteral("B3")));  // 5 × 176 working hours
}

TEST_F(Recapitulation, APrintThatCannotBeWrittenIsRefusedWithAMessage) {
    const qint64 id = month(QStringLiteral("2025-04-10"));
    const CliResult r = run({QStringLiteral("print"), QStringLiteral("SalaryPrintRecapitulation"), QString::number(id),
                             QStringLiteral("--out"), QStringLiteral("/nonexistent-folder/r.pdf")});
    EXPECT_EQ(1, r.code);
    EXPECT_TRUE(r.err.contains(QStringLiteral("ne postoji"))) << r.err.toStdString();
    EXPECT_EQ(1, run({QStringLiteral("print"), QStringLiteral("SalaryPrintNothing"), QString::number(id),
                      QStringLiteral("--out"), QStringLiteral("/tmp/x.pdf")})
                     .code);
}

}  // namespace
