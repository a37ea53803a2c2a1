#include "PppdMonth.h"

#include "PPPPDSchema.h"
#include "SalaryDM.h"
#include "ScriptedMessages.h"
#include "UnifiedCollection.h"
#include "UnifiedCollectionExport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

// The PPP-PD return: its rows come from the posted documents' payment lists
// and add up to the recapitulation; its declaration keeps the schema.

namespace {

TEST(IncomeTypeCode, FollowsTheWorkingStateTheEmployerFlagAndTheSickPayPercentage) {
    EXPECT_EQ(QStringLiteral("101101000"), IncomeTypeCode(1, false, false, 0));
    EXPECT_EQ(QStringLiteral("102101001"), IncomeTypeCode(11, true, false, 0));
    EXPECT_EQ(QStringLiteral("109101000"), IncomeTypeCode(9, false, false, 0));
    EXPECT_EQ(QStringLiteral("107101030"), IncomeTypeCode(4, false, false, 0));
    EXPECT_EQ(QStringLiteral("107199000"), IncomeTypeCode(10, false, false, 0));
    EXPECT_EQ(QStringLiteral("101150000"), IncomeTypeCode(19, false, false, 0));
    EXPECT_EQ(QStringLiteral("101101010"), IncomeTypeCode(2, false, false, 0));
    EXPECT_EQ(QStringLiteral("101101100"), IncomeTypeCode(18, false, false, 0));
    EXPECT_EQ(QStringLiteral("101101004"), IncomeTypeCode(14, false, false, 0));
    // Sick pay: 201 above 65 %, 202 at 65 % and below; never an increased service digit.
    EXPECT_EQ(QStringLiteral("101201000"), IncomeTypeCode(11, false, true, 65.01));
    EXPECT_EQ(QStringLiteral("101202000"), IncomeTypeCode(1, false, true, 65));
    EXPECT_EQ(QStringLiteral("102202010"), IncomeTypeCode(2, true, true, 60));
}

TEST(CalendarDays, LeapFebruaryShortMonthsAndLongOnes) {
    EXPECT_EQ(29, CalendarDays(2016, 2));
    EXPECT_EQ(28, CalendarDays(2015, 2));
    EXPECT_EQ(30, CalendarDays(2016, 4));
    EXPECT_EQ(30, CalendarDays(2025, 11));
    EXPECT_EQ(31, CalendarDays(2025, 3));
    EXPECT_EQ(31, CalendarDays(2025, 12));
}

TEST(UnifiedCollectionFileName, TimeTaxNumberYearAndTwoDigitMonth) {
    EXPECT_EQ(QStringLiteral("ppp_pd_20250410080503_108452716_2025_04"),
              UnifiedCollectionFileName(QDateTime(QDate(2025, 4, 10), QTime(8, 5, 3)), QStringLiteral(" 108452716 "),
                                        2025, 4));
}

struct Pppd : PppdMonth {
    QTemporaryDir dir;

