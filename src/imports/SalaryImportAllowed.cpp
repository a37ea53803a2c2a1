#include "ImportResourceStrings.h"
#include "SalaryDM.h"
#include "SalaryImports.h"

bool SalaryImportAllowed(const TSalaryDM& dm) {
    const TSqlQuery& header = *dm.SalaryZQ;
    const TSqlQuery& lines = *dm.SalaryItemZQ;
    return header.active() && !header.isEmpty() && header.state() == DataSetState::Browse
        && !header.fieldByName(QStringLiteral("salaryid"))->isNull() && !dm.SalaryPosted() && lines.active()
        && lines.state() == DataSetState::Browse && !lines.updatesPending() && lines.isEmpty();
}

QString TSheetImport::UnknownMessage() const {
    if (unknown.isEmpty())
        return {};
    QString lines;
    for (const QString& employee : unknown)
        lines += employee + QLatin1Char('\n');
    return QString::fromUtf8(_SAL_EMPLOYEES_NOT_ADDED).arg(lines);
}
