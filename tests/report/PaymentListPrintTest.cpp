#include "CompanyInfo.h"
#include "DBIniFile.h"
#include "PaymentListData.h"
#include "PdfText.h"
#include "ReportEngine.h"
#include "TestDatabase.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The line of the text on which `label` stands (the amounts of a row share it).
QString LineWith(const QString& text, const QString& label) {
    for (const QString& line : text.split(QLatin1Char('\n')))
        if (line.contains(label))
            return line;
    return {};
}

void ExpectOnLine(const QString& text, const QString& label, const QStringList& amounts) {
    const QString line = LineWith(text, label);
    EXPECT_FALSE(line.isEmpty()) << label.toStdString();
    for (const QString& amount : amounts)
        EXPECT_TRUE(line.contains(amount)) << label.toStdString() << ": " << amount.toStdString() << " not in \""
                                           << line.toStdString() << "\"";
}

class PaymentListPrint : public ::testing::Test {
protected:
    void SetUp() override {
        if (TestDatabase::MysqlUnavailable())
            GTEST_SKIP();
        Connection& connection = db_.open();
        TDBIniFile store(connection);
        TCompanyInfo company;
        company.Name = QStringLiteral("Javor Tekstil d.o.o.");
        company.City = QStringLiteral("Čačak");
        company.Code = QStringLiteral("108452716");
        company.Number = QStringLiteral("21034567");
        WriteCompanyInfo(store, company);
        engine_ = std::make_unique<TReportEngine>(nullptr, &connection);
    }

    QString render(const QString& name) {
        const QString path = dir_.filePath(name);
        engine_->renderToPdf(path);
        return path;
    }

    void paySlips(bool sendByMail) {
        engine_->ExecuteSalaryPaymentListsReport(data_.rows.get(), data_.credits.get(), data_.differences.get(),
                                                 data_.coefficients.get(), data_.document.get(),
                                                 QStringLiteral("Konačna isplata"), QString(), QString(), sendByMail);
    }

    TestDatabase db_;
    QTemporaryDir dir_;
    std::unique_ptr<TReportEngine> engine_;
    PaymentListData data_ = NovemberPaymentList();
};

}  // namespace

TEST_F(PaymentListPrint, PaySlipsGiveEachEmployeeAPageWithEveryAmountOfTheLine) {
    const QString path = render(QStringLiteral("listici.pdf"));
    paySlips(false);
    ASSERT_EQ(3, engine_->LastPageCount());
    EXPECT_EQ(3, PdfPages(path));

    // Petrović: gross 120.000; contributions 14 + 5,15 + 0,75 %; tax above the relief; two deductions.
    const QString first = PdfText(path, 1);
    for (const char* text : {"Obračun zarade", "za novembar 2026.", "Javor Tekstil d.o.o.", "PIB: 108452716",
                             "Čačak", "Petrović Petar", "010198571001", "Konačna isplata", "Proizvodnja / Krojačnica"})
        EXPECT_TRUE(first.contains(QString::fromUtf8(text))) << text;
    ExpectOnLine(first, QStringLiteral("Bruto zarada"), {QStringLiteral("120.000,00")});
    ExpectOnLine(first, QStringLiteral("Doprinos za PIO"), {QStringLiteral("14,00 %"), QStringLiteral("16.800,00")});
    ExpectOnLine(first, QStringLiteral("Doprinos za zdravstveno"), {QStringLiteral("5,15 %"), QStringLiteral("6.180,00")});
    ExpectOnLine(first, QStringLiteral("nezaposlenosti"), {QStringLiteral("0,75 %"), QStringLiteral("900,00")});
    ExpectOnLine(first, QStringLiteral("Ukupno doprinosi zaposlenog"), {QStringLiteral("23.880,00")});
    ExpectOnLine(first, QStringLiteral("neoporezivi"), {QStringLiteral("28.423,00")});
    ExpectOnLine(first, QStringLiteral("Porez na zaradu  "), {QStringLiteral("10,00 %"), QStringLiteral("9.157,70")});
    ExpectOnLine(first, QStringLiteral("Neto zarada"), {QStringLiteral("86.962,30")});
    ExpectOnLine(first, QStringLiteral("Kredit Komercijalna banka"), {QStringLiteral("3.800,00")});
    ExpectOnLine(first, QStringLiteral("Sindikat"), {QStringLiteral("1.200,00")});
    ExpectOnLine(first, QStringLiteral("Razlika za oktobar"), {QStringLiteral("2.000,00")});
    ExpectOnLine(first, QStringLiteral("Minuli rad"), {QStringLiteral("12 god."), QStringLiteral("4,80 %"),
                                                       QStringLiteral("4.800,00")});
    ExpectOnLine(first, QStringLiteral("Za isplatu"), {QStringLiteral("81.962,30")});
    ExpectOnLine(first, QStringLiteral("Isplaćuje se sada"), {QStringLiteral("81.962,30")});
    ExpectOnLine(first, QStringLiteral("Ukupno doprinosi poslodavca"), {QStringLiteral("18.180,00")});
    EXPECT_FALSE(first.contains(QStringLiteral("minimalne zarade")));
    EXPECT_FALSE(first.contains(QStringLiteral("Ranije isplate"))) << "nothing was paid earlier";

    // Šarić was paid the minimum wage and has nothing deducted.
    const QString second = PdfText(path, 2);
    EXPECT_TRUE(second.contains(QStringLiteral("Šarić Željka")));
    EXPECT_TRUE(second.contains(QStringLiteral("Zarada je isplaćena u visini minimalne zarade.")));
    EXPECT_FALSE(second.contains(QStringLiteral("Obustave")));
    ExpectOnLine(second, QStringLiteral("Bruto zarada"), {QStringLiteral("64.000,00")});

    // Đorđević had an advance: the slip pays what is left of the month.
    const QString third = PdfText(path, 3);
    EXPECT_TRUE(third.contains(QStringLiteral("Đorđević Živko")));
    ExpectOnLine(third, QStringLiteral("Za isplatu"), {QStringLiteral("107.992,30")});
    ExpectOnLine(third, QStringLiteral("Isplaćeno"), {QStringLiteral("50.000,00")});
    ExpectOnLine(third, QStringLiteral("Isplaćuje se sada"), {QStringLiteral("57.992,30")});

    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().contains("/FontFile2")) << "the fonts travel with the file";
}

