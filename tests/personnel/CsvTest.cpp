#include "Csv.h"
#include "QStringPrinter.h"

#include <gtest/gtest.h>

TEST(Csv, DetectsTheDelimiterFromTheHeaderOnly) {
    EXPECT_EQ(QLatin1Char(';'), DetectCsvDelimiter(u"code;firstname;lastname\n1,5;a,b;c"));
    EXPECT_EQ(QLatin1Char(','), DetectCsvDelimiter(u"code,firstname,lastname\n1;2;3;4;5"));
    // Delimiters inside quoted header names do not count.
    EXPECT_EQ(QLatin1Char(';'), DetectCsvDelimiter(u"\"a,b,c\";d"));
    EXPECT_EQ(QLatin1Char(';'), DetectCsvDelimiter(u"code"));
}

TEST(Csv, WritesWhatItReadsBack) {
    const QStringList fields = {QStringLiteral("a;b"), QStringLiteral("rekao \"da\""), QStringLiteral("red\nred"),
                                QStringLiteral(" razmak"), QStringLiteral("obično"), QString()};
    const QString line = CsvLine(fields, QLatin1Char(';'));
    EXPECT_TRUE(line.endsWith(QStringLiteral(";obično;\r\n"))) << line.toStdString();
    const CsvParse parsed = ParseCsv(line, QLatin1Char(';'));
    ASSERT_EQ(1u, parsed.records.size());
    EXPECT_EQ(fields, parsed.records[0].fields);
}
