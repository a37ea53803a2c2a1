#pragma once

#include "PersonnelModule.h"

#include <memory>

class Connection;
class IMessages;
class QWidget;

// What the host application needs of the personnel windows.

// Shows the register of employees modally over `parent`.
void OpenEmployeeRegister(QWidget* parent, Connection& connection, IMessages& messages);

// The personnel module with the dialog picker, for the host to register
// with its console under PersonnelModuleIID. The connection and the
// messages must outlive the module.
std::unique_ptr<TPersonnelModule> CreatePersonnelModule(QWidget* parent, Connection& connection, IMessages& messages);
