#include "EmployeeFilterModel.h"

#include "EmployeeRegister.h"

EmployeeFilterModel::EmployeeFilterModel(const EmployeeRegister& employees, QObject* parent)
    : QSortFilterProxyModel(parent), employees_(employees) {}

void EmployeeFilterModel::setSearch(const QString& search) {
    search_ = search;
    invalidateFilter();
}

void EmployeeFilterModel::setActiveOnly(bool activeOnly) {
    activeOnly_ = activeOnly;
    invalidateFilter();
}

bool EmployeeFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    return employees_.RowMatches(sourceRow, search_, activeOnly_);
}
