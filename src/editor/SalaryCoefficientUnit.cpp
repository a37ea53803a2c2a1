#include "SalaryCoefficientUnit.h"

#include "EditorResourceStrings.h"
#include "SalaryDM.h"

TSalaryCoefficientForm::TSalaryCoefficientForm(TSalaryDM& dm, IMessages& messages, qint64 salaryItemId,
                                               QWidget* parent)
    : TSalaryLineRowsForm(dm, messages, *dm.SalaryItemCoefficientZQ, GridColumns(),
                          QString::fromUtf8(_SAL_COEFFICIENT_CAPTION), salaryItemId, &TSalaryDM::CoefficientApply,
                          parent) {
    setObjectName(QStringLiteral("SalaryCoefficientForm"));
}

QStringList TSalaryCoefficientForm::GridColumns() {
    return {QStringLiteral("coefficient"),         QStringLiteral("workinghours"),
            QStringLiteral("nightworkinghours"),   QStringLiteral("overtimehours"),
            QStringLiteral("holidayworkinghours"), QStringLiteral("nightholidayworkinghours")};
}

void CoefficientShow(TSalaryDM& dm, IMessages& messages, qint64 SalaryItemID, QWidget* owner) {
    dm.CoefficientsOpen(SalaryItemID);
    TSalaryCoefficientForm form(dm, messages, SalaryItemID, owner);
    form.exec();
}
