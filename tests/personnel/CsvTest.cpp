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

TEST(Csv, ReadsQuotedFieldsWithDelimitersLineBreaksAndQuotes) {
    const CsvParse parsed = ParseCsv(u"code;address;note\r\n"
                                     u"001;\"Kneza Miloša 5; stan 3\";\"rekao je \"\"da\"\"\"\r\n"
                                     u"002;\"Đure Đakovića 1\r\nulaz B\";\r\n"
                                     u"003;Čačak;",
                                     QLatin1Char(';'));
    ASSERT_EQ(QString(), parsed.error);
    ASSERT_EQ(4u, parsed.records.size());
    EXPECT_EQ((QStringList{QStringLiteral("001"), QStringLiteral("Kneza Miloša 5; stan 3"),
                           QStringLiteral("rekao je \"da\"")}),
              parsed.records[1].fields);
    EXPECT_EQ((QStringList{QStringLiteral("002"), QStringLiteral("Đure Đakovića 1\nulaz B"), QString()}),
              parsed.records[2].fields);
    // The third employee starts on line 5, after the line break inside the quotes.
    EXPECT_EQ(5, parsed.records[3].line);
    EXPECT_EQ((QStringList{QStringLiteral("003"), QStringLiteral("Čačak"), QString()}), parsed.records[3].fields);
}

TEST(Csv, ReportsAQuoteLeftOpen) {
    const CsvParse parsed = ParseCsv(u"a,b\n1,\"x\n2,y\n", QLatin1Char(','));
    EXPECT_TRUE(parsed.error.contains(QStringLiteral("redu 2"))) << parsed.error.toStdString();
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
