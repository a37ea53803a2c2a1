#include "CompanyInfo.h"
#include "DBIniFile.h"
#include "QStringPrinter.h"
#include "ReportEngine.h"
#include "PaymentListData.h"
#include "PdfText.h"
#include "ReportHtml.h"
#include "TestDatabase.h"
#include "db/DataSet.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Payment list rows as a print gets them: an unlabelled key, labels,
// display formats, a flag.
std::unique_ptr<TDataSet> PaymentRows(int rows, int extraColumns = 0) {
    auto data = std::make_unique<TDataSet>(QStringLiteral("PaymentListsItemCDS"));
    data->addField(QStringLiteral("salaryitemid"), FieldType::LargeInt);
    data->addField(QStringLiteral("lastname"), FieldType::String, 50)->setDisplayLabel(QStringLiteral("Prezime"));
    TField* gross = data->addField(QStringLiteral("salaryvalue"), FieldType::Float);
    gross->setDisplayLabel(QStringLiteral("Bruto"));
    gross->setDisplayFormat(QStringLiteral("#,##0.00"));
    data->addField(QStringLiteral("minsalary"), FieldType::Flag)->setDisplayLabel(QStringLiteral("Min. zarada"));
    for (int c = 0; c < extraColumns; ++c)
        data->addField(QStringLiteral("hours%1").arg(c), FieldType::Integer)
            ->setDisplayLabel(QStringLiteral("Sati %1").arg(c));
    data->open();
    for (int row = 0; row < rows; ++row) {
        data->append();
        data->fieldByName(QStringLiteral("salaryitemid"))->setAsLargeInt(row + 1);
        data->fieldByName(QStringLiteral("lastname"))->setAsString(row % 2 ? QStringLiteral("Đorđević")
                                                                           : QStringLiteral("Šarić"));
        data->fieldByName(QStringLiteral("salaryvalue"))->setAsFloat(1234.5 + row);
        data->fieldByName(QStringLiteral("minsalary"))->setAsBoolean(row == 0);
        data->post();
    }
    data->first();
    return data;
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

TEST(ReportEngine, LaysOutTheCompanyTheDocumentAndTheRowsWithTheirFormats) {
    REQUIRE_TEST_DATABASE();
    TestDatabase db;
    Connection& connection = db.open();
    TDBIniFile store(connection);
    TCompanyInfo company;
    company.Name = QStringLiteral("Javor Tekstil d.o.o.");
    company.City = QStringLiteral("Novi Sad");
    company.Code = QStringLiteral("108452716");
    WriteCompanyInfo(store, company);
    EXPECT_EQ(company, ReadCompanyInfo(store));

    QTemporaryDir dir;
    TReportEngine engine(nullptr, &connection);
    engine.renderToPdf(dir.filePath(QStringLiteral("list.pdf")));
    const auto rows = PaymentRows(3);
    const auto document = NovemberPaymentList().document;
    engine.ExecuteSalaryListReport(rows.get(), document.get(), QStringLiteral("Prvi deo zarade"));

    const QString html = ReportHtml(engine.LastReport(), ReadCompanyInfo(store));
    for (const char* expected : {"Javor Tekstil d.o.o.", "Novi Sad", "PIB: 108452716", "Mesec: 11/2026",
                                 "Datum isplate: 10.12.2026.", "Prvi deo zarade", "Prezime", "Bruto",
                                 "1.234,50", "1.236,50", "Đorđević", ">Da<", ">Ne<"})
        EXPECT_TRUE(html.contains(QString::fromUtf8(expected))) << expected;
    // Keys without a label are the program's business, not the reader's.
    EXPECT_FALSE(html.contains(QStringLiteral("salaryitemid")));
}

TEST(ReportEngine, RendersAGenericReportToAnA4PdfThatGrowsByPages) {
    REQUIRE_TEST_DATABASE();
    TestDatabase db;
    Connection& connection = db.open();
    QTemporaryDir dir;
    const auto document = NovemberPaymentList().document;

    TReportEngine engine(nullptr, &connection);
    const QString shortPath = dir.filePath(QStringLiteral("short.pdf"));
    engine.renderToPdf(shortPath);
    const auto few = PaymentRows(5);
    engine.ExecuteSalaryAddReport(few.get());
    const QByteArray shortPdf = Contents(shortPath);
    EXPECT_TRUE(shortPdf.startsWith("%PDF"));
    EXPECT_EQ(1, PdfPages(shortPath));
    EXPECT_EQ(1, engine.LastPageCount());
    EXPECT_TRUE(shortPdf.contains("/MediaBox [0 0 595")) << "portrait A4";

    const QString longPath = dir.filePath(QStringLiteral("long.pdf"));
    engine.renderToPdf(longPath);
    const auto many = PaymentRows(150);
    engine.ExecuteSalaryODReport(many.get(), document.get(), QString());
    EXPECT_GE(engine.LastPageCount(), 3);
    EXPECT_EQ(engine.LastPageCount(), PdfPages(longPath));

    // Ten columns do not fit a portrait page.
    const QString widePath = dir.filePath(QStringLiteral("wide.pdf"));
    engine.renderToPdf(widePath);
    const auto wide = PaymentRows(4, 7);
    engine.ExecuteSalaryOPJReport(wide.get(), document.get(), QString());
    EXPECT_TRUE(Contents(widePath).contains("/MediaBox [0 0 842")) << "landscape A4";
}

TEST(ReportEngine, ShowsASingleRecordOrAWideOneAsLabelledBlocks) {
    const auto single = PaymentRows(1);
    EXPECT_TRUE(ShownAsBlocks({QString(), single.get()}));
    const auto wide = PaymentRows(3, 20);
    EXPECT_TRUE(ShownAsBlocks({QString(), wide.get()}));
    const auto list = PaymentRows(3, 2);
    EXPECT_FALSE(ShownAsBlocks({QString(), list.get()}));
    // A grid print names its own columns, in its own order.
    const TReportSection chosen{QString(), list.get(), {QStringLiteral("salaryvalue"), QStringLiteral("lastname")}};
    const std::vector<const TField*> fields = ReportFields(chosen);
    ASSERT_EQ(2u, fields.size());
    EXPECT_EQ(QStringLiteral("salaryvalue"), fields[0]->fieldName());
}

TEST(ReportEngine, ReportsAFileItCannotWrite) {
    const auto rows = PaymentRows(2);
    TReportEngine engine;
    engine.renderToPdf(QStringLiteral("/nonexistent-folder/report.pdf"));
    EXPECT_THROW(engine.ExecuteSalaryM4KReport(rows.get(), QStringLiteral("05.12.2026")), EReportError);
}
