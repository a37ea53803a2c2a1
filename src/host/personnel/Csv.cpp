#include "Csv.h"

#include <QFile>
#include <QStringDecoder>

QChar DetectCsvDelimiter(QStringView text) {
    int semicolons = 0;
    int commas = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;  // a doubled quote toggles twice: no change
        else if (!quoted && (c == QLatin1Char('\n') || c == QLatin1Char('\r')))
            break;
        else if (!quoted && c == QLatin1Char(';'))
            ++semicolons;
        else if (!quoted && c == QLatin1Char(','))
            ++commas;
    }
    return commas > semicolons ? QLatin1Char(',') : QLatin1Char(';');
}

CsvParse ParseCsv(QStringView text, QChar delimiter) {
    CsvParse result;
    CsvRecord record;
    QString field;
    int line = 1;
    int quoteLine = 0;
    bool quoted = false;
    bool fieldStarted = false;  // the record has begun (for a last line without a line break)
    record.line = 1;

    const auto endField = [&] {
        record.fields << field;
        field.clear();
    };
    const auto endRecord = [&] {
        endField();
        result.records.push_back(std::move(record));
        record = CsvRecord{};
        fieldStarted = false;
    };

    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    field += QLatin1Char('"');
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                // Line breaks inside a field are kept as LF, whatever the file used.
                if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                    continue;
                field += c == QLatin1Char('\r') ? QLatin1Char('\n') : c;
            }
            continue;
        }
        if (!fieldStarted) {
            record.line = line;
            fieldStarted = true;
        }
        if (c == QLatin1Char('"') && field.isEmpty()) {
            quoted = true;
            quoteLine = line;
        } else if (c == delimiter) {
            endField();
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            endRecord();
            ++line;
        } else {
            field += c;
        }
    }
    if (quoted) {
        result.error = QStringLiteral("Navodnici otvoreni u redu %1 nisu zatvoreni do kraja datoteke.").arg(quoteLine);
        return result;
    }
    if (fieldStarted)
        endRecord();
    return result;
}

namespace {

QString csvField(const QString& value, QChar delimiter) {
    const bool needsQuotes = value.contains(delimiter) || value.contains(QLatin1Char('"'))
                          || value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r'))
                          || value.startsWith(QLatin1Char(' ')) || value.endsWith(QLatin1Char(' '));
    if (!needsQuotes)
        return value;
    QString quoted = value;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

}  // namespace

QString CsvLine(const QStringList& fields, QChar delimiter) {
    QStringList encoded;
    encoded.reserve(fields.size());
    for (const QString& field : fields)
        encoded << csvField(field, delimiter);
    return encoded.join(delimiter) + QStringLiteral("\r\n");
}

CsvParse ParseCsvUtf8(const QByteArray& data) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder.decode(data);
    CsvParse parsed;
    if (decoder.hasError()) {
        parsed.error = QStringLiteral("Datoteka nije zapisana u UTF-8 kodu.");
        return parsed;
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    parsed = ParseCsv(text, DetectCsvDelimiter(text));
    if (parsed.error.isEmpty() && parsed.records.empty())
        parsed.error = QStringLiteral("Datoteka je prazna.");
    return parsed;
}

std::optional<QByteArray> ReadCsvFile(const QString& fileName, QString& error) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Datoteka \"%1\" ne može da se otvori: %2.").arg(fileName, file.errorString());
        return std::nullopt;
    }
    return file.readAll();
}
