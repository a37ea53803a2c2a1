#pragma once

#include <QWidget>

#include <vector>

class DataSetTableModel;
class EmployeeFilterModel;
class EmployeeRegister;
class QCheckBox;
class QLabel;
class QLineEdit;
class QTableView;

// The register's employees as a list to search: by code, names or JMBG,
// active employees only unless "show inactive too" is ticked, with a count
// of what is shown. The register window and the picker both use it.
class EmployeeListView : public QWidget {
    Q_OBJECT
public:
    explicit EmployeeListView(EmployeeRegister& employees, bool activeOnly = true, QWidget* parent = nullptr);

    QTableView* view() const { return view_; }
    QLineEdit* search() const { return search_; }
    QCheckBox* showInactive() const { return showInactive_; }

    // The register rows selected, in the register's order (by code).
    std::vector<int> selectedRows() const;
    // Selects the register's current employee when the list shows it.
    void showCurrent();

signals:
    void selectionChanged();
    void activated();  // a row double-clicked

private:
    void updateCount();

    EmployeeRegister& employees_;
    DataSetTableModel* model_;
    EmployeeFilterModel* filter_;
    QLineEdit* search_;
    QCheckBox* showInactive_;
    QTableView* view_;
    QLabel* count_;
};