    // Exports and returns the file's bytes; the file must validate.
    QByteArray exported(const QStringList& selection, const QStringList& options = {}) {
        const QString path = dir.filePath(QStringLiteral("ppp-pd.xml"));
        QFile::remove(path);
        ok(QStringList{QStringLiteral("pppd"), QStringLiteral("export")} + selection + options
           + QStringList{QStringLiteral("--out"), path});
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_EQ(QString(), ValidatePPPPD(bytes));
        // And the same with the schema file itself, by another program.
        const QString xmllint = QStandardPaths::findExecutable(QStringLiteral("xmllint"));
        if (!xmllint.isEmpty()) {
            QProcess check;
            check.start(xmllint, {QStringLiteral("--noout"), QStringLiteral("--schema"), QStringLiteral(ZARADE_PPPPD_XSD),
                                  path});
            EXPECT_TRUE(check.waitForFinished());
            EXPECT_EQ(0, check.exitCode()) << check.readAllStandardError().toStdString();
        }
        return bytes;
    }
};

QJsonObject rowOf(const QJsonArray& rows, const QString& jmbg) {
    for (const QJsonValue& row : rows)
        if (row.toObject().value(QStringLiteral("personalidentificator")).toString() == jmbg)
            return row.toObject();
    ADD_FAILURE() << "no row " << jmbg.toStdString();
    return {};
}

const QStringList April2025 = {QStringLiteral("--year"), QStringLiteral("2025"), QStringLiteral("--month"),
                               QStringLiteral("4")};

TEST_F(Pppd, TheMonthsRowsAddUpToTheRecapitulation) {
    REQUIRE_TEST_DATABASE();
    const qint64 id = month(QStringLiteral("2025-04-10"));
    ok({QStringLiteral("--no"), QStringLiteral("line"), QStringLiteral("set"), QString::number(id), QStringLiteral("002"),
        QStringLiteral("workinghours=160"), QStringLiteral("sickhours=16")});
    post(id);
    const QJsonObject recap = recapitulation(id).at(0).toObject();
    EXPECT_EQ(QStringLiteral("5\n"), ok(QStringList{QStringLiteral("pppd"), QStringLiteral("build")} + April2025).out);
    const QJsonArray rows = pppd(April2025);
    ASSERT_EQ(5, rows.size());
    EXPECT_NEAR(number(recap, "salaryvalue"), total(rows, "salaryvalue"), 0.005);
    EXPECT_NEAR(number(recap, "sub2"), total(rows, "taxvalue"), 0.005);
    EXPECT_NEAR(number(recap, "sub1base"), total(rows, "contributionbase"), 0.005);
    EXPECT_NEAR(number(recap, "sub111") + number(recap, "sub121"), total(rows, "contribution1value"), 0.005);
    EXPECT_NEAR(number(recap, "sub112") + number(recap, "sub122"), total(rows, "contribution2value"), 0.005);
    EXPECT_NEAR(number(recap, "sub113") + number(recap, "sub123"), total(rows, "contribution3value"), 0.005);
    EXPECT_NEAR(number(recap, "sub124"), total(rows, "contribution4value"), 0.005);
    EXPECT_NEAR(number(recap, "sub11") + number(recap, "sub12") + number(recap, "sub124"),
                total(rows, "contribution1value") + total(rows, "contribution2value")
                    + total(rows, "contribution3value") + total(rows, "contribution4value"),
                0.005);
    EXPECT_NEAR(number(recap, "salaryvalue") - number(recap, "sub2basesub"), total(rows, "taxbase"), 0.005);

    const QJsonObject employer = rowOf(rows, QStringLiteral("0101990710005"));
    EXPECT_EQ(QStringLiteral("102101000"), employer.value(QStringLiteral("incometypecode")).toString());
    EXPECT_EQ(QStringLiteral("109101000"),
              rowOf(rows, QStringLiteral("0101990710003")).value(QStringLiteral("incometypecode")).toString());
    EXPECT_EQ(QStringLiteral("101101001"),
              rowOf(rows, QStringLiteral("0101990710004")).value(QStringLiteral("incometypecode")).toString());
    const QJsonObject sick = rowOf(rows, QStringLiteral("0101990710002"));
    EXPECT_EQ(176, sick.value(QStringLiteral("workinghours")).toInt());  // worked and sick hours together
    EXPECT_EQ(176, sick.value(QStringLiteral("salaryworkinghours")).toInt());
    EXPECT_EQ(31, sick.value(QStringLiteral("salaryworkingdays")).toInt());  // March
    EXPECT_EQ(2025, sick.value(QStringLiteral("year")).toInt());
    EXPECT_EQ(4, sick.value(QStringLiteral("month")).toInt());  // the month of payment

    // Building again replaces the rows; deleting removes them.
    ok(QStringList{QStringLiteral("pppd"), QStringLiteral("build"), QStringLiteral("--document"), QString::number(id)});
    EXPECT_EQ(5, pppd(April2025).size());
    EXPECT_EQ(QStringLiteral("5\n"), ok(QStringList{QStringLiteral("pppd"), QStringLiteral("delete")} + April2025).out);
    EXPECT_EQ(0, pppd(April2025).size());
}

TEST_F(Pppd, AnUnpostedDocumentIsRefusedAndTheStoredRowsStay) {
    REQUIRE_TEST_DATABASE();
    const qint64 posted = month(QStringLiteral("2025-04-10"));
    post(posted);
    ok(QStringList{QStringLiteral("pppd"), QStringLiteral("build")} + April2025);
    const qint64 open = month(QStringLiteral("2025-04-20"));
    const CliResult refused =
        run({QStringLiteral("pppd"), QStringLiteral("build"), QStringLiteral("--document"), QString::number(open)});
    EXPECT_EQ(1, refused.code);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("nije proknjižena"))) << refused.err.toStdString();
    EXPECT_EQ(5, pppd(April2025).size());
    const CliResult empty = run({QStringLiteral("pppd"), QStringLiteral("build"), QStringLiteral("--year"),
                                 QStringLiteral("2025"), QStringLiteral("--month"), QStringLiteral("5")});
    EXPECT_EQ(1, empty.code);
    EXPECT_TRUE(empty.err.contains(QStringLiteral("Nema proknjiženih zarada"))) << empty.err.toStdString();

    // Arguments that cannot mean one selection or one filter.
    const auto refusedWith = [&](const QStringList& args, const QString& message) {
        const CliResult r = run(QStringList{QStringLiteral("pppd")} + args);
        EXPECT_EQ(1, r.code) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(r.err.contains(message)) << r.err.toStdString();
    };
    refusedWith({QStringLiteral("build"), QStringLiteral("--document"), QString::number(posted), QStringLiteral("--year"),
                 QStringLiteral("2025")},
                QStringLiteral("--document ID ili --year"));
    refusedWith({QStringLiteral("delete"), QStringLiteral("--year"), QStringLiteral("2025"), QStringLiteral("--month"),
                 QStringLiteral("13")},
                QStringLiteral("Mesec PPP-PD prijave je od 1 do 12"));
    refusedWith(QStringList{QStringLiteral("export")} + April2025
                    + QStringList{QStringLiteral("--only"), QStringLiteral("101101000"), QStringLiteral("--except"),
                                  QStringLiteral("102101000"), QStringLiteral("--out"), QStringLiteral("x.xml")},
                QStringLiteral("--only ili --except"));
    refusedWith(QStringList{QStringLiteral("export")} + April2025
                    + QStringList{QStringLiteral("--payer-type"), QStringLiteral("8"), QStringLiteral("--out"),
                                  QStringLiteral("x.xml")},
                QStringLiteral("Tip isplatioca je od 1 do 7"));
    EXPECT_EQ(5, pppd(April2025).size());
}

