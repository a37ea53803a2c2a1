#include "PersonnelUi.h"

#include "EmployeePickerDialog.h"
#include "EmployeeRegister.h"
#include "EmployeeRegisterWindow.h"
#include "Messages.h"
#include "db/DbError.h"

void OpenEmployeeRegister(QWidget* parent, Connection& connection, IMessages& messages) {
    EmployeeRegister employees(connection, messages);
    try {
        employees.Open();
    } catch (const EDatabaseError& error) {
        messages.error(error.message());
        return;
    }
    EmployeeRegisterWindow window(employees, messages, parent);
    window.exec();
}

std::unique_ptr<TPersonnelModule> CreatePersonnelModule(QWidget* parent, Connection& connection, IMessages& messages) {
    return std::make_unique<TPersonnelModule>(std::make_unique<WidgetEmployeePicker>(parent, connection, messages));
}
