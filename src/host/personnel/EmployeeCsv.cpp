#include "EmployeeCsv.h"

#include "Csv.h"
#include "EmployeeRegister.h"
#include "FormatFloat.h"
#include "db/DbError.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

constexpr QChar ByteOrderMark(0xFEFF);

struct ImportColumn {
    int cell;
    TField* field;
};

// Turns on cached updates for the length of an import, so that the
// accepted rows reach the database together or not at all.
class CachedUpdatesScope {
public:
    explicit CachedUpdatesScope(TDataSet& dataSet) : dataSet_(dataSet), was_(dataSet.cachedUpdates()) {
        dataSet_.setCachedUpdates(true);
    }
    ~CachedUpdatesScope() {
        if (dataSet_.updatesPending())
            dataSet_.cancelUpdates();
        dataSet_.setCachedUpdates(was_);
    }
    CachedUpdatesScope(const CachedUpdatesScope&) = delete;
    CachedUpdatesScope& operator=(const CachedUpdatesScope&) = delete;

private:
    TDataSet& dataSet_;
    bool was_;
};

bool parseFlag(const QString& text, bool& value) {
    static const QStringList yes = {QStringLiteral("y"), QStringLiteral("da"), QStringLiteral("d"), QStringLiteral("1"),
                                    QStringLiteral("true")};
    static const QStringList no = {QStringLiteral("n"), QStringLiteral("ne"), QStringLiteral("0"),
                                   QStringLiteral("false")};
    value = yes.contains(text, Qt::CaseInsensitive);
    return value || no.contains(text, Qt::CaseInsensitive);
}

// An empty cell clears a text or a date; numbers and flags keep what they
// have (a new employee's defaults), since the payroll has no use for an
// empty amount or flag.
void assignCell(TField& field, const QString& cell) {
    const QString text = cell.trimmed();
    switch (field.dataType()) {
    case FieldType::Flag: {
        bool value = false;
        if (text.isEmpty())
            return;
        if (!parseFlag(text, value))
            throw EDatabaseError(
                QStringLiteral("Polje \"%1\": \"%2\" nije ni \"da\" ni \"ne\".").arg(field.displayLabel(), text));
        field.setAsBoolean(value);
        return;
    }
    case FieldType::LargeInt:
    case FieldType::Integer:
    case FieldType::SmallInt: {
        static const QRegularExpression whole(QStringLiteral("^[+-]?\\d+$"));
        if (text.isEmpty())
            return;
        if (!whole.match(text).hasMatch())
            throw EDatabaseError(QStringLiteral("Polje \"%1\": \"%2\" nije ceo broj.").arg(field.displayLabel(), text));
        field.setText(text);
        return;
    }
    case FieldType::Float:
        if (!text.isEmpty())
            field.setText(text);
        return;
    case FieldType::Date:
        if (text.isEmpty())
            field.clear();
        else
            field.setText(text);
        return;
    case FieldType::String:
    case FieldType::Text:
        field.setValue(text.isEmpty() ? QVariant() : QVariant(text));
        return;
    }
}

bool blankRecord(const CsvRecord& record) {
    return std::all_of(record.fields.begin(), record.fields.end(),
                       [](const QString& field) { return field.trimmed().isEmpty(); });
}

QString exportText(const TField& field, const QVariant& value, QChar decimalPoint) {
    if (value.isNull())
        return {};
    switch (field.dataType()) {
    case FieldType::Float: return FormatFloat(QString(), value.toDouble(), decimalPoint);
    case FieldType::Date: return value.toDate().toString(Qt::ISODate);
    default: return field.formatValue(value, false);
    }
}

}  // namespace

QStringList EmployeeImportResult::reportLines() const {
    QStringList lines;
    if (!fileError.isEmpty())
        lines << fileError;
    for (const QString& column : ignoredColumns)
        lines << QStringLiteral("Kolona \"%1\" se ne uvozi i zanemarena je.").arg(column);
    for (const RejectedRow& row : rejected)
        lines << RejectedRowText(row);
    return lines;
}

QString RejectedRowText(const RejectedRow& row) {
    const QString where = row.code.isEmpty() ? QStringLiteral("Red %1").arg(row.line)
                                             : QStringLiteral("Red %1 (šifra %2)").arg(row.line).arg(row.code);
    return where + QStringLiteral(": ") + row.reason;
}

QString EmployeeImportResult::summary() const {
    if (!fileError.isEmpty())
        return QStringLiteral("Uvoz nije izvršen.");
    if (!stored)
        return QStringLiteral("Ništa nije sačuvano: odbijenih redova je %1.").arg(rejected.size());
    QString text = QStringLiteral("Uvezeno: novih zaposlenih %1, izmenjenih %2.").arg(inserted).arg(updated);
    if (!rejected.empty())
        text += QStringLiteral(" Odbijenih redova: %1.").arg(rejected.size());
    return text;
}

