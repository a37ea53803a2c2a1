#include "SalaryLineModel.h"

#include "db/DataSet.h"

#include <QColor>

SalaryLineModel::SalaryLineModel(TDataSet* lines, const QStringList& columns, const QStringList& readOnlyColumns,
                                 QObject* parent)
    : DataSetTableModel(lines, columns, parent), marker_(*lines) {
    for (const QString& name : readOnlyColumns)
        if (const int column = columnOf(name); column >= 0)
            readOnlyColumns_.insert(column);
    // The base resets the whole model on every reset of the dataset, which a
    // post into an ordered dataset sends; keep the view's place instead.
    disconnect(lines, &TDataSet::dataReset, this, nullptr);
    connect(lines, &TDataSet::dataReset, this, &SalaryLineModel::dataSetReset);
    connect(lines, &TDataSet::rowsInserted, this, [this] { knownRows_ = rowCount(); });
    connect(lines, &TDataSet::rowsRemoved, this, [this] { knownRows_ = rowCount(); });
    knownRows_ = rowCount();
}

void SalaryLineModel::dataSetReset() {
    const int rows = rowCount();
    if (rows == knownRows_ && rows > 0) {
        emit layoutAboutToBeChanged();
        emit layoutChanged();
        emit dataChanged(index(0, 0), index(rows - 1, columnCount() - 1));
        return;
    }
    beginResetModel();
    knownRows_ = rows;
    endResetModel();
}

void SalaryLineModel::setMarking(std::optional<TMinimumPayBasis> basis) {
    basis_ = std::move(basis);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::BackgroundRole});
}

TLineMark SalaryLineModel::markOf(int row) const {
    if (!basis_ || row < 0 || row >= rowCount())
        return TLineMark::None;
    return marker_.MarkOf(*basis_, row);
}

QVariant SalaryLineModel::data(const QModelIndex& index, int role) const {
    if (role == Qt::BackgroundRole && basis_) {
        switch (markOf(index.row())) {
        case TLineMark::Short: return QColor(ShortLineColor);
        case TLineMark::Negative: return QColor(NegativeLineColor);
        case TLineMark::None: break;
        }
        return {};
    }
    // A row being typed into shows what was typed.
    if ((role == Qt::DisplayRole || role == Qt::EditRole) && index.isValid() && dataSet()->isEditing()
        && index.row() == dataSet()->currentIndex()) {
        TField* field = fieldAt(index.column());
        if (!field)
            return {};
        const QVariant& value = (*dataSet()->currentValues())[size_t(field->index())];
        return role == Qt::DisplayRole ? field->displayTextOf(value) : QVariant(field->formatValue(value, false));
    }
    return DataSetTableModel::data(index, role);
}

QVariant SalaryLineModel::headerData(int section, Qt::Orientation orientation, int role) const {
    // Narrow columns cut long titles; the whole title is a hover away.
    if (role == Qt::ToolTipRole && orientation == Qt::Horizontal)
        return DataSetTableModel::headerData(section, orientation, Qt::DisplayRole);
    return DataSetTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags SalaryLineModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = DataSetTableModel::flags(index);
    if (readOnlyColumns_.contains(index.column()))
        flags &= ~Qt::ItemIsEditable;
    return flags;
}

bool SalaryLineModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (readOnlyColumns_.contains(index.column()))
        return false;
    // An unchanged cell left by the editor is no edit (and no recalculation).
    if (role == Qt::EditRole && data(index, Qt::EditRole).toString() == value.toString())
        return false;
    return DataSetTableModel::setData(index, value, role);
}

void SalaryLineModel::sort(int column, Qt::SortOrder order) {
    TField* field = fieldAt(column);
    if (!field)
        return;
    // The line number breaks ties, so that equal values keep the document's order.
    QString sortFields = field->fieldName();
    if (order == Qt::DescendingOrder)
        sortFields += QStringLiteral(" DESC");
    if (field->fieldName() != QLatin1String("sort"))
        sortFields += QStringLiteral(", sort");
    dataSet()->setSortFields(sortFields);
}
