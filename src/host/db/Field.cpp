#include "Field.h"

#include "DataSet.h"
#include "DbError.h"
#include "FormatFloat.h"

#include <QDateTime>

#include <cmath>
#include <limits>

FieldType FieldTypeOf(ColumnType type) {
    switch (type) {
    case ColumnType::Key:
    case ColumnType::LargeInt: return FieldType::LargeInt;
    case ColumnType::Integer: return FieldType::Integer;
    case ColumnType::SmallInt: return FieldType::SmallInt;
    case ColumnType::Float: return FieldType::Float;
    case ColumnType::String: return FieldType::String;
    case ColumnType::Flag: return FieldType::Flag;
    case ColumnType::Date: return FieldType::Date;
    case ColumnType::Text: return FieldType::Text;
    }
    return FieldType::String;
}

bool IsNumericType(FieldType type) {
    return type == FieldType::LargeInt || type == FieldType::Integer || type == FieldType::SmallInt
        || type == FieldType::Float;
}

namespace {

bool parseNumber(QString text, double& out) {
    text = text.trimmed();
    text.remove(QLatin1Char(' '));
    // Accept "1.234,56" (Serbian), "1234,56" and "1234.56".
    if (text.contains(QLatin1Char(',')) && text.contains(QLatin1Char('.'))) {
        if (text.lastIndexOf(QLatin1Char(',')) > text.lastIndexOf(QLatin1Char('.')))
            text.remove(QLatin1Char('.')).replace(QLatin1Char(','), QLatin1Char('.'));
        else
            text.remove(QLatin1Char(','));
    } else {
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    }
    bool ok = false;
    out = text.toDouble(&ok);
    return ok && std::isfinite(out);
}

}  // namespace

QDate ParseDateText(const QString& raw) {
    const QString text = raw.trimmed();
    for (const char* format : {"yyyy-MM-dd", "d.M.yyyy.", "d.M.yyyy", "dd.MM.yyyy.", "dd.MM.yyyy"}) {
        const QDate date = QDate::fromString(text, QLatin1String(format));
        if (date.isValid())
            return date;
    }
    const QDateTime dateTime = QDateTime::fromString(text, Qt::ISODate);
    return dateTime.isValid() ? dateTime.date() : QDate();
}

TField::TField(TDataSet* dataSet, int index, const QString& name, FieldType type)
    : dataSet_(dataSet), index_(index), name_(name), type_(type) {}


const QVariant& TField::value() const { return dataSet_->currentValue(index_); }

bool TField::isNull() const {
    const QVariant& v = value();
    if (v.data_ptr().is_null)
        return true;
    if (StoredAs<double>(v) || StoredAs<qlonglong>(v))
        return false;
    return v.isNull();
}


double NumberOfOther(const QVariant& v) {
    if (v.isNull())
        return 0.0;
    double parsed = 0;
    return v.typeId() == QMetaType::QString && parseNumber(v.toString(), parsed) ? parsed : v.toDouble();
}

double TField::asFloat() const { return NumberOf(value()); }

qint64 TField::asLargeInt() const {
    const QVariant& v = value();
    if (const qlonglong* number = StoredAs<qlonglong>(v))
        return *number;
    if (v.isNull())
        return 0;
    if (v.typeId() == QMetaType::LongLong)
        return *static_cast<const qlonglong*>(v.constData());
    if (v.typeId() == QMetaType::Double)
        return qint64(std::llround(*static_cast<const double*>(v.constData())));
    return v.toLongLong();
}

int TField::asInteger() const { return int(asLargeInt()); }

QString TField::asString() const {
    const QVariant& v = value();
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QString)
        return v.toString();
    return formatValue(v, false);
}

QDate TField::asDate() const {
    const QVariant& v = value();
    if (v.typeId() == QMetaType::QDate)
        return v.toDate();
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().date();
    return v.isNull() ? QDate() : ParseDateText(v.toString());
}

bool TField::asBoolean() const {
    const QVariant& v = value();
    if (v.typeId() == QMetaType::QString)
        return v.toString().compare(QLatin1String("y"), Qt::CaseInsensitive) == 0;
    return !v.isNull() && v.toLongLong() != 0;
}

namespace {

// The whole numbers a column of the type holds.
std::pair<qlonglong, qlonglong> integerRange(FieldType type) {
    switch (type) {
    case FieldType::SmallInt: return {-32768, 32767};
    case FieldType::Integer: return {std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()};
    default: return {std::numeric_limits<qlonglong>::min(), std::numeric_limits<qlonglong>::max()};
    }
}

}  // namespace

