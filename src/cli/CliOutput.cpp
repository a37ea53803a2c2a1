#include "CliOutput.h"

#include "db/DataSet.h"
#include "db/DbError.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

// Money keeps its two decimals: 103100.26, never 103100.26000000001.
double shownNumber(const TField& field, double value) {
    if (field.displayFormat().startsWith(QLatin1String("0.00")))
        return QString::number(value, 'f', 2).toDouble();
    return value;
}

QJsonValue jsonValue(const TField& field, const QVariant& v) {
    if (v.isNull())
        return QJsonValue::Null;
    if (IsNumericType(field.dataType()))
        return field.dataType() == FieldType::Float ? QJsonValue(shownNumber(field, v.toDouble()))
                                                    : QJsonValue(v.toLongLong());
    return field.formatValue(v, false);
}

QJsonObject jsonRowAt(const TDataSet& ds, int row) {
    QJsonObject object;
    for (int i = 0; i < ds.fieldCount(); ++i)
        object.insert(ds.field(i)->fieldName(), jsonValue(*ds.field(i), ds.valueAt(row, i)));
    return object;
}

QString csvCell(const TField& field, const QVariant& v) {
    QString text;
    if (!v.isNull() && field.dataType() == FieldType::Float)
        text = field.displayFormat().startsWith(QLatin1String("0.00")) ? QString::number(v.toDouble(), 'f', 2)
                                                                       : QString::number(v.toDouble(), 'g', 15);
    else if (!v.isNull())
        text = field.formatValue(v, false);
    if (text.contains(QLatin1Char(';')) || text.contains(QLatin1Char('"')) || text.contains(QLatin1Char('\n')))
        text = QLatin1Char('"') + text.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
    return text;
}

}  // namespace

QString OutputFormat(const QString& format) {
    if (format.isEmpty() || format == QLatin1String("json"))
        return QStringLiteral("json");
    if (format == QLatin1String("csv"))
        return format;
    throw EDatabaseError(QStringLiteral("Nepoznat format \"%1\" (json ili csv).").arg(format));
}

QJsonObject JsonRow(const TDataSet& dataSet) { return jsonRowAt(dataSet, dataSet.currentIndex()); }

QJsonArray JsonRows(const TDataSet& dataSet) {
    QJsonArray rows;
    for (int r = 0; r < dataSet.recordCount(); ++r)
        rows.append(jsonRowAt(dataSet, r));
    return rows;
}

void WriteCsv(const TDataSet& ds, QTextStream& out) {
    QStringList header;
    for (int i = 0; i < ds.fieldCount(); ++i)
        header << ds.field(i)->fieldName();
    out << header.join(QLatin1Char(';')) << "\n";
    for (int r = 0; r < ds.recordCount(); ++r) {
        QStringList cells;
        for (int i = 0; i < ds.fieldCount(); ++i)
            cells << csvCell(*ds.field(i), ds.valueAt(r, i));
        out << cells.join(QLatin1Char(';')) << "\n";
    }
}

QString TakeOption(QStringList& args, const QString& name) {
    const int at = args.indexOf(name);
    if (at < 0)
        return {};
    if (at + 1 >= args.size())
        throw EDatabaseError(QStringLiteral("Posle %1 treba navesti vrednost.").arg(name));
    const QString value = args.at(at + 1);
    // An empty value ("--paymentdate \"\"") would read as an option not given.
    if (value.trimmed().isEmpty())
        throw EDatabaseError(QStringLiteral("Posle %1 treba navesti vrednost; prazna vrednost nije dozvoljena.").arg(name));
    args.remove(at, 2);
    return value;
}

bool TakeFlag(QStringList& args, const QString& name) { return args.removeAll(name) > 0; }

qint64 KeyArgument(const QString& text, const QString& refusal) {
    bool ok = false;
    const qint64 id = text.toLongLong(&ok);
    if (!ok || id <= 0)
        throw EDatabaseError(refusal.arg(text));
    return id;
}

qint64 DocumentId(const QString& text) { return KeyArgument(text, QStringLiteral("\"%1\" nije broj zarade.")); }

int WholeNumber(const QString& text, const QString& name) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        throw EDatabaseError(QStringLiteral("%1 mora biti ceo broj, a ne \"%2\".").arg(name, text));
    return value;
}

void WriteRows(const TDataSet& dataSet, const QString& format, QTextStream& out) {
    if (format == QLatin1String("csv")) {
        WriteCsv(dataSet, out);
        return;
    }
    QJsonObject object;
    object.insert(QStringLiteral("rows"), JsonRows(dataSet));
    out << QJsonDocument(object).toJson(QJsonDocument::Indented);
}