TEST_F(PaymentListPrint, MailedPaySlipsAreOneFilePerEmployeeNamedByCodeAndPeriod) {
    const QString folder = dir_.filePath(QStringLiteral("listici"));
    engine_->setPaySlipFolder(folder);
    render(QStringLiteral("svi.pdf"));
    paySlips(true);
    EXPECT_EQ(3, engine_->LastPaySlipFiles());
    const QStringList files = QDir(folder).entryList(QDir::Files, QDir::Name);
    // "A/7" cannot stand in a file name.
    ASSERT_EQ((QStringList{"101-2026-11.pdf", "102-2026-11.pdf", "A_7-2026-11.pdf"}), files);
    const QStringList names{QStringLiteral("Petrović"), QStringLiteral("Šarić"), QStringLiteral("Đorđević")};
    for (int i = 0; i < files.size(); ++i) {
        const QString path = QDir(folder).filePath(files[i]);
        EXPECT_EQ(1, PdfPages(path)) << files[i].toStdString();
        const QString text = PdfText(path);
        for (int j = 0; j < names.size(); ++j)
            EXPECT_EQ(i == j, text.contains(names[j])) << files[i].toStdString();
    }

    // The command line writes them without printing; without a folder or a window nothing is written.
    const QString direct = dir_.filePath(QStringLiteral("cli"));
    EXPECT_EQ(3, engine_->WritePaySlips(data_.rows.get(), data_.credits.get(), data_.differences.get(),
                                        data_.coefficients.get(), data_.document.get(), direct));
    EXPECT_EQ(3, QDir(direct).entryList(QDir::Files).size());
    TReportEngine withoutFolder(nullptr, &db_.connection());
    withoutFolder.renderToPdf(dir_.filePath(QStringLiteral("bez.pdf")));
    withoutFolder.ExecuteSalaryPaymentListsReport(data_.rows.get(), data_.credits.get(), data_.differences.get(),
                                                  data_.coefficients.get(), data_.document.get(), QString(), QString(),
                                                  QString(), true);
    EXPECT_EQ(0, withoutFolder.LastPaySlipFiles());
}

