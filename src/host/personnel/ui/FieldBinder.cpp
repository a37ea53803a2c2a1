#include "FieldBinder.h"

#include "db/DataSet.h"
#include "db/DbError.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

TField* FieldBinder::field(const QString& fieldName) const { return dataSet_.fieldByName(fieldName); }

QString FieldBinder::label(const QString& fieldName) const { return field(fieldName)->displayLabel() + QLatin1Char(':'); }

void FieldBinder::bind(const QString& fieldName, QWidget* widget, std::function<void(TField&)> load,
                       std::function<void(TField&)> store) {
    widget->setObjectName(fieldName);
    bindings_.push_back({field(fieldName), widget, std::move(load), std::move(store)});
}

QLineEdit* FieldBinder::lineEdit(const QString& fieldName) {
    auto* edit = new QLineEdit;
    if (const int size = field(fieldName)->size(); size > 0)
        edit->setMaxLength(size);
    if (field(fieldName)->dataType() == FieldType::Date)
        edit->setPlaceholderText(tr("dd.mm.gggg."));
    if (IsNumericType(field(fieldName)->dataType()))
        edit->setAlignment(Qt::AlignRight);
    bind(
        fieldName, edit, [edit](TField& f) { edit->setText(f.displayText()); },
        [edit](TField& f) { f.setText(edit->text().trimmed()); });
    return edit;
}

QCheckBox* FieldBinder::checkBox(const QString& fieldName) {
    auto* box = new QCheckBox(field(fieldName)->displayLabel());
    bind(
        fieldName, box, [box](TField& f) { box->setChecked(f.asBoolean()); },
        [box](TField& f) { f.setAsBoolean(box->isChecked()); });
    return box;
}

QSpinBox* FieldBinder::spinBox(const QString& fieldName, int minimum, int maximum) {
    auto* spin = new QSpinBox;
    spin->setRange(minimum, maximum);
    bind(
        fieldName, spin, [spin](TField& f) { spin->setValue(f.asInteger()); },
        [spin](TField& f) { f.setAsInteger(spin->value()); });
    return spin;
}

QComboBox* FieldBinder::comboBox(const QString& fieldName, const Choices& choices) {
    auto* combo = new QComboBox;
    for (const auto& [caption, value] : choices)
        combo->addItem(caption, value);
    bind(
        fieldName, combo,
        [combo](TField& f) {
            int index = combo->findData(f.value());
            // An unknown stored value is shown rather than silently replaced.
            if (index < 0 && !f.isNull()) {
                combo->addItem(f.asString(), f.value());
                index = combo->count() - 1;
            }
            combo->setCurrentIndex(std::max(index, 0));
        },
        [combo](TField& f) { f.setValue(combo->currentData()); });
    return combo;
}

void FieldBinder::load() {
    for (Binding& binding : bindings_)
        binding.load(*binding.field);
}

void FieldBinder::store() {
    failed_ = nullptr;
    for (Binding& binding : bindings_) {
        try {
            binding.store(*binding.field);
        } catch (const EDatabaseError&) {
            failed_ = binding.widget;
            throw;
        }
    }
}

QWidget* FieldBinder::widgetOf(const TField* field) const {
    for (const Binding& binding : bindings_)
        if (binding.field == field)
            return binding.widget;
    return nullptr;
}

std::vector<const TField*> FieldBinder::boundFields() const {
    std::vector<const TField*> fields;
    for (const Binding& binding : bindings_)
        fields.push_back(binding.field);
    return fields;
}
