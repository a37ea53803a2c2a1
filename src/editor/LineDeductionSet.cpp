#include "LineDeductionSet.h"

#include "CreditRatesUnit.h"
#include "EditorResourceStrings.h"
#include "Messages.h"
#include "SalaryDM.h"

bool ChooseLineDeductionSet(TSalaryDM& dm, IMessages& messages, QWidget* owner) {
    TDataSet& lines = *dm.SalaryItemZQ;
    if (!lines.active() || lines.isEmpty())
        return false;
    const qint64 current = lines.fieldByName(QStringLiteral("salarycreditid"))->asLargeInt();
    const int choice = current == 0 ? ChangeOption::Change
                                    : messages.changeOptions(QString::fromUtf8(_SAL_CHANGE_CREDITS_QUESTION));
    if (choice == ChangeOption::Remove) {
        dm.RemoveLineDeductionSet();
        return true;
    }
    if (choice != ChangeOption::Change)
        return false;
    qint64 chosen = current;
    const qint64 employee = lines.fieldByName(QStringLiteral("employeeid"))->asLargeInt();
    if (!GetCreditRates(dm, messages, chosen, employee, owner) || chosen <= 0)
        return false;
    dm.AssignLineDeductionSet(chosen);
    return true;
}
