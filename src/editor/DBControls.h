#pragma once

#include <QComboBox>
#include <QLineEdit>

class IMessages;
class TDataSet;
class TField;

// Editors bound to a field of a dataset's current row, as the header of a
// document and the employee panel need them: they show the field, follow
// every change of the dataset, and write a changed value through the field
// (the dataset goes into edit), so that its change handlers run at once.
// A refused value is explained and the field's value shown again.

class TDBEdit : public QLineEdit {
    Q_OBJECT
public:
    TDBEdit(TField& field, IMessages& messages, QWidget* parent = nullptr);
    TField& Field() const { return field_; }
    // Shows the field's value unless the user is typing into it.
    void LoadValue();

protected:
    void changeEvent(QEvent* event) override;

private:
    void StoreValue();

    TField& field_;
    IMessages& messages_;
};

// A list of fixed values (months, years); the choice is written to the field.
class TDBComboBox : public QComboBox {
    Q_OBJECT
public:
    TDBComboBox(TField& field, IMessages& messages, const QList<int>& values, QWidget* parent = nullptr);
    TField& Field() const { return field_; }
    void LoadValue();

private:
    void StoreValue(int index);

    TField& field_;
    IMessages& messages_;
    bool loading_ = false;
};

// Writes `text` into the field of the current row (editing it first);
// false, after a message, when the field or the dataset refuses it.
bool WriteFieldText(TField& field, const QString& text, IMessages& messages);
