#pragma once

#include "Kinterfaces.h"
#include "PersonnelModule.h"

#include <memory>

class Connection;
class IMessages;
class QWidget;

// What the host application needs of the personnel windows.

// Shows the register of employees modally over `parent`.
void OpenEmployeeRegister(QWidget* parent, Connection& connection, IMessages& messages);

// The personnel module as the console hands it out: register it under
// IID_IPersonnelModule; the payroll finds it with
// FindModule<IPersonnelModule>(console, IID_IPersonnelModule).
class TPersonnelConsoleModule : public IModule, public TPersonnelModule {
public:
    using TPersonnelModule::TPersonnelModule;
};

// The module with the dialog picker over `parent`. The connection (it need
// not be open yet) and the messages must outlive the module.
std::unique_ptr<TPersonnelConsoleModule> CreatePersonnelModule(QWidget* parent, Connection& connection,
                                                               IMessages& messages);