TEST_F(Pppd, TheDeclarationIsEscapedTransliteratedAndFinalOnlyForAWholePayment) {
    REQUIRE_TEST_DATABASE();
    const qint64 id = month(QStringLiteral("2025-04-10"));
    post(id);
    ok(QStringList{QStringLiteral("pppd"), QStringLiteral("build")} + April2025);
    const QByteArray xml = exported(April2025, {QStringLiteral("--payer-type"), QStringLiteral("2")});
    const QString text = QString::fromUtf8(xml);
    EXPECT_TRUE(text.startsWith(QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\" ?> <tns:PodaciPoreskeDeklaracije "
        "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" xmlns:tns=\"http://pid.purs.gov.rs\" "
        "xsi:schemaLocation=\"http://pid.purs.gov.rs\"><tns:PodaciOPrijavi>"
        "<tns:KlijentskaOznakaDeklaracije>20250401</tns:KlijentskaOznakaDeklaracije><tns:VrstaPrijave>1"
        "</tns:VrstaPrijave><tns:ObracunskiPeriod>2025-04</tns:ObracunskiPeriod><tns:OznakaZaKonacnu>K"
        "</tns:OznakaZaKonacnu><tns:DatumPlacanja>2025-04-10</tns:DatumPlacanja><tns:NajnizaOsnovica>")))
        << text.left(700).toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("</tns:PodaciPoreskeDeklaracije>")));
    EXPECT_TRUE(text.contains(QStringLiteral("</tns:PodaciOPrijavi> <tns:PodaciOIsplatiocu><tns:TipIsplatioca>2<")));
    EXPECT_TRUE(text.contains(QStringLiteral("<tns:NazivPrezimeIme>Javor &amp; Sismis &lt;d.o.o.&gt;</tns:NazivPrezimeIme>")));
    EXPECT_TRUE(text.contains(QStringLiteral("<tns:UlicaIBroj>Zitni trg &quot;5&quot;</tns:UlicaIBroj>")));
    EXPECT_TRUE(text.contains(QStringLiteral("<tns:Prezime>Saric</tns:Prezime><tns:Ime>Djordje</tns:Ime>")));
    EXPECT_TRUE(text.contains(QStringLiteral("<tns:BrojZaposlenih>5</tns:BrojZaposlenih>")));
    EXPECT_TRUE(text.contains(QStringLiteral("</tns:PodaciOIsplatiocu> <tns:DeklarisaniPrihodi><tns:PodaciOPrihodima>"
                                             "<tns:RedniBroj>1</tns:RedniBroj>")));
    EXPECT_FALSE(text.contains(QStringLiteral("DeklarisaniMFP")));  // no row has MFP labels
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("<tns:Bruto>[0-9]+\\.[0-9]{2}</tns:Bruto>"))));
    // The schema itself refuses what the declaration must not hold.
    QByteArray shortJmbg = xml;
    shortJmbg.replace("<tns:IdentifikatorPrimaoca>0101990710001<", "<tns:IdentifikatorPrimaoca>010199071000<");
    EXPECT_TRUE(ValidatePPPPD(shortJmbg).contains(QStringLiteral("IdentifikatorPrimaoca")));
    QByteArray notFinal = xml;
    notFinal.replace("<tns:OznakaZaKonacnu>K<", "<tns:OznakaZaKonacnu>A<");
    EXPECT_TRUE(ValidatePPPPD(notFinal).contains(QStringLiteral("OznakaZaKonacnu")));
    QByteArray oneDecimal = xml;
    oneDecimal.replace(QByteArray("<tns:PIOBen>0.00<"), QByteArray("<tns:PIOBen>0.0<"));
    EXPECT_TRUE(ValidatePPPPD(oneDecimal).contains(QStringLiteral("PIOBen")));
    QByteArray outOfOrder = xml;
    outOfOrder.replace("<tns:VrstaPrijave>1</tns:VrstaPrijave>", "");
    EXPECT_FALSE(ValidatePPPPD(outOfOrder).isEmpty());
    EXPECT_FALSE(ValidatePPPPD(xml.left(xml.size() - 5)).isEmpty());  // not well-formed
    for (const char c : xml)
        EXPECT_LT(static_cast<unsigned char>(c), 128u) << "all transliterated";
    EXPECT_NE('\n', xml.back());

    // An advance (a part of the month's pay) is not final.
    const qint64 advance = month(QStringLiteral("2025-05-05"), {QStringLiteral("partcoefficient=50")});
    post(advance);
    ok({QStringLiteral("pppd"), QStringLiteral("build"), QStringLiteral("--document"), QString::number(advance)});
    const QString partial =
        QString::fromUtf8(exported({QStringLiteral("--document"), QString::number(advance)}));
    EXPECT_TRUE(partial.contains(QStringLiteral("<tns:ObracunskiPeriod>2025-05</tns:ObracunskiPeriod>")));
    EXPECT_FALSE(partial.contains(QStringLiteral("OznakaZaKonacnu")));

    // Filters: all but the employer, only the employer, a code nobody has.
    const QString others =
        QString::fromUtf8(exported(April2025, {QStringLiteral("--except"), QStringLiteral("102101000")}));
    EXPECT_TRUE(others.contains(QStringLiteral("<tns:BrojZaposlenih>4</tns:BrojZaposlenih>")));
    const QString employer = QString::fromUtf8(exported(April2025, {QStringLiteral("--only"), QStringLiteral("102101000")}));
    EXPECT_TRUE(employer.contains(QStringLiteral("<tns:BrojZaposlenih>1</tns:BrojZaposlenih>")));
    EXPECT_TRUE(employer.contains(QStringLiteral("<tns:Prezime>Vasic</tns:Prezime>")));
    const QString nobody = QString::fromUtf8(exported(April2025, {QStringLiteral("--only"), QStringLiteral("999999999")}));
    EXPECT_TRUE(nobody.contains(QStringLiteral("<tns:BrojZaposlenih>0</tns:BrojZaposlenih>")));
    EXPECT_TRUE(nobody.contains(QStringLiteral("<tns:DeklarisaniPrihodi></tns:DeklarisaniPrihodi>")));
}

