#include "SalaryNavigatorUnit.h"

#include "HostResourceStrings.h"
#include "Kconstutils.h"
#include "SalaryShellResourceString.h"

#include <QPushButton>

namespace {

QStringList Numbers(int from, int to) {
    QStringList numbers;
    for (int n = from; n <= to; ++n)
        numbers << QString::number(n);
    return numbers;
}

}  // namespace

TSalaryNavigatorForm::TSalaryNavigatorForm(IMessages& messages, QWidget* parent)
    : TCustomNavigatorForm(messages, parent) {
    setObjectName(QStringLiteral("SalaryNavigatorForm"));
    SetSearchProps(SalarySearchProps());
    // The search itself comes with the list's next version.
    FindButton->setEnabled(false);
    FindButton->setToolTip(QString::fromUtf8(_SAL_NOT_AVAILABLE_YET));
}

TSalaryNavigatorForm::~TSalaryNavigatorForm() = default;

QList<TSearchProp> TSalaryNavigatorForm::SalarySearchProps() {
    const auto text = [](const char* caption) { return QString::fromUtf8(caption); };
    QStringList types;
    FillSalaryCaptions(types);
    return {
        {QStringLiteral("salarytype"), text(_SAL_TYPE), TSearchInput::PickList, types},
        {QStringLiteral("year"), text(_SAL_YEAR), TSearchInput::PickList, Numbers(2009, 2059)},
        {QStringLiteral("month"), text(_SAL_MONTH), TSearchInput::PickList, Numbers(1, 12)},
        {QStringLiteral("datefrom"), text(_SAL_DATEFROM), TSearchInput::Date},
        {QStringLiteral("dateto"), text(_SAL_DATETO), TSearchInput::Date},
        {QStringLiteral("status"), text(_SAL_STATUS), TSearchInput::PickList,
         {text(_DOC_REG_STATUS_CAPTION), text(_DOC_NOT_REG_STATUS_CAPTION)}},
        {QStringLiteral("employeefirstname"), text(_SAL_EMPLOYEE_FNAME), TSearchInput::Text},
        {QStringLiteral("employeelastname"), text(_SAL_EMPLOYEE_LNAME), TSearchInput::Text},
    };
}

TSalaryNavigator::TSalaryNavigator(IConsole& console) : TCustomNavigator(console) {}

TSalaryNavigator::~TSalaryNavigator() { DestroyFrame(); }

TCustomNavigatorForm* TSalaryNavigator::InternalCreateFrame() {
    form_ = new TSalaryNavigatorForm(Console().Messages());
    return form_;
}

void TSalaryNavigator::InternalDestroyFrame() { delete form_.data(); }
