#include "RowValues.h"

#include "db/DataSet.h"

double TRowValues::number(const QString& name) const {
    const TField* field = data_.findField(name);
    return field ? NumberOf(data_.valueAt(row_, field->index())) : 0.0;
}

QString TRowValues::text(const QString& name) const {
    const TField* field = data_.findField(name);
    if (!field)
        return {};
    const QVariant& value = data_.valueAt(row_, field->index());
    if (value.isNull())
        return {};
    if (IsNumericType(field->dataType()) && field->dataType() != FieldType::Float)
        return QString::number(qint64(NumberOf(value)));
    return value.toString().trimmed();
}

bool TRowValues::flag(const QString& name) const {
    return text(name).compare(QLatin1String("y"), Qt::CaseInsensitive) == 0;
}