TEST_F(Pppd, ARowWithABadJmbgIsNamedAndNothingIsWritten) {
    REQUIRE_TEST_DATABASE();
    const qint64 id = month(QStringLiteral("2025-04-10"));
    post(id);
    c->exec(QStringLiteral("UPDATE employee SET personalidentificator = '010199071' WHERE code = '003'"));
    ok(QStringList{QStringLiteral("pppd"), QStringLiteral("build")} + April2025);
    const QString path = dir.filePath(QStringLiteral("bad.xml"));
    const CliResult refused = run(QStringList{QStringLiteral("pppd"), QStringLiteral("export")} + April2025
                                  + QStringList{QStringLiteral("--out"), path});
    EXPECT_EQ(1, refused.code);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("Čolić Žarko"))) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains(QStringLiteral("13 cifara"))) << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());

    // The company's tax number is checked before anything is written.
    c->exec(QStringLiteral("UPDATE employee SET personalidentificator = '0101990710003' WHERE code = '003'"));
    ok(QStringList{QStringLiteral("pppd"), QStringLiteral("build")} + April2025);
    ok({QStringLiteral("settings"), QStringLiteral("set"), QStringLiteral("CompanyInfo"), QStringLiteral("Code=1084")});
    const CliResult schema = run(QStringList{QStringLiteral("pppd"), QStringLiteral("export")} + April2025
                                 + QStringList{QStringLiteral("--out"), path});
    EXPECT_EQ(1, schema.code);
    EXPECT_TRUE(schema.err.contains(QStringLiteral("PIB preduzeća"))) << schema.err.toStdString();
    EXPECT_FALSE(QFile::exists(path));
}

