// Excel 2007+ workbooks: a zip of XML parts (libzip for the archive, Qt's
// stream reader for the parts). Only what a sheet of values needs: the
// first sheet of the workbook, shared strings, inline strings and numbers.

#include "SheetReaders.h"

#include <QHash>
#include <QXmlStreamReader>

#include <zip.h>

namespace {

const QString Format = QStringLiteral(".xlsx");

// No part of a sheet of codes and amounts comes near it; a bigger one is a
// zip bomb or not such a sheet.
constexpr zip_uint64_t MaxPartBytes = 64 * 1024 * 1024;

class XlsxArchive {
public:
    explicit XlsxArchive(const QByteArray& data) {
        zip_error_t error;
        zip_error_init(&error);
        zip_source_t* source = zip_source_buffer_create(data.constData(), zip_uint64_t(data.size()), 0, &error);
        if (source)
            archive_ = zip_open_from_source(source, ZIP_RDONLY, &error);
        if (source && !archive_)
            zip_source_free(source);
        zip_error_fini(&error);
        if (!archive_)
            ThrowUnreadableSheet(Format, QStringLiteral("nije zip arhiva radne sveske"));
    }
    ~XlsxArchive() {
        if (archive_)
            zip_discard(archive_);
    }
    XlsxArchive(const XlsxArchive&) = delete;
    XlsxArchive& operator=(const XlsxArchive&) = delete;

    bool has(const QString& name) const { return zip_name_locate(archive_, name.toUtf8().constData(), 0) >= 0; }

    QByteArray part(const QString& name) const {
        const QByteArray path = name.toUtf8();
        zip_stat_t stat;
        if (zip_stat(archive_, path.constData(), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE))
            ThrowUnreadableSheet(Format, QStringLiteral("nedostaje deo \"%1\"").arg(name));
        if (stat.size > MaxPartBytes)
            ThrowUnreadableSheet(Format, QStringLiteral("deo \"%1\" je prevelik").arg(name));
        zip_file_t* file = zip_fopen(archive_, path.constData(), 0);
        if (!file)
            ThrowUnreadableSheet(Format, QStringLiteral("deo \"%1\" ne može da se otvori").arg(name));
        QByteArray bytes(qsizetype(stat.size), Qt::Uninitialized);
        const zip_int64_t read = zip_fread(file, bytes.data(), stat.size);
        zip_fclose(file);
        if (read < 0 || zip_uint64_t(read) != stat.size)
            ThrowUnreadableSheet(Format, QStringLiteral("deo \"%1\" je oštećen").arg(name));
        return bytes;
    }

private:
    zip_t* archive_ = nullptr;
};

void failOnXmlError(const QXmlStreamReader& xml, const QString& part) {
    if (xml.hasError())
        ThrowUnreadableSheet(Format, QStringLiteral("deo \"%1\" nije ispravan XML (%2)").arg(part, xml.errorString()));
}

// The path in the archive of the workbook's first sheet.
QString firstSheetPath(const XlsxArchive& zip) {
    const QString workbookPart = QStringLiteral("xl/workbook.xml");
    QXmlStreamReader workbook(zip.part(workbookPart));
    QString relation;
    while (!workbook.atEnd() && relation.isEmpty()) {
        workbook.readNext();
        if (workbook.isStartElement() && workbook.name() == QLatin1String("sheet"))
            for (const QXmlStreamAttribute& a : workbook.attributes())
                if (a.name() == QLatin1String("id") && !a.namespaceUri().isEmpty())
                    relation = a.value().toString();
    }
    failOnXmlError(workbook, workbookPart);
    if (relation.isEmpty())
        ThrowUnreadableSheet(Format, QStringLiteral("radna sveska nema nijedan list"));
    const QString relationsPart = QStringLiteral("xl/_rels/workbook.xml.rels");
    QXmlStreamReader relations(zip.part(relationsPart));
    while (!relations.atEnd()) {
        relations.readNext();
        if (relations.isStartElement() && relations.name() == QLatin1String("Relationship")
            && relations.attributes().value(QLatin1String("Id")) == relation) {
            QString target = relations.attributes().value(QLatin1String("Target")).toString();
            return target.startsWith(QLatin1Char('/')) ? target.mid(1) : QStringLiteral("xl/") + target;
        }
    }
    failOnXmlError(relations, relationsPart);
    ThrowUnreadableSheet(Format, QStringLiteral("prvi list nije naveden u radnoj svesci"));
}

// The text of the current element and of every <t> under it.
QString textOf(QXmlStreamReader& xml) {
    QString text;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            ++depth;
            if (xml.name() == QLatin1String("t")) {
                text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
                --depth;
            }
        } else if (xml.isEndElement()) {
            --depth;
        }
    }
    return text;
}