EmployeeImportResult ImportEmployeesCsv(EmployeeRegister& employees, const QByteArray& data, ImportMode mode) {
    EmployeeImportResult result;
    const CsvParse parsed = ParseCsvUtf8(data);
    if (!parsed.error.isEmpty()) {
        result.fileError = parsed.error;
        return result;
    }

    TSqlQuery& query = *employees.EmployeeZQ;
    const QStringList header = parsed.records.front().fields;
    std::vector<ImportColumn> columns;
    int codeCell = -1;
    for (int cell = 0; cell < header.size(); ++cell) {
        const QString name = header.at(cell).trimmed();
        TField* field = query.findField(name);
        // The key and the version are the database's, not the employee's data.
        if (!field || !field->stored() || field->readOnly()) {
            result.ignoredColumns << name;
            continue;
        }
        if (std::any_of(columns.begin(), columns.end(), [field](const ImportColumn& c) { return c.field == field; })) {
            result.fileError = QStringLiteral("Kolona \"%1\" se u zaglavlju ponavlja.").arg(name);
            return result;
        }
        columns.push_back({cell, field});
        if (field->fieldName() == QLatin1String("code"))
            codeCell = cell;
    }
    if (codeCell < 0) {
        result.fileError = QStringLiteral("U zaglavlju nema kolone \"code\" po kojoj se zaposleni prepoznaju.");
        return result;
    }

    query.checkBrowseMode();
    CachedUpdatesScope cached(query);
    EmployeeRegister::BulkChange bulk(employees);
    QHash<QString, int> seen;  // code (lower case) -> line
    int inserted = 0;
    int updated = 0;
    for (size_t r = 1; r < parsed.records.size(); ++r) {
        const CsvRecord& record = parsed.records[r];
        if (blankRecord(record))
            continue;
        const QString code = record.fields.value(codeCell).trimmed();
        const auto reject = [&](const QString& reason) { result.rejected.push_back({record.line, code, reason}); };
        if (record.fields.size() != header.size()) {
            reject(QStringLiteral("red ima %1 polja, a zaglavlje %2.").arg(record.fields.size()).arg(header.size()));
            continue;
        }
        if (code.isEmpty()) {
            reject(QStringLiteral("nema šifre zaposlenog."));
            continue;
        }
        if (const auto earlier = seen.constFind(code.toLower()); earlier != seen.cend()) {
            reject(QStringLiteral("ista šifra je već u redu %1.").arg(*earlier));
            continue;
        }
        seen.insert(code.toLower(), record.line);

        const bool existing = employees.LocateCode(code);
        if (existing)
            query.edit();
        else
            query.append();
        try {
            for (const ImportColumn& column : columns)
                if (!existing || column.cell != codeCell)  // a match keeps its code as written
                    assignCell(*column.field, record.fields.at(column.cell));
            if (const auto problem = employees.EmployeeProblem()) {
                query.cancel();
                reject(problem->message);
                continue;
            }
            query.post();
        } catch (const EDatabaseError& error) {
            query.cancel();
            reject(error.message());
            continue;
        }
        ++(existing ? updated : inserted);
    }

    if (!result.rejected.empty() && mode == ImportMode::AllOrNothing)
        return result;  // the scopes put the order back and throw the cached rows away
    query.applyUpdates();
    result.stored = true;
    result.inserted = inserted;
    result.updated = updated;
    return result;
}

EmployeeImportResult ImportEmployeesCsvFile(EmployeeRegister& employees, const QString& fileName, ImportMode mode) {
    EmployeeImportResult result;
    const std::optional<QByteArray> data = ReadCsvFile(fileName, result.fileError);
    return data ? ImportEmployeesCsv(employees, *data, mode) : result;
}

QByteArray ExportEmployeesCsv(EmployeeRegister& employees, QChar delimiter) {
    const TSqlQuery& query = *employees.EmployeeZQ;
    const QChar decimalPoint = delimiter == QLatin1Char(';') ? QLatin1Char(',') : QLatin1Char('.');
    std::vector<const TField*> fields;
    QStringList header;
    for (int i = 0; i < query.fieldCount(); ++i) {
        const TField* field = query.field(i);
        if (!field->stored() || field->readOnly())
            continue;
        fields.push_back(field);
        header << field->fieldName();
    }
    QString text = ByteOrderMark;
    text += CsvLine(header, delimiter);
    for (int row = 0; row < query.recordCount(); ++row) {
        QStringList cells;
        for (const TField* field : fields)
            cells << exportText(*field, query.valueAt(row, field->index()), decimalPoint);
        text += CsvLine(cells, delimiter);
    }
    return text.toUtf8();
}

bool ExportEmployeesCsvFile(EmployeeRegister& employees, const QString& fileName, QString* error, QChar delimiter) {
    // Personal numbers, accounts and salaries: the file is its owner's alone,
    // from before the first byte is written (and also when it replaces one).
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly) && file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        && file.write(ExportEmployeesCsv(employees, delimiter)) >= 0 && file.commit())
        return true;
    if (error)
        *error = QStringLiteral("Datoteka \"%1\" ne može da se zapiše: %2").arg(fileName, file.errorString());
    return false;
}
