#pragma once

#include "SchemaDef.h"

#include <QDate>
#include <QString>
#include <QVariant>

#include <functional>

class TDataSet;

// Numbers are read in the calculation's inner loops: a value stored as the
// type T is recognised inline, without QVariant's calls into QtCore.
template <typename T>
const T* StoredAs(const QVariant& v) {
    const QVariant::Private& d = v.data_ptr();
    if (d.is_null || d.typeInterface() != QMetaType::fromType<T>().iface())
        return nullptr;
    return static_cast<const T*>(v.constData());
}

// Any other value as a number: 0 for null, text as typed ("1.234,56").
double NumberOfOther(const QVariant& value);

// The number a field's value stands for (what TField::asFloat reads).
inline double NumberOf(const QVariant& value) {
    if (const double* number = StoredAs<double>(value))
        return *number;
    if (const qlonglong* number = StoredAs<qlonglong>(value))
        return double(*number);
    return NumberOfOther(value);
}

// A date as users type it: "06.12.2026." (as shown), "6.12.2026" or ISO
// "2026-12-06"; an invalid date when it cannot be read.
QDate ParseDateText(const QString& text);

enum class FieldType { LargeInt, Integer, SmallInt, Float, String, Flag, Date, Text };

FieldType FieldTypeOf(ColumnType type);
bool IsNumericType(FieldType type);

// One column of a dataset. Values live in the dataset's records; a field is a
// resolved handle onto the column of the current record, so calculation code
// looks a field up once and reads it many times without a name lookup.
class TField {
public:
    using ChangeHandler = std::function<void(TField&)>;
    // Text of a value of this field (any record's, for grids), for display or for editing.
    using GetTextHandler = std::function<QString(const TField&, const QVariant& value, bool displayText)>;
    // Turns typed text into the stored value (a caption typed for a code).
    using SetTextHandler = std::function<void(TField&, const QString& text)>;

    TField(TDataSet* dataSet, int index, const QString& name, FieldType type);

    TDataSet* dataSet() const { return dataSet_; }
    int index() const { return index_; }
    const QString& fieldName() const { return name_; }
    FieldType dataType() const { return type_; }

    QString displayLabel() const { return label_.isEmpty() ? name_ : label_; }
    void setDisplayLabel(const QString& label) { label_ = label; }
    const QString& displayFormat() const { return format_; }
    void setDisplayFormat(const QString& format) { format_ = format; }
    bool required() const { return required_; }
    void setRequired(bool required) { required_ = required; }
    int size() const { return size_; }
    void setSize(int size) { size_ = size; }
    // Stored fields belong to the dataset's update table and are written back;
    // the others (joined or computed by the query) are shown only.
    bool stored() const { return stored_; }
    void setStored(bool stored) { stored_ = stored; }
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool visible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }

    // Current record (or the edit buffer while the dataset is being edited).
    const QVariant& value() const;
    bool isNull() const;
    double asFloat() const;
    qint64 asLargeInt() const;
    int asInteger() const;
    QString asString() const;
    QDate asDate() const;
    bool asBoolean() const;  // flags: "y" is true

    // Assigning needs the dataset in edit or insert state. The change handler
    // runs on every assignment, even when the value does not change.
    void setValue(const QVariant& value);
    void setAsFloat(double value);
    void setAsLargeInt(qint64 value);
    void setAsInteger(int value);
    void setAsString(const QString& value);
    void setAsDate(const QDate& value);
    void setAsBoolean(bool value);
    void clear();

    // Text as shown in grids (display format, Serbian separators) and as
    // typed by a user; setText accepts a decimal comma or point.
    QString displayText() const;
    QString text() const;
    void setText(const QString& text);
    QString formatValue(const QVariant& value, bool displayText) const;
    // Display text of any value of this field, through the text handler when set.
    QString displayTextOf(const QVariant& value) const;

    // Converts any value to this field's canonical representation
    // (double, qlonglong, QString or QDate); null stays null.
    QVariant canonical(const QVariant& value) const;

    ChangeHandler OnChange;
    GetTextHandler OnGetText;
    SetTextHandler OnSetText;

private:
    TDataSet* dataSet_;
    int index_;
    QString name_;
    FieldType type_;
    QString label_;
    QString format_;
    int size_ = 0;
    bool required_ = false;
    bool stored_ = true;
    bool readOnly_ = false;
    bool visible_ = true;
};
