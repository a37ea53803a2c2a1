#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

class Connection;
class DataSetTableModel;
class IMessages;
class QComboBox;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTableView;
class QVBoxLayout;
class TDataSet;
class TReportEngine;
class TSqlQuery;

// The frame every return's form shares: the choosers of its period above, the
// rows in a grid sortable by its column titles, the form's own buttons on the
// right, a total under the grid. Rows of a table are edited cached: "Primeni"
// (enabled while something is unsaved) and "U redu" write them together, in
// one transaction; "Otkaži" and closing drop them. Rows computed for the
// moment are read-only and the form ends with "Zatvori".
class TReturnGridForm : public QDialog {
    Q_OBJECT
public:
    // Stored rows, edited on cached updates.
    TReturnGridForm(const QString& caption, TSqlQuery& rows, Connection& connection, IMessages& messages,
                    QWidget* parent);
    // Rows computed in memory, shown read-only.
    TReturnGridForm(const QString& caption, TDataSet& rows, Connection& connection, IMessages& messages,
                    QWidget* parent);

    QTableView* grid() const { return grid_; }
    DataSetTableModel* model() const { return model_; }
    // Prints go to this engine (tests render to PDF) instead of a preview.
    void setReportEngine(TReportEngine* engine) { engine_ = engine; }

    void done(int result) override;

protected:
    // A labelled combo in the choosers' row; `changed` runs after each choice.
    QComboBox* addChooser(const QString& label, const QStringList& items, int current,
                          const std::function<void()>& changed);
    // Another labelled widget in the choosers' row (a date, say).
    void addChooserWidget(const QString& label, QWidget* widget);
    // Combos of the years given and of the twelve months ("01" or "1").
    QComboBox* addYearChooser(const QList<int>& years, int year, const std::function<void()>& changed);
    QComboBox* addMonthChooser(int month, bool twoDigits, const std::function<void()>& changed);
    // A button of the form; the action runs guarded (refusals are shown).
    QPushButton* addButton(const QString& caption, const QString& objectName, const std::function<void()>& action);
    void setColumns(const QStringList& fields);
    // The line under the grid, refreshed whenever the rows change.
    void setTotal(const std::function<QString()>& text);
    void refreshTotal();

    // Writes the cached changes; false when refused (the user has been told).
    virtual bool apply();
    // Runs an operation; false when it was refused (the user has been told).
    bool run(const std::function<void()>& operation);
    // "Izbriši sve": every row shown deleted, written by "Primeni" or "U redu".
    void removeAllRows();
    // Drops unsaved edits before the rows are reopened for another period;
    // asks first, false when the user keeps them.
    bool dropUnsaved();
    // The grid through the report engine under a title and a header: its
    // columns, or the fields given.
    void printGrid(const QString& title, const QString& header, const QStringList& fields = {});
    // A print of the form's own through the report engine (a preview, or the
    // engine set for tests), guarded; pending edits of the grid are posted first.
    void print(const std::function<void(TReportEngine&)>& operation);

    Connection& connection() const { return connection_; }
    IMessages& messages() const { return messages_; }
    TDataSet& rows() const { return rows_; }

private:
    void build(const QString& caption, bool editable);
    void sortByColumn(int column);
    // Each column as wide as its values and its title on at most two lines.
    void fitColumns();
    void updateApply();

    TDataSet& rows_;
    TSqlQuery* stored_ = nullptr;
    Connection& connection_;
    IMessages& messages_;
    TReportEngine* engine_ = nullptr;
    DataSetTableModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QHBoxLayout* choosers_ = nullptr;
    QVBoxLayout* buttons_ = nullptr;
    QLabel* total_ = nullptr;
    QPushButton* apply_ = nullptr;
    std::function<QString()> totalText_;
    QString sortField_;
    bool sortDescending_ = false;
};

// "#,##0.00" of an amount, as the totals show it.
QString TotalAmountText(double value);
// The sum of a money field over every row.
double SumOf(const TDataSet& rows, const QString& field);
