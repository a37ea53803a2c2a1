#pragma once

#include "CliCommands.h"

// zarade-cli options [set KEY=VALUE ...] and settings set|show: the module's
// options and the settings store (company data, export settings).
int CommandOptions(CliContext& context);
int CommandSettings(CliContext& context);
