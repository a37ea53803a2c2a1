#include "PaymentMonth.h"

#include "RegisterEmployee.h"
#include "TreasuryExport.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>

// The treasury's salary report and register of employees: built from the
// month's final posted documents only, one row per employee, the net split
// exactly, and the files as the treasury reads them.

namespace {

const QStringList March2025 = {QStringLiteral("--year"), QStringLiteral("2025"), QStringLiteral("--month"),
                               QStringLiteral("3")};
const QStringList April2025 = {QStringLiteral("--year"), QStringLiteral("2025"), QStringLiteral("--month"),
                               QStringLiteral("4")};

TEST(TreasuryFileNames, MonthInTwoDigitsForTheSalaryReportAsItIsForTheRegister) {
    const QDateTime now(QDate(2025, 4, 10), QTime(8, 5, 3));
    EXPECT_EQ(QStringLiteral("Zarade_20250410080503_12345_108452716_2025_03"),
              ExportTreasuryFileName(now, QStringLiteral("12345"), QStringLiteral("108452716"), 2025, 3));
    EXPECT_EQ(QStringLiteral("dsRegZ_ZapNO_1_20250410080503_12345_2025_3"),
              RegisterEmployeeFileName(now, QStringLiteral("12345"), 2025, 3));
}

struct TreasuryReturns : PaymentMonth {
    QTemporaryDir dir;

    void SetUp() override {
        PaymentMonth::SetUp();
        if (IsSkipped())
            return;
        c->exec(QStringLiteral("UPDATE employee SET sex = 'm', citizenship = 'Srbija', city = 'Čačak', "
                               "personalidentificator = '0101990710001'"));
        c->exec(QStringLiteral("UPDATE employee SET sex = 'f', lastname = 'Ilić & Kći' WHERE code = '001'"));
        ok({QStringLiteral("settings"), QStringLiteral("set"), QStringLiteral("CompanyInfo"),
            QStringLiteral("Name=Javor & Šišmiš <d.o.o.>"), QStringLiteral("Code=108452716"),
            QStringLiteral("UniqueNumber=12345"), QStringLiteral("FunctionalClass=912")});
    }

    QString exported(const QStringList& command) {
        const QString path = dir.filePath(QStringLiteral("out.xml"));
        QFile::remove(path);
        ok(command + QStringList{QStringLiteral("--out"), path});
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QString::fromLatin1(file.readAll());
    }

