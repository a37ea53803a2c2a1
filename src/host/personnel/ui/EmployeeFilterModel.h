#pragma once

#include <QSortFilterProxyModel>

class EmployeeRegister;

// Shows the employees of the register's grid model that match the search
// (code, names, JMBG) and, when asked, only the active ones.
class EmployeeFilterModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    EmployeeFilterModel(const EmployeeRegister& employees, QObject* parent = nullptr);

    void setSearch(const QString& search);
    void setActiveOnly(bool activeOnly);
    bool activeOnly() const { return activeOnly_; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    const EmployeeRegister& employees_;
    QString search_;
    bool activeOnly_ = true;
};
