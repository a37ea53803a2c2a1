#include "SalaryTransportDetailUnit.h"

#include "EditorResourceStrings.h"

TSalaryTransportDetailForm::TSalaryTransportDetailForm(TSalaryDM& dm, IConsole& console, QWidget* parent)
    : TSalaryDetailForm(dm, console, TransportVariant(), parent) {
    setObjectName(QStringLiteral("SalaryTransportDetailForm"));
}

TSalaryDetailVariant TSalaryTransportDetailForm::TransportVariant() {
    TSalaryDetailVariant v;
    v.caption = _SAL_TRANSPORT_DETAIL_CAPTION;
    v.columns = {QStringLiteral("code"),         QStringLiteral("lastname"),    QStringLiteral("firstname"),
                 QStringLiteral("workinghours"), QStringLiteral("salaryvalue"), QStringLiteral("paymentvalue"),
                 QStringLiteral("paymentnetvalue")};
    v.readOnlyColumns = {QStringLiteral("code"), QStringLiteral("lastname"), QStringLiteral("firstname"),
                         QStringLiteral("salaryvalue")};
    // Transport is taxed at the document's own rate; no allowances, no net decrease.
    v.hiddenHeader = {QStringLiteral("voluntarypensiontaxfreevalue"), QStringLiteral("netdecreasepercent"),
                      QStringLiteral("netdecreaseminvalue"), QStringLiteral("mealrefund"),
                      QStringLiteral("vacationrefund")};
    v.shownHeader = {QStringLiteral("taxpercent"), QStringLiteral("taxfreevalue")};
    v.doubleClickOpensEmployee = false;
    v.importButton = true;
    return v;
}