TEST_F(Pppd, SickPayRowsDeclareTheSickHoursWithTheCodeOfTheirPercentage) {
    REQUIRE_TEST_DATABASE();
    addEmployees(QStringLiteral("('006', 'Iva', 'Bolesna', 'y', 7, 1, 1, 80000, 0, 'n'), "
                                "('007', 'Mira', 'Bolesna', 'y', 7, 1, 1, 80000, 0, 'n')"));
    c->exec(QStringLiteral("UPDATE employee SET personalidentificator = CASE code WHEN '006' THEN '0101990710006' "
                           "ELSE '0101990710007' END, communitycode = '80020', employer = 'n' WHERE code IN ('006', '007')"));
    const qint64 id = newDocument(QStringLiteral("B"), {QStringLiteral("workinghours=176")});
    addAll(id);
    // Sick pay itself comes from average earnings, which this company has none
    // of; the return only reads the stored hours and percentage.
    c->exec(QStringLiteral("UPDATE salaryitem SET sickhours = 16, sickpercent = 70 WHERE employeeid = "
                           "(SELECT employeeid FROM employee WHERE code = '006')"));
    c->exec(QStringLiteral("UPDATE salaryitem SET sickhours = 24 WHERE employeeid = "
                           "(SELECT employeeid FROM employee WHERE code = '007')"));
    post(id);
    const QStringList document{QStringLiteral("--document"), QString::number(id)};
    ok(QStringList{QStringLiteral("pppd"), QStringLiteral("build")} + document);
    const QJsonArray rows = pppd(document);
    ASSERT_EQ(2, rows.size());
    const QJsonObject above = rowOf(rows, QStringLiteral("0101990710006"));
    EXPECT_EQ(QStringLiteral("101201000"), above.value(QStringLiteral("incometypecode")).toString());
    EXPECT_EQ(16, above.value(QStringLiteral("workinghours")).toInt());
    const QJsonObject atDefault = rowOf(rows, QStringLiteral("0101990710007"));
    EXPECT_EQ(QStringLiteral("101202000"), atDefault.value(QStringLiteral("incometypecode")).toString());  // 65 %
    EXPECT_EQ(24, atDefault.value(QStringLiteral("workinghours")).toInt());
    const QString xml = QString::fromUtf8(exported(document));
    EXPECT_TRUE(xml.contains(QStringLiteral("<tns:OznakaZaKonacnu>K</tns:OznakaZaKonacnu>")));  // sick pay is final
}