TEST_F(PaymentListPrint, ListsTotalTheirAmountsPerUnitAndRepeatTheirHeadingOnEveryPage) {
    const QString units = render(QStringLiteral("jedinice.pdf"));
    engine_->ExecuteSalaryListPerSubOrgUnitReport(data_.rows.get(), data_.document.get(), QString());
    const QString text = PdfText(units);
    // Gross, contributions, net, deductions and for payment of each unit.
    ExpectOnLine(text, QStringLiteral("Ukupno Krojačnica (1)"), {"120.000,00", "23.880,00", "5.000,00", "81.962,30"});
    ExpectOnLine(text, QStringLiteral("Ukupno Šivenje (1)"), {"64.000,00", "12.736,00", "47.706,30"});
    ExpectOnLine(text, QStringLiteral("Ukupno Proizvodnja (2)"), {"184.000,00", "36.616,00", "5.000,00", "129.668,60"});
    ExpectOnLine(text, QStringLiteral("Ukupno Uprava (1)"), {"150.000,00", "107.992,30"});
    ExpectOnLine(text, QStringLiteral("Ukupno (3)"), {"480", "334.000,00", "66.466,00", "24.873,10", "237.660,90"});
    EXPECT_LT(text.indexOf(QStringLiteral("Ukupno Šivenje")), text.indexOf(QStringLiteral("Ukupno Proizvodnja")));
    EXPECT_FALSE(text.contains(QStringLiteral("Podorganizaciona jedinica: \n"))) << "Uprava has no sub-units";

    // The list for the banks goes by account and totals what is paid now.
    const QString payment = render(QStringLiteral("isplata.pdf"));
    engine_->ExecuteSalaryForPaymentListReport(data_.rows.get(), data_.document.get(), QString());
    const QString paid = PdfText(payment);
    EXPECT_LT(paid.indexOf(QStringLiteral("Šarić")), paid.indexOf(QStringLiteral("Đorđević")));
    EXPECT_LT(paid.indexOf(QStringLiteral("Đorđević")), paid.indexOf(QStringLiteral("Petrović")));
    ExpectOnLine(paid, QStringLiteral("Đorđević"), {"205-0000000000777-11", "57.992,30"});
    ExpectOnLine(paid, QStringLiteral("Ukupno (3)"), {"187.660,90"});

    const auto many = ManyPaymentRows(150);
    const QString longList = render(QStringLiteral("duga.pdf"));
    engine_->ExecuteSalaryListReport(many.get(), data_.document.get(), QString());
    const int pages = engine_->LastPageCount();
    ASSERT_GE(pages, 3);
    for (int page = 1; page <= pages; ++page) {
        const QString pageText = PdfText(longList, page);
        EXPECT_TRUE(pageText.contains(QStringLiteral("Javor Tekstil d.o.o."))) << page;
        EXPECT_TRUE(pageText.contains(QStringLiteral("Za isplatu"))) << page;
        EXPECT_TRUE(pageText.contains(QStringLiteral("Strana %1 od %2").arg(page).arg(pages))) << page;
    }
    EXPECT_TRUE(PdfText(longList, pages).contains(QStringLiteral("Ukupno (150)")));
}

TEST_F(PaymentListPrint, RecapitulationsShowTheMoneyLinesOfEachUnitTheChambersAndTheStatisticalForm) {
    const auto recapitulation = Recapitulation(true);
    const auto chambers = Chambers();
    const QString path = render(QStringLiteral("rekapitulacija.pdf"));
    engine_->ExecuteSalaryRecapitulationPerOrgUnitReport(QString(), recapitulation.get(), data_.document.get(),
                                                         chambers.get());
    const QString text = PdfText(path);
    const int production = text.indexOf(QStringLiteral("Organizaciona jedinica: Proizvodnja"));
    const int administration = text.indexOf(QStringLiteral("Organizaciona jedinica: Uprava"));
    ASSERT_GE(production, 0);
    ASSERT_GT(administration, production);
    const QString block = text.mid(production, administration - production);
    ExpectOnLine(block, QStringLiteral("Broj zaposlenih"), {"2"});
    EXPECT_FALSE(LineWith(block, QStringLiteral("Broj zaposlenih")).contains(QStringLiteral("2,00")));
    ExpectOnLine(block, QStringLiteral("Bruto zarada"), {"184.000,00"});
    ExpectOnLine(block, QStringLiteral("Za isplatu"), {"124.000,50"});
    // Counters and payment codes are for the payment orders.
    EXPECT_FALSE(text.contains(QStringLiteral("Na minimalcu")));
    EXPECT_FALSE(text.contains(QStringLiteral("97 12-345-6789")));
    ExpectOnLine(text, QStringLiteral("Ukupno Proizvodnja (2)"), {"294,40"});
    ExpectOnLine(text, QStringLiteral("Ukupno (4)"), {"588,80"});

    const auto zip = ZipForm();
    const QString form = render(QStringLiteral("zip.pdf"));
    engine_->ExecuteSalaryRecapitulationZipFormReport(zip.get(), data_.document.get());
    const QString formText = PdfText(form);
    ExpectOnLine(formText, QStringLiteral("Ukupno"), {"Starozaposleni", "Novozaposleni", "Poslovodstvo"});
    // The fifth measure, in its four variants.
    ExpectOnLine(formText, QStringLiteral("Bruto zarada"), {"17.000", "18.000", "19.000", "20.000"});
}
