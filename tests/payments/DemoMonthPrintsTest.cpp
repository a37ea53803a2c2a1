#include "CliRun.h"
#include "DemoCompany.h"
#include "DemoHistory.h"
#include "PaymentPrints.h"
#include "PdfText.h"
#include "TestDatabase.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Every print of the demo company's open month, through zarade-cli as an
// accountant's script runs them: each gives a file, and what it prints
// adds up to the stored lines.

namespace {

// 3183461.43 as the reports print it: 3.183.461,43.
QString Printed(double amount) {
    QString text = QString::number(amount, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(','));
    for (int i = text.indexOf(QLatin1Char(',')) - 3; i > 0; i -= 3)
        text.insert(i, QLatin1Char('.'));
    return text;
}

TEST(DemoMonthPrints, EveryPrintOfTheMonthIsWrittenAndAddsUpToTheStoredLines) {
    REQUIRE_TEST_DATABASE();
    TestDatabase db;
    Connection& connection = db.open();
    SeedDemoCompany(connection);
    SeedDemoHistory(connection, QDate::currentDate());
    ASSERT_EQ(0, RunCliCaptured({QStringLiteral("demo-month")}, db.url()).code);
    const QString id = connection.scalar(QStringLiteral("SELECT MAX(salaryid) FROM salary")).toString();
    const int lines = connection.scalar(QStringLiteral("SELECT COUNT(*) FROM salaryitem WHERE salaryid = ?"), {id}).toInt();
    const auto storedSum = [&](const char* column) {
        return connection
            .scalar(QStringLiteral("SELECT SUM(%1) FROM salaryitem WHERE salaryid = ?").arg(QLatin1String(column)), {id})
            .toDouble();
    };

    const CliResult recapitulation = RunCliCaptured({QStringLiteral("recapitulation"), id}, db.url());
    ASSERT_EQ(0, recapitulation.code) << recapitulation.err.toStdString();
    const QJsonObject recap =
        QJsonDocument::fromJson(recapitulation.out.toUtf8()).object().value(QStringLiteral("rows")).toArray().at(0).toObject();
    const QJsonArray rows = QJsonDocument::fromJson(RunCliCaptured({QStringLiteral("payment-lists"), id}, db.url()).out.toUtf8())
                                .object()
                                .value(QStringLiteral("rows"))
                                .toArray();
    ASSERT_EQ(lines, rows.size());
    for (const auto& [column, stored] : {std::pair{"salaryvalue", "salaryvalue"}, std::pair{"paymentvalue", "paymentdecreasedvalue"},
                                         std::pair{"paymentnetvalue", "paymentnetvalue"}}) {
        long double listed = 0;
        for (const QJsonValue& row : rows)
            listed += row.toObject().value(QLatin1String(column)).toDouble();
        EXPECT_NEAR(storedSum(stored), recap.value(QLatin1String(column)).toDouble(), 0.005) << column;
        EXPECT_NEAR(double(listed), recap.value(QLatin1String(column)).toDouble(), 0.005) << column;
    }

    QTemporaryDir dir;
    for (const TPaymentPrint& print : PaymentPrints()) {
        if (print.action == QLatin1String("SalaryPrintRecapitulationNotDecreasedNet")
            || print.action == QLatin1String("SalaryPrintTransportPaymentLists"))
            continue;  // the demo month has no net decrease and is no transport document
        const bool sheet = print.action == QLatin1String("SalaryPrintRecapitulationToExcel");
        const QString file = dir.filePath(print.action + (sheet ? QStringLiteral(".xlsx") : QStringLiteral(".pdf")));
        const CliResult r = RunCliCaptured({QStringLiteral("print"), print.action, id, QStringLiteral("--out"), file}, db.url());
        ASSERT_EQ(0, r.code) << print.action.toStdString() << ": " << r.err.toStdString();
        EXPECT_GT(QFileInfo(file).size(), 1000) << print.action.toStdString();
    }
    const QString recapText = PdfText(dir.filePath(QStringLiteral("SalaryPrintRecapitulation.pdf")));
    EXPECT_TRUE(recapText.contains(Printed(storedSum("salaryvalue")))) << recapText.toStdString();
    EXPECT_TRUE(recapText.contains(Printed(storedSum("paymentnetvalue")))) << recapText.toStdString();
    // A page per employee, each with the employee's own amount for payment.
    const QString slips = PdfText(dir.filePath(QStringLiteral("SalaryPrintPaymentLists.pdf")));
    EXPECT_EQ(lines, slips.count(QLatin1Char('\f')));
    for (const QJsonValue& row : rows)
        EXPECT_TRUE(slips.contains(Printed(row.toObject().value(QStringLiteral("paymentnetvalue")).toDouble())));

    const QString folder = dir.filePath(QStringLiteral("listici"));
    const CliResult mailed = RunCliCaptured({QStringLiteral("payslips"), id, QStringLiteral("--dir"), folder}, db.url());
    ASSERT_EQ(0, mailed.code) << mailed.err.toStdString();
    EXPECT_EQ(lines, QDir(folder).entryList(QDir::Files).size());
}

}  // namespace
