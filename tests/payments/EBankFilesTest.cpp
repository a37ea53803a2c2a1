#include "DatabaseErrorOf.h"
#include "EBankAccount.h"
#include "EBankFiles.h"
#include "EBankSettings.h"
#include "PaymentErrands.h"
#include "SalaryDM.h"
#include "Transliteration.h"
#include "Windows1250.h"
#include "db/DbError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The e-banking files, byte for byte: a bank refuses a file that is off by
// one. The orders are those the e-banking road builds (positive amounts,
// 18-digit accounts); the company's own texts stay Windows-1250, the
// recipient's are transliterated to ASCII.

namespace {

QByteArray spaces(int n) { return QByteArray(n, ' '); }

QByteArray read(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

struct EBankFiles : ::testing::Test {
    TSalaryDM dm;
    TEBankSagaSettings saga;
    QTemporaryDir dir;
    const QDateTime now{QDate(2025, 4, 10), QTime(9, 0, 1)};

    void SetUp() override {
        DefinePaymentErrandSets(dm);
        const auto order = [](const QString& description, const QString& recipient, const QString& city,
                              const char* paycode, double value, const QString& account, const char* model,
                              const QString& code) {
            return std::vector<QVariant>{QStringLiteral("Đak Niš"), description, recipient, QString(), city,
                                         QLatin1String(paycode), QStringLiteral("RSD"), value,
                                         QStringLiteral("160-0000000456789-28"), EBankAccount(account),
                                         QLatin1String(model), code};
        };
        dm.PaymentErrandsCDS->appendRecords(
            {order(QStringLiteral("Obustava za 3.2025."), QStringLiteral("Čedomir Ćosić & Šljivić <d.o.o.>"),
                   QStringLiteral("Niš"), "290", 1234.5, QStringLiteral("160-5100-12"), "97", QStringLiteral("12-34'5")),
             order(QStringLiteral("Zarada za 3.2025."), QStringLiteral("Udruženje Đorđević, Šarić i Žunić d.o.o."),
                   QStringLiteral("Novi Sad"), "240", 200000.00, QStringLiteral("160-0000000456789-28"), "97",
                   QStringLiteral("1")),
             order(QStringLiteral("Zarada za 3.2025."), QStringLiteral("Đurđa Žižić"), QStringLiteral("Čačak"), "240",
                   200000.01, QStringLiteral("840-4848-37"), "", QString())});
        saga.ExportDir = dir.path() + QLatin1Char('/');
        saga.CompanyNumber = QStringLiteral("08124639");
        saga.CompanyName = QStringLiteral("Đak & sin \"Niš\"");
        saga.CompanyCity = QStringLiteral("Čačak");
        saga.BankAccount = QStringLiteral("160-0000000456789-28");
        saga.Priority = QStringLiteral("50");
        saga.PriorityRTGS = QStringLiteral("10");
    }
};

TEST(EBankTexts, SerbianLettersTransliterateAndTheRestIsWindows1250) {
    EXPECT_EQ(QStringLiteral("SsDjdjCcCcZz Ä"), Convert1250To1252(QStringLiteral("ŠšĐđČčĆćŽž Ä")));
    EXPECT_EQ(QByteArray("\x8A\x9A\xD0\xF0\xC8\xE8\xC6\xE6\x8E\x9E a?"),
              EncodeWindows1250(QStringLiteral("ŠšĐđČčĆćŽž a€").replace(QChar(0x20AC), QChar(0x4E2D))));
    // Every byte of the code page that has a character comes back as it went.
    QByteArray all;
    for (int b = 0x20; b < 0x100; ++b)
        all.append(char(b));
    const QString text = DecodeWindows1250(all);
    QByteArray defined;
    for (qsizetype i = 0; i < all.size(); ++i)
        if (text.at(i) != QChar(QChar::ReplacementCharacter))
            defined.append(all.at(i));
    EXPECT_EQ(all.size() - 5, defined.size());  // 0x81, 0x83, 0x88, 0x90, 0x98 are undefined
    EXPECT_EQ(defined, EncodeWindows1250(DecodeWindows1250(defined)));
}

TEST(EBankTexts, AccountsTakeTheirEighteenDigitFormAndAreChecked) {
    EXPECT_EQ(QStringLiteral("840000000000484837"), EBankAccount(QStringLiteral("840-4848-37")));
    EXPECT_EQ(QStringLiteral("160000000000510012"), EBankAccount(QStringLiteral("160-5100-12")));
    EXPECT_EQ(QStringLiteral("160000000045678928"), EBankAccount(QStringLiteral("160-0000000456789-28")));
    EXPECT_EQ(QStringLiteral("160123456789012345"), EBankAccount(QStringLiteral("160-12345678901234-45")));
    EXPECT_TRUE(EBankAccountValid(QStringLiteral("840000000000484837")));
    EXPECT_TRUE(EBankAccountValid(QStringLiteral("160000000045678928")));
    EXPECT_FALSE(EBankAccountValid(QStringLiteral("160000000045678929")));
    EXPECT_FALSE(EBankAccountValid(QStringLiteral("16000000004567892")));
    EXPECT_FALSE(EBankAccountValid(QStringLiteral("16000000004567892x")));
}

TEST_F(EBankFiles, SagaWritesOneExactLineOfXmlPerOrderStampedUpToNow) {
    const QStringList files = EBankSAGAExport(*dm.PaymentErrandsCDS, saga, now);
    // Two, one and no seconds before now: every name differs, the last is now.
    const QString prefix = dir.path() + QStringLiteral("/N10042025_");
    ASSERT_EQ((QStringList{prefix + QStringLiteral("085959_1.xml"), prefix + QStringLiteral("090000_1.xml"),
                           prefix + QStringLiteral("090001_1.xml")}),
              files);
    const QByteArray head = "<Nalog><Data><SifraProizvodaCORE>501</SifraProizvodaCORE><TransakcijaID/><PlacanjeID/>"
                            "<DatumPrijema/><RedniBrojNaloga>1</RedniBrojNaloga><MaticniBrojNalogodavca>08124639"
                            "</MaticniBrojNalogodavca><VasBrojNaloga></VasBrojNaloga>";
    const QByteArray dates = "<SifraValute>941</SifraValute>";
    const QByteArray valueDates = "<DatumValute>10.04.2025</DatumValute><DatumValuteDo>10.04.2025</DatumValuteDo>"
                                  "<RacunNalogodavca>160-0000000456789-28</RacunNalogodavca>";
    // The company's name and city as the settings hold them, in Windows-1250.
    const QByteArray company = "<NazivNalogodavca>\xD0"
                               "ak &amp; sin &quot;Ni\x9A&quot;</NazivNalogodavca><MestoNalogodavca>\xC8"
                               "a\xE8"
                               "ak</MestoNalogodavca>";
    const auto tail = [](const char* priority) {
        return QByteArray("<BrojGrupnogNaloga/><BrojZbirnogNaloga/><Status/><Prioritet>") + priority
            + "</Prioritet></Data><Potpisi></Potpisi></Nalog>";
    };
    EXPECT_EQ(head + "<SifraPlacanja>290</SifraPlacanja><SvrhaDoznake>Obustava za 3.2025.</SvrhaDoznake>" + dates
                  + "<Iznos>1234.50</Iznos>" + valueDates
                  + "<RacunKorisnika>160000000000510012</RacunKorisnika><ModelNalogodavca></ModelNalogodavca>"
                    "<PozivNaBrojNalogodavca></PozivNaBrojNalogodavca><ModelKorisnika>97</ModelKorisnika>"
                    "<PozivNaBrojKorisnika>12-34'5</PozivNaBrojKorisnika>"
                  + company
                  + "<NazivKorisnika>Cedomir Cosic &amp; Sljivic &lt;d.o.o.&gt;</NazivKorisnika>"
                    "<MestoKorisnika>Nis</MestoKorisnika>"
                  + tail("50"),
              read(files[0]));
    // Exactly 200,000.00 is an ordinary payment, a para more goes by RTGS.
    EXPECT_EQ(head + "<SifraPlacanja>240</SifraPlacanja><SvrhaDoznake>Zarada za 3.2025.</SvrhaDoznake>" + dates
                  + "<Iznos>200000.00</Iznos>" + valueDates
                  + "<RacunKorisnika>160000000045678928</RacunKorisnika><ModelNalogodavca></ModelNalogodavca>"
                    "<PozivNaBrojNalogodavca></PozivNaBrojNalogodavca><ModelKorisnika>97</ModelKorisnika>"
                    "<PozivNaBrojKorisnika>1</PozivNaBrojKorisnika>"
                  + company
                  + "<NazivKorisnika>Udruzenje Djordjevic, Saric i Zunic d.o.o.</NazivKorisnika>"
                    "<MestoKorisnika>Novi Sad</MestoKorisnika>"
                  + tail("50"),
              read(files[1]));
    EXPECT_EQ(head + "<SifraPlacanja>240</SifraPlacanja><SvrhaDoznake>Zarada za 3.2025.</SvrhaDoznake>" + dates
                  + "<Iznos>200000.01</Iznos>" + valueDates
                  + "<RacunKorisnika>840000000000484837</RacunKorisnika><ModelNalogodavca></ModelNalogodavca>"
                    "<PozivNaBrojNalogodavca></PozivNaBrojNalogodavca><ModelKorisnika></ModelKorisnika>"
                    "<PozivNaBrojKorisnika></PozivNaBrojKorisnika>"
                  + company + "<NazivKorisnika>Djurdja Zizic</NazivKorisnika><MestoKorisnika>Cacak</MestoKorisnika>"
                  + tail("10"),
              read(files[2]));

    // A second account, where there is one, pays.
    saga.BankAccount2 = QStringLiteral("205-0000000000123-45");
    EXPECT_TRUE(SagaOrder(*dm.PaymentErrandsCDS, 0, saga, now.date())
                    .contains("<RacunNalogodavca>205-0000000000123-45</RacunNalogodavca>"));
}

TEST_F(EBankFiles, HalcomWritesSixteenFixedFieldsPerLine) {
    TEBankHalcomSettings halcom{dir.path() + QStringLiteral("/h"), false};
    const QString file = EBankHalcomExport(*dm.PaymentErrandsCDS, halcom, now);
    EXPECT_EQ(dir.path() + QStringLiteral("/hN10042025_090002_1.txt"), file);
    const QByteArray first = QByteArray("160000000000510012" "Cedomir Cosic & Sljivic <d.o.o.>") + spaces(3) + "Nis" + spaces(7)
        + "0" + spaces(25) + "Obustava za 3.2025." + spaces(17) + "00000" + " " + "290" + "  " + "0000000123450"
        + "97" + "12-34'5" + spaces(16) + "100425" + "01\r\n";
    // A name of 40 letters is cut to 35 after transliteration.
    const QByteArray second = QByteArray("160000000045678928" "Udruzenje Djordjevic, Saric i Zunic" "Novi Sad  ") + "0"
        + spaces(25) + "Zarada za 3.2025." + spaces(19) + "00000 240  " + "0000020000000" + "97" + "1" + spaces(22)
        + "10042501\r\n";
    const QByteArray third = QByteArray("840000000000484837" "Djurdja Zizic") + spaces(22) + "Cacak" + spaces(5) + "0" + spaces(25)
        + "Zarada za 3.2025." + spaces(19) + "00000 240  " + "0000020000001" + spaces(2) + spaces(23)
        + "10042501\r\n";
    EXPECT_EQ(first + second + third, read(file));
    EXPECT_EQ(184, first.size());

    // The new format drops the space before the payment code.
    halcom.FormatNew = true;
    const QByteArray line = HalcomLine(*dm.PaymentErrandsCDS, 0, true, now.date());
    EXPECT_EQ(183, line.size());
    EXPECT_EQ(QByteArray(first).remove(130, 1), line);
}

TEST_F(EBankFiles, NothingIsWrittenWithoutADirectoryAndNothingIsLeftWhenWritingFails) {
    saga.ExportDir.clear();
    EXPECT_TRUE(EBankSAGAExport(*dm.PaymentErrandsCDS, saga, now).isEmpty());
    EXPECT_TRUE(EBankHalcomExport(*dm.PaymentErrandsCDS, TEBankHalcomSettings{}, now).isEmpty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    saga.ExportDir = dir.path() + QStringLiteral("/missing/");
    const QString refusal = DatabaseErrorOf([&] { EBankSAGAExport(*dm.PaymentErrandsCDS, saga, now); });
    EXPECT_TRUE(refusal.startsWith(QStringLiteral("Ne mogu da napravim datoteku ") + saga.ExportDir))
        << refusal.toStdString();
    // A run that fails on its third file takes back the first two.
    saga.ExportDir = dir.path() + QLatin1Char('/');
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("N10042025_090001_1.xml")));
    EXPECT_THROW(EBankSAGAExport(*dm.PaymentErrandsCDS, saga, now), EDatabaseError);
    EXPECT_EQ(QStringList{QStringLiteral("N10042025_090001_1.xml")}, QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries));
}

}  // namespace
