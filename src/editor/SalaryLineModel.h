#pragma once

#include "MinimumPayMark.h"
#include "db/DataSetTableModel.h"

#include <QRgb>
#include <QSet>

#include <functional>
#include <optional>

// The editor's line grid over SalaryItemZQ: the chosen columns, some of
// them read-only, the minimum-pay marking, and sorting by a column title.
// A post that reorders nothing keeps the view's current cell: the model
// reports changed data instead of a reset, so typing down a column stays smooth.
class SalaryLineModel : public DataSetTableModel {
    Q_OBJECT
public:
    SalaryLineModel(TDataSet* lines, const QStringList& columns, const QStringList& readOnlyColumns,
                    QObject* parent = nullptr);

    // The document's basis of the marking; nullopt turns the marking off
    // (documents other than regular and sick-leave ones).
    void setMarking(std::optional<TMinimumPayBasis> basis);
    TLineMark markOf(int row) const;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // QRgb is 0xRRGGBB: the light red is F9 red, 69 green, 63 blue (written
    // the other way round it is a blue that reads as a selection).
    static constexpr QRgb ShortLineColor = 0xC0C0C0;
    static constexpr QRgb NegativeLineColor = 0xF96963;

private:
    void dataSetReset();

    QSet<int> readOnlyColumns_;
    std::optional<TMinimumPayBasis> basis_;
    TMinimumPayMarker marker_;
    int knownRows_ = 0;
};