QVariant TField::canonical(const QVariant& v) const {
    if (v.isNull() || !v.isValid())
        return {};
    const auto outOfRange = [&](const QString& shown) {
        const auto [low, high] = integerRange(type_);
        return EDatabaseError(QStringLiteral("\"%1\" je izvan opsega polja %2 (od %3 do %4).")
                                  .arg(shown, displayLabel())
                                  .arg(low)
                                  .arg(high));
    };
    // A whole number in range of the column, or a refusal: nothing wraps.
    const auto whole = [&](double value, const QString& shown) {
        const auto [low, high] = integerRange(type_);
        const double rounded = std::round(value);
        // 2^63 is the first double past the largest qlonglong.
        if (!std::isfinite(rounded) || rounded < double(low) || rounded >= 9223372036854775808.0
            || rounded > double(high))
            throw outOfRange(shown);
        return qlonglong(std::llround(rounded));
    };
    switch (type_) {
    case FieldType::Float: {
        if (v.typeId() == QMetaType::Double)
            return v;
        if (v.typeId() == QMetaType::QString) {
            if (v.toString().trimmed().isEmpty())
                return {};
            double parsed = 0;
            if (!parseNumber(v.toString(), parsed) || !std::isfinite(parsed))
                throw EDatabaseError(
                    QStringLiteral("\"%1\" nije ispravan broj (%2).").arg(v.toString(), displayLabel()));
            return parsed;
        }
        return v.toDouble();
    }
    case FieldType::LargeInt:
    case FieldType::Integer:
    case FieldType::SmallInt: {
        if (v.typeId() == QMetaType::LongLong) {
            const qlonglong value = *static_cast<const qlonglong*>(v.constData());
            const auto [low, high] = integerRange(type_);
            if (value < low || value > high)
                throw outOfRange(QString::number(value));
            return v;
        }
        if (v.typeId() == QMetaType::Double)
            return whole(v.toDouble(), QString::number(v.toDouble(), 'g', 17));
        if (v.typeId() == QMetaType::QString) {
            if (v.toString().trimmed().isEmpty())
                return {};
            double parsed = 0;
            if (!parseNumber(v.toString(), parsed))
                throw EDatabaseError(
                    QStringLiteral("\"%1\" nije ispravan ceo broj (%2).").arg(v.toString(), displayLabel()));
            return whole(parsed, v.toString().trimmed());
        }
        if (v.typeId() == QMetaType::Bool)
            return qlonglong(v.toBool() ? 1 : 0);
        return v.toLongLong();
    }
    case FieldType::Date: {
        if (v.typeId() == QMetaType::QDate)
            return v.toDate().isValid() ? v : QVariant();
        if (v.typeId() == QMetaType::QDateTime)
            return v.toDateTime().date();
        const QString text = v.toString();
        if (text.trimmed().isEmpty())
            return {};
        const QDate date = ParseDateText(text);
        if (!date.isValid())
            throw EDatabaseError(QStringLiteral("\"%1\" nije ispravan datum (%2).").arg(text, displayLabel()));
        return date;
    }
    case FieldType::Flag:
        if (v.typeId() == QMetaType::Bool)
            return QString(v.toBool() ? QStringLiteral("y") : QStringLiteral("n"));
        return v.toString();
    case FieldType::String:
    case FieldType::Text:
        if (v.typeId() == QMetaType::QString)
            return v;
        if (v.typeId() == QMetaType::QByteArray)
            return QString::fromUtf8(v.toByteArray());
        return v.toString();
    }
    return v;
}

void TField::setValue(const QVariant& v) {
    QVariant converted = canonical(v);
    if ((type_ == FieldType::String || type_ == FieldType::Flag) && size_ > 0 && !converted.isNull()
        && converted.toString().size() > size_)
        throw EDatabaseError(QStringLiteral("Vrednost polja \"%1\" je duža od %2 znakova.")
                                 .arg(displayLabel())
                                 .arg(size_));
    dataSet_->assignValue(*this, converted);
}

void TField::setAsFloat(double v) { dataSet_->assignValue(*this, type_ == FieldType::Float ? QVariant(v) : canonical(v)); }
void TField::setAsLargeInt(qint64 v) { setValue(QVariant(qlonglong(v))); }
void TField::setAsInteger(int v) { setValue(QVariant(qlonglong(v))); }
void TField::setAsString(const QString& v) { setValue(v); }
void TField::setAsDate(const QDate& v) { setValue(v.isValid() ? QVariant(v) : QVariant()); }
void TField::setAsBoolean(bool v) { setValue(QString(v ? QStringLiteral("y") : QStringLiteral("n"))); }
void TField::clear() { dataSet_->assignValue(*this, QVariant()); }

QString TField::formatValue(const QVariant& v, bool display) const {
    if (v.isNull())
        return {};
    switch (type_) {
    case FieldType::Float:
        return display ? FormatFloat(displayFormat(), v.toDouble()) : FormatFloat(QString(), v.toDouble());
    case FieldType::LargeInt:
    case FieldType::Integer:
    case FieldType::SmallInt:
        return display && !format_.isEmpty() ? FormatFloat(format_, double(v.toLongLong()))
                                             : QString::number(v.toLongLong());
    case FieldType::Date:
        return v.toDate().toString(display ? QStringLiteral("dd.MM.yyyy.") : QStringLiteral("yyyy-MM-dd"));
    default:
        return v.toString();
    }
}

QString TField::displayText() const { return displayTextOf(value()); }

QString TField::displayTextOf(const QVariant& v) const {
    return OnGetText ? OnGetText(*this, v, true) : formatValue(v, true);
}

QString TField::text() const {
    return OnGetText ? OnGetText(*this, value(), false) : formatValue(value(), false);
}

void TField::setText(const QString& text) {
    // What a user types never reaches a field that only operations change
    // (keys, status, versions): the grid, the forms and scripts alike.
    if (readOnly_)
        throw EDatabaseError(QStringLiteral("Polje \"%1\" se ne može menjati.").arg(displayLabel()));
    if (OnSetText)
        OnSetText(*this, text);
    else
        setValue(text);
}
