#include "SalaryEditorOpen.h"

#include "SalaryDM.h"
#include "SalarySickDetailUnit.h"
#include "SalaryTransportDetailUnit.h"

#include <memory>

qint64 SalaryDocumentEdit(TSalaryDM& dm, IConsole& console, const std::function<void(QWidget*)>& showTaxRates,
                          QWidget* owner) {
    const QString type = dm.SalaryZQ->fieldByName(QStringLiteral("salarytype"))->asString();
    std::unique_ptr<TSalaryDetailForm> form;
    if (type == QLatin1String("B"))
        form = std::make_unique<TSalarySickDetailForm>(dm, console, owner);
    else if (type == QLatin1String("P"))
        form = std::make_unique<TSalaryTransportDetailForm>(dm, console, owner);
    else
        form = std::make_unique<TSalaryDetailForm>(dm, console, owner);
    form->ShowTaxRates = showTaxRates;
    form->UpdateActions();
    form->exec();
    return form->CopiedSalaryID();
}
