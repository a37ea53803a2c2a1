#pragma once

#include "ReportTable.h"

#include <QString>
#include <QStringList>

#include <vector>

class TDataSet;

enum class TValueKind {
    Text,           // the fields' texts joined by a space
    Money,          // the fields' sum, two decimals, totalled
    Hours,          // the fields' sum, totalled
    Whole,          // the fields' sum as a whole number, totalled
    Rate,           // a percentage, not totalled
    HoursAndMoney,  // the first field's hours over the second's amount, both totalled
};

// A column of a list read from the rows' fields.
struct TListColumn {
    QString caption;
    QStringList fields;
    TValueKind kind = TValueKind::Text;
    bool flex = false;
    // Left out when no row has anything in it (a supplement nobody earned).
    bool optional = false;
};

// A group level of a list: the field whose equal values make a group and
// the words its heading and subtotal begin with.
struct TListGroup {
    QString field;
    QString heading;
};

// The rows of `data` in `order` (empty: the dataset's own) as a table, in
// groups of equal values of the group fields (first appearance first, the
// rows of a group in their order) with a subtotal after each group and a
// total at the end. Columns whose fields the dataset lacks are left out.
TTable ListTable(const TDataSet* data, std::vector<TListColumn> columns, const std::vector<TListGroup>& groups = {},
                 std::vector<int> order = {});

// The rows' order by the text of a field (accounts, for a bank's list).
std::vector<int> OrderedBy(const TDataSet* data, const QString& field);
