#include "SalarySickDetailUnit.h"

#include "EditorResourceStrings.h"

TSalarySickDetailForm::TSalarySickDetailForm(TSalaryDM& dm, IConsole& console, QWidget* parent)
    : TSalaryDetailForm(dm, console, SickVariant(), parent) {
    setObjectName(QStringLiteral("SalarySickDetailForm"));
}

TSalaryDetailVariant TSalarySickDetailForm::SickVariant() {
    const auto list = [](std::initializer_list<const char*> names) {
        QStringList result;
        for (const char* name : names)
            result << QLatin1String(name);
        return result;
    };
    TSalaryDetailVariant v;
    v.caption = _SAL_SICK_DETAIL_CAPTION;
    v.columns = list({"code", "lastname", "firstname", "longsickhours", "maternityleavehours", "childcareleavehours",
                      "sickpercent", "coefficient", "netcoefficient", "longsickvalue", "maternityleavevalue",
                      "childcareleavevalue", "difference", "mealrefund", "vacationrefund", "salaryvalue",
                      "voluntarypension", "paymentvalue", "credits", "paymentnetvalue"});
    v.readOnlyColumns = list({"code", "lastname", "firstname", "coefficient", "netcoefficient", "salaryvalue",
                              "credits", "paymentnetvalue"});
    // Sick pay takes no net decrease.
    v.hiddenHeader = list({"netdecreasepercent", "netdecreaseminvalue"});
    return v;
}
