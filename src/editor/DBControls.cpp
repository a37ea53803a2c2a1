#include "DBControls.h"

#include "Messages.h"
#include "db/DataSet.h"
#include "db/DbError.h"

#include <QEvent>

bool WriteFieldText(TField& field, const QString& text, IMessages& messages) {
    try {
        field.dataSet()->edit();
        field.setText(text);
        return true;
    } catch (const EAbort&) {
    } catch (const EDatabaseError& error) {
        messages.error(error.message());
    }
    return false;
}

namespace {

// Refreshes `load` whenever the dataset's current row or its values change.
template <class Control>
void followDataSet(Control* control, TDataSet& dataSet) {
    const auto load = [control] { control->LoadValue(); };
    QObject::connect(&dataSet, &TDataSet::dataReset, control, load);
    QObject::connect(&dataSet, &TDataSet::rowChanged, control, load);
    QObject::connect(&dataSet, &TDataSet::currentRowChanged, control, load);
    QObject::connect(&dataSet, &TDataSet::stateChanged, control, load);
}

}  // namespace

TDBEdit::TDBEdit(TField& field, IMessages& messages, QWidget* parent)
    : QLineEdit(parent), field_(field), messages_(messages) {
    setObjectName(field.fieldName());
    if (field.size() > 0)
        setMaxLength(field.size());
    if (IsNumericType(field.dataType()))
        setAlignment(Qt::AlignRight);
    followDataSet(this, *field.dataSet());
    connect(this, &QLineEdit::editingFinished, this, &TDBEdit::StoreValue);
    LoadValue();
}

void TDBEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() != QEvent::ReadOnlyChange)
        return;
    // A field that takes no typing does not look like one that does.
    if (isReadOnly()) {
        QPalette shown = palette();
        shown.setColor(QPalette::Base, shown.color(QPalette::Window));
        setPalette(shown);
    } else {
        setPalette(QPalette());
    }
}

void TDBEdit::LoadValue() {
    if (isModified() && hasFocus())
        return;
    setText(field_.dataSet()->active() ? field_.displayText() : QString());
    setModified(false);
}

void TDBEdit::StoreValue() {
    if (!isModified() || isReadOnly())
        return;
    setModified(false);
    WriteFieldText(field_, text().trimmed(), messages_);
    LoadValue();
}

TDBComboBox::TDBComboBox(TField& field, IMessages& messages, const QList<int>& values, QWidget* parent)
    : QComboBox(parent), field_(field), messages_(messages) {
    setObjectName(field.fieldName());
    for (int value : values)
        addItem(QString::number(value), value);
    followDataSet(this, *field.dataSet());
    connect(this, &QComboBox::activated, this, &TDBComboBox::StoreValue);
    LoadValue();
}

void TDBComboBox::LoadValue() {
    loading_ = true;
    const int value = field_.dataSet()->active() ? field_.asInteger() : 0;
    int index = findData(value);
    if (index < 0 && value != 0) {
        addItem(QString::number(value), value);
        index = count() - 1;
    }
    setCurrentIndex(index);
    loading_ = false;
}

void TDBComboBox::StoreValue(int index) {
    if (loading_ || index < 0 || itemData(index).toInt() == field_.asInteger())
        return;
    WriteFieldText(field_, QString::number(itemData(index).toInt()), messages_);
    LoadValue();
}
