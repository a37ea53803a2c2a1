#include "DataSetTableModel.h"

#include "DataSet.h"
#include "DbError.h"

DataSetTableModel::DataSetTableModel(TDataSet* dataSet, const QStringList& fieldNames, QObject* parent)
    : QAbstractTableModel(parent), dataSet_(dataSet), fieldNames_(fieldNames) {
    rebuildColumns();
    connect(dataSet_, &TDataSet::dataReset, this, [this] {
        beginResetModel();
        rebuildColumns();
        endResetModel();
    });
    connect(dataSet_, &TDataSet::rowsInserted, this, [this](int row) {
        beginInsertRows({}, row, row);
        endInsertRows();
    });
    connect(dataSet_, &TDataSet::rowsRemoved, this, [this](int row) {
        beginRemoveRows({}, row, row);
        endRemoveRows();
    });
    connect(dataSet_, &TDataSet::rowChanged, this, [this](int row) {
        if (row >= 0 && row < rowCount() && !columns_.empty())
            emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    });
}

void DataSetTableModel::setColumns(const QStringList& fieldNames) {
    beginResetModel();
    fieldNames_ = fieldNames;
    rebuildColumns();
    endResetModel();
}

void DataSetTableModel::rebuildColumns() {
    columns_.clear();
    if (fieldNames_.isEmpty()) {
        for (int i = 0; i < dataSet_->fieldCount(); ++i)
            if (dataSet_->field(i)->visible())
                columns_.push_back(i);
        return;
    }
    for (const QString& name : fieldNames_)
        if (TField* field = dataSet_->findField(name))
            columns_.push_back(field->index());
}

TField* DataSetTableModel::fieldAt(int column) const {
    return column >= 0 && column < int(columns_.size()) ? dataSet_->field(columns_[size_t(column)]) : nullptr;
}

int DataSetTableModel::columnOf(const QString& fieldName) const {
    for (size_t c = 0; c < columns_.size(); ++c)
        if (dataSet_->field(columns_[c])->fieldName().compare(fieldName, Qt::CaseInsensitive) == 0)
            return int(c);
    return -1;
}

QStringList DataSetTableModel::columnsShown() const {
    QStringList names;
    for (int column = 0; column < columnCount(); ++column)
        names.append(fieldAt(column)->fieldName());
    return names;
}

int DataSetTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !dataSet_->active() ? 0 : dataSet_->recordCount();
}

int DataSetTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant DataSetTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    TField* field = fieldAt(index.column());
    if (!field)
        return {};
    const QVariant& value = dataSet_->valueAt(index.row(), field->index());
    switch (role) {
    case Qt::DisplayRole:
        return field->displayTextOf(value);
    case Qt::EditRole:
        return field->formatValue(value, false);
    case Qt::TextAlignmentRole:
        return IsNumericType(field->dataType()) ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                                : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

bool DataSetTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid())
        return false;
    TField* field = fieldAt(index.column());
    if (!field || field->readOnly() || readOnly_)
        return false;
    try {
        if (dataSet_->currentIndex() != index.row())
            dataSet_->setCurrentIndex(index.row());
        // The row is posted when the cursor leaves it, as in any data grid.
        dataSet_->edit();
        field->setText(value.toString());
    } catch (const EAbort&) {
        return false;
    } catch (const EDatabaseError& error) {
        emit editRefused(error.message());
        return false;
    }
    return true;
}

QVariant DataSetTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    TField* field = fieldAt(section);
    return field ? field->displayLabel() : QVariant();
}

Qt::ItemFlags DataSetTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    TField* field = fieldAt(index.column());
    if (field && !field->readOnly() && !readOnly_)
        flags |= Qt::ItemIsEditable;
    return flags;
}
