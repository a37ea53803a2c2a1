#include "ListTable.h"

#include "ReportFormat.h"
#include "RowValues.h"
#include "db/DataSet.h"

#include <algorithm>
#include <numeric>

namespace {

bool Totalled(TValueKind kind) { return kind != TValueKind::Text && kind != TValueKind::Rate; }

double Sum(const TRowValues& row, const QStringList& fields, int from = 0, int count = -1) {
    double sum = 0;
    const int end = count < 0 ? int(fields.size()) : std::min(int(fields.size()), from + count);
    for (int i = from; i < end; ++i)
        sum += row.number(fields[i]);
    return sum;
}

// The sums a subtotal or the total shows: per column, and the second
// figure of the hours-and-amount columns.
struct TSums {
    std::vector<double> first;
    std::vector<double> second;
    int rows = 0;

    explicit TSums(size_t columns) : first(columns, 0), second(columns, 0) {}
    void add(const TSums& other) {
        for (size_t c = 0; c < first.size(); ++c) {
            first[c] += other.first[c];
            second[c] += other.second[c];
        }
        rows += other.rows;
    }
};

QString Figure(TValueKind kind, double first, double second) {
    switch (kind) {
    case TValueKind::Money:
        return MoneyText(first);
    case TValueKind::Hours:
        return HoursText(first);
    case TValueKind::Whole:
        return WholeText(first);
    case TValueKind::Rate:
        return RateText(first);
    case TValueKind::HoursAndMoney:
        return HoursText(first) + QLatin1Char('\n') + MoneyText(second);
    case TValueKind::Text:
        break;
    }
    return {};
}

class TListBuilder {
public:
    TListBuilder(const TDataSet& data, std::vector<TListColumn> columns, const std::vector<TListGroup>& groups)
        : data_(data), columns_(std::move(columns)), groups_(groups) {
        for (size_t c = 0; c < columns_.size(); ++c)
            if (columns_[c].flex) {
                labelColumn_ = int(c);
                break;
            }
    }

    const std::vector<TListColumn>& columns() const { return columns_; }

    // Drops the columns the dataset cannot fill and the optional ones nobody has.
    void chooseColumns(const std::vector<int>& order) {
        std::vector<TListColumn> kept;
        for (const TListColumn& column : columns_) {
            const bool present = std::any_of(column.fields.begin(), column.fields.end(),
                                             [this](const QString& name) { return data_.findField(name) != nullptr; });
            if (!present)
                continue;
            if (column.optional && Totalled(column.kind)
                && std::all_of(order.begin(), order.end(), [&](int row) {
                       return IsZeroAmount(Sum(TRowValues(data_, row), column.fields));
                   }))
                continue;
            kept.push_back(column);
        }
        columns_ = std::move(kept);
        labelColumn_ = 0;
        for (size_t c = 0; c < columns_.size(); ++c)
            if (columns_[c].flex) {
                labelColumn_ = int(c);
                break;
            }
    }

    TSums rows(const std::vector<int>& order, size_t level, std::vector<TRow>& out) const {
        TSums sums(columns_.size());
        if (level >= groups_.size()) {
            for (int row : order)
                out.push_back(line(row, sums));
            return sums;
        }
        const TListGroup& group = groups_[level];
        QStringList keys;
        QHash<QString, std::vector<int>> members;
        for (int row : order) {
            const QString key = TRowValues(data_, row).text(group.field);
            if (!members.contains(key))
                keys << key;
            members[key].push_back(row);
        }
        for (const QString& key : keys) {
            // Rows without a unit at this level stand directly in the group above.
            if (key.isEmpty()) {
                sums.add(rows(members[key], level + 1, out));
                continue;
            }
            const QString& name = key;
            out.push_back({TRowStyle::Heading, {QStringLiteral("%1: %2").arg(group.heading, name)}, 1});
            const TSums groupSums = rows(members[key], level + 1, out);
            out.push_back(total(TRowStyle::Subtotal, QStringLiteral("Ukupno %1").arg(name), groupSums));
            sums.add(groupSums);
        }
        return sums;
    }

    TRow total(TRowStyle style, const QString& label, const TSums& sums) const {
        TRow row{style, {}};
        for (size_t c = 0; c < columns_.size(); ++c)
            row.cells << (Totalled(columns_[c].kind) ? Figure(columns_[c].kind, sums.first[c], sums.second[c]) : QString());
        row.cells[labelColumn_] = QStringLiteral("%1 (%2)").arg(label).arg(sums.rows);
        return row;
    }

private:
    TRow line(int index, TSums& sums) const {
        const TRowValues row(data_, index);
        TRow out;
        for (size_t c = 0; c < columns_.size(); ++c) {
            const TListColumn& column = columns_[c];
            if (column.kind == TValueKind::Text) {
                QStringList parts;
                for (const QString& field : column.fields) {
                    const QString part = row.text(field);
                    if (!part.isEmpty())
                        parts << part;
                }
                out.cells << parts.join(QLatin1Char(' '));
                continue;
            }
            const bool pair = column.kind == TValueKind::HoursAndMoney;
            const double first = pair ? Sum(row, column.fields, 0, 1) : Sum(row, column.fields);
            const double second = pair ? Sum(row, column.fields, 1) : 0;
            sums.first[c] += first;
            sums.second[c] += second;
            // An empty cell reads faster than a column of zeros.
            const bool nothing = IsZeroAmount(first) && IsZeroAmount(second) && column.kind != TValueKind::Money;
            out.cells << (nothing ? QString() : Figure(column.kind, first, second));
        }
        ++sums.rows;
        return out;
    }

    const TDataSet& data_;
    std::vector<TListColumn> columns_;
    const std::vector<TListGroup>& groups_;
    int labelColumn_ = 0;
};

}  // namespace

TTable ListTable(const TDataSet* data, std::vector<TListColumn> columns, const std::vector<TListGroup>& groups,
                 std::vector<int> order) {
    TTable table;
    if (!data || !data->active()) {
        for (const TListColumn& column : columns)
            table.columns.push_back({column.caption, column.kind != TValueKind::Text, column.flex});
        return table;
    }
    if (order.empty()) {
        order.resize(size_t(data->recordCount()));
        std::iota(order.begin(), order.end(), 0);
    }
    TListBuilder builder(*data, std::move(columns), groups);
    builder.chooseColumns(order);
    for (const TListColumn& column : builder.columns())
        table.columns.push_back({column.caption, column.kind != TValueKind::Text, column.flex});
    if (order.empty() || table.columns.empty())
        return table;
    const TSums sums = builder.rows(order, 0, table.rows);
    const bool anyTotal = std::any_of(builder.columns().begin(), builder.columns().end(),
                                      [](const TListColumn& column) { return Totalled(column.kind); });
    if (anyTotal)
        table.rows.push_back(builder.total(TRowStyle::Total, QStringLiteral("Ukupno"), sums));
    return table;
}

std::vector<int> OrderedBy(const TDataSet* data, const QString& field) {
    std::vector<int> order;
    if (!data || !data->active())
        return order;
    order.resize(size_t(data->recordCount()));
    std::iota(order.begin(), order.end(), 0);
    std::vector<QString> keys(order.size());
    for (int row : order)
        keys[size_t(row)] = TRowValues(*data, row).text(field);
    std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) { return keys[size_t(a)] < keys[size_t(b)]; });
    return order;
}