QStringList sharedStrings(const XlsxArchive& zip) {
    const QString part = QStringLiteral("xl/sharedStrings.xml");
    QStringList strings;
    if (!zip.has(part))
        return strings;
    QXmlStreamReader xml(zip.part(part));
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("si"))
            strings << textOf(xml);
    }
    failOnXmlError(xml, part);
    return strings;
}

// "C12" → column 2 (from 0); -1 when the reference has no letters.
int columnOfReference(QStringView reference) {
    int column = 0;
    int letters = 0;
    for (const QChar ch : reference) {
        if (ch < QLatin1Char('A') || ch > QLatin1Char('Z'))
            break;
        column = column * 26 + (ch.unicode() - 'A' + 1);
        if (++letters > 3)
            return -1;
    }
    return letters ? column - 1 : -1;
}

}  // namespace

TSheet ReadXlsxSheet(const QByteArray& data) {
    const XlsxArchive zip(data);
    const QStringList strings = sharedStrings(zip);
    const QString part = firstSheetPath(zip);
    QXmlStreamReader xml(zip.part(part));
    std::vector<std::vector<QVariant>> rows;
    std::vector<int> lines;
    qint64 cells = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("row")) {
            rows.emplace_back();
            bool ok = false;
            const int line = xml.attributes().value(QLatin1String("r")).toInt(&ok);
            lines.push_back(ok ? line : int(lines.size()) + 1);
        } else if (xml.name() == QLatin1String("c") && !rows.empty()) {
            const QXmlStreamAttributes attributes = xml.attributes();
            const QString type = attributes.value(QLatin1String("t")).toString();
            int column = columnOfReference(attributes.value(QLatin1String("r")));
            if (column < 0)
                column = int(rows.back().size());
            if (++cells > MaxSheetCells || column >= 16384)
                ThrowUnreadableSheet(Format, QStringLiteral("prvi list ima previše ćelija"));
            QVariant value;
            if (type == QLatin1String("inlineStr")) {
                value = textOf(xml);
            } else {
                QString raw;
                while (!xml.atEnd()) {
                    xml.readNext();
                    if (xml.isStartElement() && xml.name() == QLatin1String("v"))
                        raw = xml.readElementText();
                    else if (xml.isEndElement() && xml.name() == QLatin1String("c"))
                        break;
                }
                if (type == QLatin1String("s")) {
                    bool ok = false;
                    const int index = raw.toInt(&ok);
                    if (!ok || index < 0 || index >= strings.size())
                        ThrowUnreadableSheet(Format, QStringLiteral("ćelija upućuje na tekst koji ne postoji"));
                    value = strings.at(index);
                } else if (type.isEmpty() || type == QLatin1String("n")) {
                    bool ok = false;
                    const double number = raw.toDouble(&ok);
                    value = ok ? QVariant(number) : QVariant(raw);
                } else if (!raw.isEmpty()) {
                    value = raw;  // formula text results, booleans, errors
                }
            }
            std::vector<QVariant>& row = rows.back();
            if (size_t(column) >= row.size())
                row.resize(size_t(column) + 1);
            row[size_t(column)] = value;
        }
    }
    failOnXmlError(xml, part);
    return SheetOfRows(std::move(rows), lines);
}