TEST_F(Pppd, BuildingReadsAFixedNumberOfStatementsWhateverTheLines) {
    REQUIRE_TEST_DATABASE();
    ScriptedMessages messages(ScriptedMessages::AnswerPolicy::Fail);
    TSalaryDM dm;
    dm.ConnectForEditing(*c, messages);
    // What a build sends, the rows' inserts included.
    const auto reads = [&](qint64 id) {
        const quint64 before = c->statementCount();
        BuildUnifiedCollection(dm, {id, 0, 0});
        return c->statementCount() - before;
    };
    const qint64 five = month(QStringLiteral("2025-04-10"));
    post(five);
    addEmployees(QStringLiteral("('008', 'Ivan', 'Novi', 'y', 1, 1, 1, 90000, 0, 'n'), "
                                "('009', 'Ina', 'Nova', 'y', 1, 1, 1, 90000, 0, 'n'), "
                                "('010', 'Iris', 'Nova', 'y', 1, 1, 1, 90000, 0, 'n')"));
    // April, paid in May: no earlier payment of its month to read.
    const qint64 eight = ok({QStringLiteral("document"), QStringLiteral("new"), QStringLiteral("--type"),
                             QStringLiteral("Z"), QStringLiteral("--year"), QStringLiteral("2025"),
                             QStringLiteral("--month"), QStringLiteral("4"), QStringLiteral("--paymentdate"),
                             QStringLiteral("2025-05-10"), QStringLiteral("workinghours=176")})
                             .out.trimmed()
                             .toLongLong();
    EXPECT_EQ(QStringLiteral("8"), addAll(eight).out.trimmed());
    post(eight);
    const quint64 small = reads(five);
    EXPECT_EQ(small, reads(eight));
    EXPECT_LT(small, 30u);
}

TEST_F(Pppd, TheLowestBaseCountsEmployeesPaidBelowItAsIfForTheWholeFund) {
    REQUIRE_TEST_DATABASE();
    const qint64 id = month(QStringLiteral("2025-04-10"), {QStringLiteral("minsalaryvalue=100000")});
    post(id);
    ok(QStringList{QStringLiteral("pppd"), QStringLiteral("build")} + April2025);
    const QJsonArray rows = pppd(April2025);
    int below = 0;
    for (const QJsonValue& row : rows)
        below += number(row.toObject(), "salaryvalue") < 100000 ? 1 : 0;
    ASSERT_GT(below, 0);
    EXPECT_TRUE(QString::fromUtf8(exported(April2025))
                    .contains(QStringLiteral("<tns:NajnizaOsnovica>%1</tns:NajnizaOsnovica>").arg(below)));
}

