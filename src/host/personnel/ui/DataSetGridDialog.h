#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

class DataSetTableModel;
class IMessages;
class QTableView;
class TSqlQuery;

// A short list edited in place: zones, units, an employee's earlier months.
// A row is stored when the cursor leaves it or the dialog closes; the
// dataset's own checks say what is wrong. Deleting goes through the data
// class, which knows what may be deleted.
class DataSetGridDialog : public QDialog {
    Q_OBJECT
public:
    DataSetGridDialog(TSqlQuery& query, const QStringList& columns, std::function<bool()> deleteCurrent,
                      IMessages& messages, QWidget* parent = nullptr);

    QTableView* view() const { return view_; }
    DataSetTableModel* model() const { return model_; }

    void addRow();
    void deleteRow();
    void done(int result) override;

private:
    void followCursor();

    TSqlQuery& query_;
    std::function<bool()> deleteCurrent_;
    IMessages& messages_;
    DataSetTableModel* model_;
    QTableView* view_;
};
