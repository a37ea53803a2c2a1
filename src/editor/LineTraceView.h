#pragma once

#include "db/DataSet.h"

#include <QWidget>

class DataSetTableModel;
class QTableView;
class TSalaryDM;

// The "Obračun" tab of the line panel: the steps by which the current line
// comes to its amounts, one per row, amounts aligned, each rule in one line.
class TLineTraceView : public QWidget {
    Q_OBJECT
public:
    TLineTraceView(TSalaryDM& dm, QWidget* parent = nullptr);

    // Works the steps out again for the line as it is now (edits included).
    void Refresh();

    QTableView* Grid;

private:
    TSalaryDM& dm_;
    TDataSet steps_{QStringLiteral("LineTraceCDS")};
    DataSetTableModel* model_ = nullptr;
};
