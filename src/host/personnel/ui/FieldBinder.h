#pragma once

#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class QWidget;
class TDataSet;
class TField;

// Maps editor widgets to the fields of a dataset's current row: load() shows
// the row, store() writes the widgets back through the fields (so numbers
// with a decimal comma and dates as dd.mm.yyyy. are read as the field reads
// them). Widgets are created here, with the field's label and length.
class FieldBinder {
    Q_DECLARE_TR_FUNCTIONS(FieldBinder)
public:
    using Choices = QList<QPair<QString, QVariant>>;  // caption, stored value

    explicit FieldBinder(TDataSet& dataSet) : dataSet_(dataSet) {}

    QLineEdit* lineEdit(const QString& fieldName);
    QCheckBox* checkBox(const QString& fieldName);
    QSpinBox* spinBox(const QString& fieldName, int minimum, int maximum);
    // A fixed list; the stored value of the chosen entry goes to the field.
    QComboBox* comboBox(const QString& fieldName, const Choices& choices);
    // Any other mapping: the editor supplies both directions.
    void bind(const QString& fieldName, QWidget* widget, std::function<void(TField&)> load,
              std::function<void(TField&)> store);

    TField* field(const QString& fieldName) const;
    QString label(const QString& fieldName) const;  // "Label:" for a form row

    void load();
    // Throws EDatabaseError when a widget holds what its field cannot take
    // (a wrong number or date); failedWidget() then names the widget.
    void store();
    QWidget* failedWidget() const { return failed_; }
    QWidget* widgetOf(const TField* field) const;
    // Every field some widget edits.
    std::vector<const TField*> boundFields() const;

private:
    struct Binding {
        TField* field;
        QWidget* widget;
        std::function<void(TField&)> load;
        std::function<void(TField&)> store;
    };

    TDataSet& dataSet_;
    std::vector<Binding> bindings_;
    QWidget* failed_ = nullptr;
};
