#include "ScriptedEmployeePicker.h"

#include "EmployeeRegister.h"
#include "ScriptedMessages.h"

#include <algorithm>
#include <stdexcept>

bool ScriptedEmployeePicker::PickEmployees(TEmployeeDescArr& chosen, const EmployeePickerOptions& options) {
    chosen.clear();
    asked.push_back(options);
    if (answers_.empty())
        throw std::logic_error("the employee picker was opened without a prepared answer");
    const std::optional<QStringList> answer = answers_.front();
    answers_.pop_front();
    if (!answer)
        return false;
    if (!options.multiSelect && answer->size() > 1)
        throw std::logic_error("several employees chosen in a single-choice picker");

    ScriptedMessages messages;
    EmployeeRegister employees(connection_, messages);
    employees.EmployeeZQ->open();
    std::vector<int> rows;
    for (const QString& code : *answer) {
        if (!employees.LocateCode(code) || !employees.RowMatches(employees.EmployeeZQ->currentIndex(), {}, options.activeOnly))
            throw std::logic_error(QStringLiteral("employee \"%1\" is not offered by the picker").arg(code).toStdString());
        rows.push_back(employees.EmployeeZQ->currentIndex());
    }
    // The dialog hands the choice back in the order of its list.
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (const int row : rows)
        chosen.push_back(employees.Descriptor(row));
    return !chosen.empty();
}
