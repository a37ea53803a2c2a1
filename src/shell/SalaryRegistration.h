#pragma once

#include "Kinterfaces.h"

#include <QtGlobal>

class TSalaryPackage;

// The entry points of the payroll module library. The host resolves them by
// name after loading the library: Initialize, then GetSnapinFactory; and
// Finalize before unloading it.
extern "C" {
Q_DECL_EXPORT void Initialize();
Q_DECL_EXPORT void Finalize();
// The factory of the module's snap-in; nullptr before Initialize.
Q_DECL_EXPORT ISnapinFactory* GetSnapinFactory();
}

// The loaded module's state, for code of the module itself; nullptr outside
// Initialize..Finalize.
TSalaryPackage* SalaryPackage();
