#pragma once

#include "CliCommands.h"

// zarade-cli pppd build|show|delete|export: the monthly PPP-PD return.
int CommandPppd(CliContext& context);