    static QString today() { return QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")); }
};

QJsonObject rowOf(const QJsonArray& rows, const char* column, const QString& value) {
    for (const QJsonValue& row : rows)
        if (row.toObject().value(QLatin1String(column)).toVariant().toString() == value)
            return row.toObject();
    ADD_FAILURE() << "no row " << value.toStdString();
    return {};
}

TEST_F(TreasuryReturns, TheSplitAddsUpToTheDecreasedNetOfTheFinalDocumentsPerEmployee) {
    const qint64 regular = month(QStringLiteral("2025-04-10"),
                                 {QStringLiteral("netdecreasepercent=10"), QStringLiteral("netdecreaseminvalue=60000"),
                                  QStringLiteral("workingyearsincrementpercent=0.4")});
    ok(lineSet(regular, QStringLiteral("001"), {QStringLiteral("workingyears=20")}));
    ok(lineSet(regular, QStringLiteral("002"), {QStringLiteral("workinghours=168"), QStringLiteral("nightworkinghours=8")}));
    ok(lineSet(regular, QStringLiteral("004"), {QStringLiteral("workingyears=7"), QStringLiteral("increment=5000")}));
    post(regular);
    const qint64 second = month(QStringLiteral("2025-04-20"));
    post(second);
    const qint64 advance = month(QStringLiteral("2025-03-25"), {QStringLiteral("partcoefficient=50")});
    post(advance);
    month(QStringLiteral("2025-04-25"));  // not posted

    const QJsonArray rows = this->rows(QStringList{QStringLiteral("treasury"), QStringLiteral("show")} + March2025);
    ASSERT_EQ(5, rows.size());
    bool anyDecreased = false;
    for (const char* code : {"001", "002", "003", "004", "005"}) {
        SCOPED_TRACE(code);
        const QJsonObject a = line(regular, QLatin1String(code));
        const QJsonObject b = line(second, QLatin1String(code));
        const QJsonObject row = rowOf(rows, "employeeid", a.value(QStringLiteral("employeeid")).toVariant().toString());
        const double decreased = number(a, "paymentdecreasedvalue") + number(b, "paymentdecreasedvalue");
        anyDecreased = anyDecreased || number(a, "paymentdecreasedvalue") < number(a, "paymentvalue");
        EXPECT_NEAR(decreased, number(row, "regularnet") + number(row, "workingyearsnet") + number(row, "varpart"),
                    0.001);
        EXPECT_NEAR(number(a, "paymentvalue") + number(b, "paymentvalue"), number(row, "paymentvalue"), 0.001);
        EXPECT_NEAR(number(a, "salaryvalue") + number(b, "salaryvalue"), number(row, "salaryvalue"), 0.001);
        EXPECT_GT(number(row, "regularnet"), 0);
        const bool years = QLatin1String(code) == QLatin1String("001") || QLatin1String(code) == QLatin1String("004");
        EXPECT_EQ(years, number(row, "workingyearsnet") > 0);
        const bool variable = QLatin1String(code) == QLatin1String("002") || QLatin1String(code) == QLatin1String("004");
        EXPECT_EQ(variable, number(row, "varpart") > 0);
    }
    EXPECT_TRUE(anyDecreased);

    const QString xml = exported(QStringList{QStringLiteral("treasury"), QStringLiteral("export")} + March2025);
    EXPECT_TRUE(xml.startsWith(QStringLiteral("<Zarade><DatumSlanja>") + today()
                               + QStringLiteral("</DatumSlanja><JBBK>12345</JBBK><JBBKNaziv>Javor &amp; Sismis "
                                                "&lt;d.o.o.&gt;</JBBKNaziv><PIB>108452716</PIB><Godina>2025</Godina>"
                                                "<Mesec>3</Mesec> <ZaradaSlog><Ime>Ana</Ime><Prezime>Ilic &amp; Kci"
                                                "</Prezime><JMBG>0101990710001</JMBG>")))
        << xml.left(400).toStdString();
    EXPECT_TRUE(xml.contains(QStringLiteral("<Ime>Djordje</Ime><Prezime>Saric</Prezime>")));
    EXPECT_TRUE(xml.endsWith(QStringLiteral("</ZaradaSlog></Zarade>")));
    EXPECT_EQ(5, xml.count(QStringLiteral("<ZaradaSlog>")));
    const QJsonObject ana = rows.at(0).toObject();
    EXPECT_TRUE(xml.contains(QStringLiteral("<Zarada>%1</Zarada><UvecanaZarada>%2</UvecanaZarada>")
                                 .arg(number(ana, "regularnet"), 0, 'f', 2)
                                 .arg(number(ana, "workingyearsnet"), 0, 'f', 2)));

    // A month without final documents: the header alone.
    EXPECT_TRUE(exported({QStringLiteral("treasury"), QStringLiteral("export"), QStringLiteral("--year"),
                          QStringLiteral("2025"), QStringLiteral("--month"), QStringLiteral("5")})
                    .endsWith(QStringLiteral("<Mesec>5</Mesec> </Zarade>")));
    ok({QStringLiteral("settings"), QStringLiteral("set"), QStringLiteral("CompanyInfo"), QStringLiteral("UniqueNumber=")});
    const CliResult refused = run(QStringList{QStringLiteral("treasury"), QStringLiteral("export"),
                                              QStringLiteral("--out"), dir.filePath(QStringLiteral("x.xml"))}
                                  + March2025);
    EXPECT_EQ(1, refused.code);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("UniqueNumber"))) << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("x.xml"))));
}

