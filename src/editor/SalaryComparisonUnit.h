#pragma once

#include "db/DataSet.h"

#include <QDialog>

class DataSetTableModel;
class IMessages;
class QLabel;
class QSortFilterProxyModel;
class QTableView;
class TSalaryDM;

// "Razlike u odnosu na prethodni obračun": per employee, how gross, net and
// amount for payment changed since an earlier document and what explains
// the change of net. Every column sorts by size (absolute value), so the
// largest changes come first whatever their sign.
class TSalaryComparisonForm : public QDialog {
    Q_OBJECT
public:
    TSalaryComparisonForm(TSalaryDM& dm, qint64 salaryId, qint64 previousId, QWidget* parent = nullptr);

    QTableView* Grid;
    QSortFilterProxyModel* Sorted;
    QLabel* Caption;

private:
    TDataSet rows_{QStringLiteral("ComparisonCDS")};
    DataSetTableModel* model_ = nullptr;
};

// Shows the comparison of the open (applied) document with the previous
// posted document of its type; says so when there is none.
void ComparisonShow(TSalaryDM& dm, IMessages& messages, QWidget* owner);
