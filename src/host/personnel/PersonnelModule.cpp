#include "PersonnelModule.h"

// The interfaces' type information lives here, once, so that a module found
// through the console casts to them in every library that asks.
IPersonnelModule::~IPersonnelModule() = default;