TEST_F(TreasuryReturns, TheRegisterTakesOneRowPerEmployeeWithThePointValueAndTheServiceStatus) {
    const qint64 regular = month(QStringLiteral("2025-04-10"),
                                 {QStringLiteral("baudvalue=10000"), QStringLiteral("workingyearsincrementpercent=0.4")});
    ok(lineSet(regular, QStringLiteral("001"), {QStringLiteral("workingyears=20")}));
    post(regular);
    post(month(QStringLiteral("2025-04-20"), {QStringLiteral("baudvalue=12000")}));
    post(month(QStringLiteral("2025-04-05"), {QStringLiteral("partcoefficient=50")}));
    // The register reads the employees as they are when it is built.
    c->exec(QStringLiteral("UPDATE employee SET workingfromdate = '2010-02-01'"));
    c->exec(QStringLiteral("UPDATE employee SET workingtodate = '2025-12-31' WHERE code = '001'"));
    c->exec(QStringLiteral("UPDATE employee SET workingstateid = 13 WHERE code = '003'"));
    c->exec(QStringLiteral("UPDATE employee SET workingstateid = 10 WHERE code = '002'"));

    EXPECT_EQ(QStringLiteral("5\n"), ok(QStringList{QStringLiteral("register"), QStringLiteral("build")} + April2025).out);
    const CliResult again = run(QStringList{QStringLiteral("register"), QStringLiteral("build")} + April2025);
    EXPECT_EQ(1, again.code);
    EXPECT_TRUE(again.err.contains(QStringLiteral("već ima redove"))) << again.err.toStdString();
    const QJsonArray rows = this->rows(QStringList{QStringLiteral("register"), QStringLiteral("show")} + April2025);
    ASSERT_EQ(5, rows.size());
    for (const QJsonValue& value : rows) {
        const QJsonObject row = value.toObject();
        // The first document paid gives the point value: 10 000 and its 70.1 %.
        EXPECT_EQ(10000.0, number(row, "salaryvalue"));
        EXPECT_EQ(7010.0, number(row, "paymentvalue"));
        EXPECT_EQ(100.0, number(row, "workpercent"));
    }
    const QJsonObject ana = rows.at(0).toObject();
    EXPECT_EQ(QStringLiteral("f"), ana.value(QStringLiteral("sex")).toString());
    EXPECT_EQ(8.0, number(ana, "workingyearsincrementpercent"));  // 0.4 % × 20 years
    EXPECT_EQ(QStringLiteral("2025-12-31"), ana.value(QStringLiteral("workingtodate")).toString());
    const auto status = [&rows](int row) { return rows.at(row).toObject().value(QStringLiteral("contribution4status")).toString(); };
    EXPECT_EQ(QString(), status(0));
    EXPECT_EQ(QString(), status(1));  // state 10
    EXPECT_EQ(QStringLiteral("12/16"), status(2));
    EXPECT_EQ(QStringLiteral("12/14"), status(3));

    const QString xml = exported(QStringList{QStringLiteral("register"), QStringLiteral("export")} + April2025);
    EXPECT_TRUE(xml.startsWith(QStringLiteral("<dsRegZ><OpstiPodaci><Korisnik>12345</Korisnik><Mesec>4</Mesec>"
                                              "<Godina>2025</Godina><DatumSlanja>")
                               + today()
                               + QStringLiteral("</DatumSlanja></OpstiPodaci> <ZaposleniNO><JBKJS>12345</JBKJS>"
                                                "<FunkcionalnaKlas>912</FunkcionalnaKlas><Identifikacija>0101990710001"
                                                "</Identifikacija><Ime>Ana</Ime><Prezime>Ilic &amp; Kci</Prezime>"
                                                "<Pol>1</Pol><Drzavljanstvo>Srbija</Drzavljanstvo><MestoPrebivalista>"
                                                "Cacak</MestoPrebivalista>")))
        << xml.left(600).toStdString();
    EXPECT_TRUE(xml.contains(QStringLiteral("<ProcenatAngazovanja>100.00</ProcenatAngazovanja><UkupanStaz>20</UkupanStaz>"
                                            "<StazJubilarna></StazJubilarna><BeneficiraniStaz></BeneficiraniStaz>"
                                            "<MinuliRad>8.00</MinuliRad>")));
    EXPECT_TRUE(xml.contains(QStringLiteral("<Osnovica>7010.00</Osnovica><OsnovicaBruto>10000.00</OsnovicaBruto>")));
    EXPECT_TRUE(xml.contains(QStringLiteral("<DatumPocetkaAngazovanja>2010-02-01</DatumPocetkaAngazovanja>"
                                            "<DatumZavrsetkaAngazovanja></DatumZavrsetkaAngazovanja>")));
    EXPECT_TRUE(xml.contains(QStringLiteral("<Ime>Djordje</Ime><Prezime>Saric</Prezime><Pol>2</Pol>")));
    EXPECT_TRUE(xml.endsWith(QStringLiteral("</SifraOrganizacioneJedinice></ZaposleniNO></dsRegZ>")));

    EXPECT_EQ(QStringLiteral("5\n"), ok(QStringList{QStringLiteral("register"), QStringLiteral("delete")} + April2025).out);
    EXPECT_EQ(0, this->rows(QStringList{QStringLiteral("register"), QStringLiteral("show")} + April2025).size());
    EXPECT_EQ(QStringLiteral("0\n"), ok({QStringLiteral("register"), QStringLiteral("build"), QStringLiteral("--year"),
                                         QStringLiteral("2025"), QStringLiteral("--month"), QStringLiteral("5")})
                                         .out);
    // An employee without a date of employment is named, and nothing is added.
    c->exec(QStringLiteral("UPDATE employee SET workingfromdate = NULL WHERE code = '005'"));
    const CliResult lacking = run(QStringList{QStringLiteral("register"), QStringLiteral("build")} + April2025);
    EXPECT_EQ(1, lacking.code);
    EXPECT_TRUE(lacking.err.contains(QStringLiteral("(005)"))) << lacking.err.toStdString();
    EXPECT_EQ(0, this->rows(QStringList{QStringLiteral("register"), QStringLiteral("show")} + April2025).size());
    const CliResult month13 = run({QStringLiteral("register"), QStringLiteral("build"), QStringLiteral("--year"),
                                   QStringLiteral("2025"), QStringLiteral("--month"), QStringLiteral("13")});
    EXPECT_EQ(1, month13.code);
    EXPECT_TRUE(month13.err.contains(QStringLiteral("mesec je od 1 do 12"))) << month13.err.toStdString();
}

}  // namespace
