#pragma once

#include "CliCommands.h"

// zarade-cli demo: fills an empty database with the demo company.
int CommandDemo(CliContext& context);
// zarade-cli demo-month: the month's payroll of the demo company without a
// window; for now it shows what the database holds.
int CommandDemoMonth(CliContext& context);
