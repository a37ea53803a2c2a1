#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

// Comma- or semicolon-separated text as RFC 4180 describes it: fields in
// double quotes may hold delimiters, line breaks and doubled quotes.

struct CsvRecord {
    int line = 0;  // line of the text on which the record starts, from 1
    QStringList fields;
};

struct CsvParse {
    std::vector<CsvRecord> records;
    QString error;  // empty when the whole text was read
};

// The delimiter of a file whose first record is a header: ';' or ',',
// whichever occurs more often outside quotes (';' when neither does).
QChar DetectCsvDelimiter(QStringView text);

// Splits the text into records. A quote left open at the end is an error.
CsvParse ParseCsv(QStringView text, QChar delimiter);

// The bytes of a CSV file: UTF-8 with or without a byte-order mark, split
// by the delimiter of its header. The error says what kept it from being
// read: another encoding, a quote left open, or no record at all.
CsvParse ParseCsvUtf8(const QByteArray& data);

// One record as a line ending in CR LF, each field quoted when it must be.
QString CsvLine(const QStringList& fields, QChar delimiter);

// The whole file, or (empty result) the reason it cannot be read in `error`.
std::optional<QByteArray> ReadCsvFile(const QString& fileName, QString& error);
