// Sheets saved as text: semicolon or comma separated, UTF-8 (with or
// without a byte-order mark) or, failing that, Windows-1250.

#include "Csv.h"
#include "SheetReaders.h"
#include "Windows1250.h"

#include <QStringDecoder>

TSheet ReadCsvSheet(const QByteArray& data) {
    if (data.contains('\0'))
        ThrowUnreadableSheet(QStringLiteral(".csv"), QStringLiteral("sadrži binarne podatke"));
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(data);
    if (utf8.hasError())
        text = DecodeWindows1250(data);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const CsvParse parse = ParseCsv(text, DetectCsvDelimiter(text));
    if (!parse.error.isEmpty())
        ThrowUnreadableSheet(QStringLiteral(".csv"), parse.error);
    std::vector<std::vector<QVariant>> rows;
    std::vector<int> lines;
    for (const CsvRecord& record : parse.records) {
        rows.emplace_back(record.fields.begin(), record.fields.end());
        lines.push_back(record.line);
    }
    return SheetOfRows(std::move(rows), lines);
}
