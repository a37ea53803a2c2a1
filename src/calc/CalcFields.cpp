#include "CalcFields.h"

#include "SalaryDM.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace {

bool isYes(const QString& flag) { return flag.compare(QLatin1String("y"), Qt::CaseInsensitive) == 0; }

QChar typeCode(const QString& type) { return type.isEmpty() ? QChar() : type.at(0); }

// A column of the row by name; null (read as 0) when the row has no such column.
QVariant column(const QSqlQuery& row, const char* name) {
    const int index = row.record().indexOf(QLatin1String(name));
    return index < 0 ? QVariant() : row.value(index);
}

}  // namespace

TCalcFields::TCalcFields(const TSalaryDM& dm) {
#define ZARADE_RESOLVE(dataSet, group, name) group.name = dm.dataSet->fieldByName(QStringLiteral(#name));
#define ZARADE_RESOLVE_DOCUMENT(name) ZARADE_RESOLVE(SalaryZQ, document, name)
#define ZARADE_RESOLVE_LINE(name) ZARADE_RESOLVE(SalaryItemZQ, line, name)
#define ZARADE_RESOLVE_RATE(name) ZARADE_RESOLVE(SalaryTaxItemZQ, rateItem, name)
    ZARADE_DOCUMENT_NUMBERS(ZARADE_RESOLVE_DOCUMENT)
    ZARADE_RESOLVE_DOCUMENT(salaryid)
    ZARADE_RESOLVE_DOCUMENT(salarytaxid)
    ZARADE_RESOLVE_DOCUMENT(salarytype)
    ZARADE_RESOLVE_DOCUMENT(paymentdate)

    ZARADE_LINE_NUMBERS(ZARADE_RESOLVE_LINE)
    ZARADE_RESOLVE_LINE(salaryitemid)
    ZARADE_RESOLVE_LINE(workingstateid)
    ZARADE_RESOLVE_LINE(salarycreditid)
    ZARADE_RESOLVE_LINE(minsalary)
    ZARADE_RESOLVE_LINE(credits)

    ZARADE_RESOLVE_RATE(taxpercent)
    ZARADE_RESOLVE_RATE(taxfreevalue)
    ZARADE_RESOLVE_RATE(taxstatus)
    ZARADE_RESOLVE_RATE(minsalary)
    ZARADE_RESOLVE_RATE(maxsalary)
    ZARADE_RESOLVE_RATE(chamber)
    ZARADE_RESOLVE_RATE(taxbankaccount)
#undef ZARADE_RESOLVE_RATE
#undef ZARADE_RESOLVE_LINE
#undef ZARADE_RESOLVE_DOCUMENT
#undef ZARADE_RESOLVE

    const size_t fieldCount = size_t(dm.SalaryItemZQ->fieldCount());
    lineNumbers_.assign(fieldCount, nullptr);
    lineOthers_.assign(fieldCount, false);
#define ZARADE_MAP_NUMBER(name) lineNumbers_[size_t(line.name->index())] = &TLineValues::name;
    ZARADE_LINE_NUMBERS(ZARADE_MAP_NUMBER)
#undef ZARADE_MAP_NUMBER
    for (const TField* other : {line.salaryitemid, line.workingstateid, line.salarycreditid, line.minsalary})
        lineOthers_[size_t(other->index())] = true;
}

TCalcFields::LineValueKind TCalcFields::lineValueKind(int fieldIndex) const {
    // Fields the query adds when it meets a column it does not know are
    // beyond the ones known here; the calculation reads none of them.
    if (fieldIndex < 0 || size_t(fieldIndex) >= lineNumbers_.size())
        return LineValueKind::None;
    if (lineNumbers_[size_t(fieldIndex)])
        return LineValueKind::Number;
    return lineOthers_[size_t(fieldIndex)] ? LineValueKind::Other : LineValueKind::None;
}

namespace {

// Reads the current record's values at once, by the fields' positions.
class CurrentRecord {
public:
    explicit CurrentRecord(const TField* anyField) : values_(anyField->dataSet()->currentValues()) {}
    explicit CurrentRecord(const std::vector<QVariant>* values) : values_(values) {}
    bool exists() const { return values_ != nullptr; }
    const QVariant& operator[](const TField* field) const { return (*values_)[size_t(field->index())]; }
    long double number(const TField* field) const { return NumberOf((*this)[field]); }
    qint64 key(const TField* field) const {
        const qlonglong* key = StoredAs<qlonglong>((*this)[field]);
        return key ? *key : (*this)[field].toLongLong();
    }
    QString text(const TField* field) const {
        const QString* text = StoredAs<QString>((*this)[field]);
        return text ? *text : (*this)[field].toString();
    }

private:
    const std::vector<QVariant>* values_;
};

}  // namespace

TDocumentValues ReadDocument(const TDocumentFields& f) {
    TDocumentValues v;
    const CurrentRecord record(f.salaryid);
    if (!record.exists())
        return v;
#define ZARADE_READ(name) v.name = record.number(f.name);
    ZARADE_DOCUMENT_NUMBERS(ZARADE_READ)
#undef ZARADE_READ
    v.salaryid = record.key(f.salaryid);
    v.salarytaxid = record.key(f.salarytaxid);
    v.salarytype = typeCode(record.text(f.salarytype));
    v.paymentdate = f.paymentdate->asDate();
    return v;
}

TLineValues ReadLine(const TLineFields& f) { return ReadLine(f, f.salaryitemid->dataSet()->currentValues()); }

TLineValues ReadLine(const TLineFields& f, const std::vector<QVariant>* values) {
    TLineValues v;
    const CurrentRecord record(values);
    if (!record.exists())
        return v;
#define ZARADE_READ(name) v.name = record.number(f.name);
    ZARADE_LINE_NUMBERS(ZARADE_READ)
#undef ZARADE_READ
    v.salaryitemid = record.key(f.salaryitemid);
    v.workingstateid = record.key(f.workingstateid);
    v.salarycreditid = record.key(f.salarycreditid);
    v.minsalary = isYes(record.text(f.minsalary));
    return v;
}

TDocumentValues DocumentOfRow(const QSqlQuery& row) {
    TDocumentValues v;
#define ZARADE_READ(name) v.name = column(row, #name).toDouble();
    ZARADE_DOCUMENT_NUMBERS(ZARADE_READ)
#undef ZARADE_READ
    v.salaryid = column(row, "salaryid").toLongLong();
    v.salarytaxid = column(row, "salarytaxid").toLongLong();
    v.salarytype = typeCode(column(row, "salarytype").toString());
    v.paymentdate = StoredDate(column(row, "paymentdate"));
    return v;
}

QDate StoredDate(const QVariant& value) {
    return value.typeId() == QMetaType::QString ? QDate::fromString(value.toString().left(10), Qt::ISODate)
                                                : value.toDate();
}

TLineValues LineOfRow(const QSqlQuery& row) {
    TLineValues v;
#define ZARADE_READ(name) v.name = column(row, #name).toDouble();
    ZARADE_LINE_NUMBERS(ZARADE_READ)
#undef ZARADE_READ
    v.salaryitemid = column(row, "salaryitemid").toLongLong();
    v.workingstateid = column(row, "workingstateid").toLongLong();
    v.salarycreditid = column(row, "salarycreditid").toLongLong();
    v.minsalary = isYes(column(row, "minsalary").toString());
    return v;
}
