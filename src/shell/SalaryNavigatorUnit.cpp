#include "SalaryNavigatorUnit.h"

#include "HostResourceStrings.h"
#include "Kconstutils.h"
#include "Messages.h"
#include "SalaryDM.h"
#include "SalaryShellResourceString.h"
#include "db/DbError.h"

#include <QPushButton>

namespace {

QStringList Numbers(int from, int to) {
    QStringList numbers;
    for (int n = from; n <= to; ++n)
        numbers << QString::number(n);
    return numbers;
}

}  // namespace

TSalaryNavigatorForm::TSalaryNavigatorForm(TSalaryDM& dm, IMessages& messages, QWidget* parent)
    : TCustomNavigatorForm(messages, parent), dm_(dm) {
    setObjectName(QStringLiteral("SalaryNavigatorForm"));
    SetSearchProps(SalarySearchProps());
}

QList<QPair<QString, QString>> TSalaryNavigatorForm::SearchKeys() const {
    QList<QPair<QString, QString>> keys;
    for (const TSearchProp& prop : SearchProps())
        keys.append({prop.key, SearchValue(prop.key)});
    return keys;
}

void TSalaryNavigatorForm::FindButtonClick() {
    TCustomNavigatorForm::FindButtonClick();
    if (!dm_.Connected())
        return;
    try {
        dm_.SalarySearch(SearchKeys());
    } catch (const EDatabaseError& error) {
        Messages().error(error.message());
    }
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

TSalaryNavigator::TSalaryNavigator(IConsole& console, TSalaryDM& dm) : TCustomNavigator(console), dm_(dm) {}

TSalaryNavigator::~TSalaryNavigator() { DestroyFrame(); }

TCustomNavigatorForm* TSalaryNavigator::InternalCreateFrame() {
    form_ = new TSalaryNavigatorForm(dm_, Console().Messages());
    return form_;
}

void TSalaryNavigator::InternalDestroyFrame() { delete form_.data(); }
