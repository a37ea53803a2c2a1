#include "SalaryDifferenceUnit.h"

#include "EditorResourceStrings.h"
#include "SalaryDM.h"

TSalaryDifferenceForm::TSalaryDifferenceForm(TSalaryDM& dm, IMessages& messages, qint64 salaryItemId,
                                             QWidget* parent)
    : TSalaryLineRowsForm(dm, messages, *dm.SalaryItemDifferenceZQ, GridColumns(),
                          QString::fromUtf8(_SAL_DIFFERENCE_CAPTION), salaryItemId, &TSalaryDM::DifferenceApply,
                          parent) {
    setObjectName(QStringLiteral("SalaryDifferenceForm"));
}

QStringList TSalaryDifferenceForm::GridColumns() {
    return {QStringLiteral("differencename"), QStringLiteral("differenceperc"), QStringLiteral("differencevalue")};
}

void DifferenceShow(TSalaryDM& dm, IMessages& messages, qint64 SalaryItemID, QWidget* owner) {
    dm.DifferencesOpen(SalaryItemID);
    TSalaryDifferenceForm form(dm, messages, SalaryItemID, owner);
    form.exec();
}
