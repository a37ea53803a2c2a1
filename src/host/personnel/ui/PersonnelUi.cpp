#include "PersonnelUi.h"

#include "EmployeePickerDialog.h"
#include "EmployeeRegister.h"
#include "EmployeeRegisterWindow.h"
#include "ReportedAction.h"

#include <string_view>

static_assert(std::string_view(PersonnelModuleIID) == std::string_view(IID_IPersonnelModule),
              "the personnel module must be registered under the identifier the payroll asks for");

void OpenEmployeeRegister(QWidget* parent, Connection& connection, IMessages& messages) {
    EmployeeRegister employees(connection, messages);
    if (!RunReported(messages, [&employees] { employees.Open(); }))
        return;
    EmployeeRegisterWindow window(employees, messages, parent);
    window.exec();
}

std::unique_ptr<TPersonnelConsoleModule> CreatePersonnelModule(QWidget* parent, Connection& connection,
                                                               IMessages& messages) {
    return std::make_unique<TPersonnelConsoleModule>(
        std::make_unique<WidgetEmployeePicker>(parent, connection, messages));
}
