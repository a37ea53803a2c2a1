#include "SalaryDetailRows.h"

#include "db/SqlQuery.h"

void ApplyDetailRows(TSqlQuery& rows, qint64 salaryItemId) {
    rows.checkBrowseMode();
    TField* line = rows.fieldByName(QStringLiteral("salaryitemid"));
    {
        ControlsDisabled quiet(rows);
        for (int row = 0; row < rows.recordCount(); ++row) {
            if (rows.valueAt(row, line->index()).toLongLong() != 0)
                continue;
            rows.setCurrentIndex(row);
            rows.edit();
            line->setAsLargeInt(salaryItemId);
            rows.post();
        }
        rows.first();
    }
    rows.applyUpdates();
}
