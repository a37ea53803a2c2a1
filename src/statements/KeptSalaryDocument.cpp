#include "KeptSalaryDocument.h"

#include "SalaryDM.h"
#include "db/DbError.h"
#include "db/Field.h"

namespace {

qint64 currentKey(const TDataSet& dataSet, const char* key) {
    if (!dataSet.active() || dataSet.isEmpty())
        return 0;
    return dataSet.fieldByName(QLatin1String(key))->asLargeInt();
}

}  // namespace

TKeptSalaryDocument::TKeptSalaryDocument(TSalaryDM& dm) : dm_(dm) {
    if (dm.SalaryModified())
        throw EDatabaseError(QStringLiteral("Zarada ima nesačuvane izmene; sačuvajte ih ili odbacite pre pravljenja "
                                            "PPP-PD prijave."));
    TSqlQuery& salary = *dm.SalaryZQ;
    sql_ = salary.sql();
    params_ = salary.params();
    sortFields_ = salary.sortFields();
    active_ = salary.active();
    salaryid_ = currentKey(salary, "salaryid");
    linesActive_ = dm.SalaryItemZQ->active();
    salaryitemid_ = currentKey(*dm.SalaryItemZQ, "salaryitemid");
}

TKeptSalaryDocument::~TKeptSalaryDocument() {
    try {
        restore();
    } catch (...) {
        // A list that cannot be read again stays closed; the user reopens it.
        dm_.SalaryZQ->close();
    }
}

void TKeptSalaryDocument::restore() {
    TSqlQuery& salary = *dm_.SalaryZQ;
    salary.close();
    salary.setSQL(sql_);
    for (auto it = params_.cbegin(); it != params_.cend(); ++it)
        salary.setParam(it.key(), it.value());
    if (!active_)
        return;
    salary.setSortFields(sortFields_);
    salary.open();
    if (salaryid_ <= 0 || !salary.locate(QStringLiteral("salaryid"), salaryid_))
        return;
    // The rate globals and the minimum gross are the current document's again.
    dm_.SalaryTaxItemsOpen();
    dm_.UpdateCalculatedMinNetSalaryGross();
    if (!linesActive_)
        return;
    dm_.SalaryItemsOpen();
    if (salaryitemid_ > 0)
        dm_.SalaryItemZQ->locate(QStringLiteral("salaryitemid"), salaryitemid_);
}
