#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

class TDataSet;
class TField;

// Shows a dataset in a Qt view: one row per record, one column per chosen
// field, headers from the field labels, text through the display formats.
// Edits go through the field, so the dataset's change handlers run as they
// would for code assigning the value.
class DataSetTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // `fieldNames` chooses and orders the columns; empty means every visible field.
    explicit DataSetTableModel(TDataSet* dataSet, const QStringList& fieldNames = {}, QObject* parent = nullptr);

    TDataSet* dataSet() const { return dataSet_; }
    TField* fieldAt(int column) const;
    int columnOf(const QString& fieldName) const;
    void setColumns(const QStringList& fieldNames);
    // The names of the fields shown, in column order.
    QStringList columnsShown() const;
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    // An edit was refused; the text says why (for the view to show).
    void editRefused(const QString& message);

private:
    void rebuildColumns();

    TDataSet* dataSet_;
    QStringList fieldNames_;
    std::vector<int> columns_;  // field indexes
    bool readOnly_ = false;
};