TEST_F(Pppd, AFinalPaymentDeclaresTheAdvanceOfItsMonthInItsMfp) {
    REQUIRE_TEST_DATABASE();
    const qint64 advance = month(QStringLiteral("2025-04-05"), {QStringLiteral("partcoefficient=50")});
    post(advance);
    const qint64 final = month(QStringLiteral("2025-04-20"));
    post(final);
    // Both paid in April: the advance's pairs come from its rows built in the same run.
    ok(QStringList{QStringLiteral("pppd"), QStringLiteral("build")} + April2025);
    const QJsonArray month = pppd(April2025);
    ASSERT_EQ(10, month.size());
    const QStringList finalOnly{QStringLiteral("--document"), QString::number(final)};
    const QStringList advanceOnly{QStringLiteral("--document"), QString::number(advance)};
    const QJsonArray advanceRows = pppd(advanceOnly);
    ASSERT_EQ(5, advanceRows.size());
    const auto value = [](const QJsonObject& row, const char* name) { return row.value(QLatin1String(name)); };
    const auto expectDeclaresTheAdvance = [&](const QJsonArray& finalRows) {
        ASSERT_EQ(5, finalRows.size());
        for (const QJsonValue& r : finalRows) {
            const QJsonObject row = r.toObject();
            const QJsonObject part = rowOf(advanceRows, value(row, "personalidentificator").toString());
            EXPECT_EQ(1, value(row, "mfflabel").toInt());
            EXPECT_NEAR(number(part, "salaryvalue") - number(part, "taxbase"), number(row, "mffvalue"), 0.005);
            EXPECT_EQ(2, value(row, "mfflabel2").toInt());
            EXPECT_NEAR(number(part, "contributionbase"), number(row, "mffvalue2"), 0.005);
            EXPECT_EQ(4, value(row, "mfflabel3").toInt());
            EXPECT_NEAR(number(part, "salaryvalue"), number(row, "mffvalue3"), 0.005);
            EXPECT_EQ(6, value(row, "mfflabel4").toInt());
            EXPECT_EQ(value(part, "workinghours").toInt(), value(row, "mffvalue4").toInt());
            EXPECT_EQ(0, value(row, "mfflabel5").toInt());
        }
    };
    expectDeclaresTheAdvance(pppd(finalOnly));
    for (const QJsonValue& row : advanceRows)
        EXPECT_EQ(0, row.toObject().value(QStringLiteral("mfflabel")).toInt());  // nothing was paid before it

    // The final document alone reads the advance's stored rows, set-based.
    ok(QStringList{QStringLiteral("pppd"), QStringLiteral("build")} + finalOnly);
    expectDeclaresTheAdvance(pppd(finalOnly));
    const QString xml = QString::fromUtf8(exported(finalOnly));
    const QJsonObject first = pppd(finalOnly).at(0).toObject();
    EXPECT_TRUE(xml.contains(QStringLiteral("<tns:PIOBen>0.00</tns:PIOBen><tns:DeklarisaniMFP><tns:MFP><tns:Oznaka>MFP.1"
                                            "</tns:Oznaka><tns:Vrednost>%1</tns:Vrednost></tns:MFP>")
                                 .arg(QString::number(number(first, "mffvalue"), 'f', 0))))
        << xml.toStdString();
    EXPECT_EQ(5, xml.count(QStringLiteral("<tns:Oznaka>MFP.6</tns:Oznaka>")));
    EXPECT_TRUE(xml.contains(QStringLiteral("<tns:OznakaZaKonacnu>K</tns:OznakaZaKonacnu>")));
}

}  // namespace
