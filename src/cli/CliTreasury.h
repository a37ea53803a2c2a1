#pragma once

#include "CliCommands.h"

// zarade-cli treasury show|export: the treasury's monthly salary report.
int CommandTreasury(CliContext& context);
// zarade-cli register build|show|delete|export: the register of employees for the treasury.
int CommandRegister(CliContext& context);
