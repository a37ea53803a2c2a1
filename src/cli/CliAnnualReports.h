#pragma once

#include "CliCommands.h"

// zarade-cli ppp and m4: the annual PPP statement and the M4 return, built
// from the year's posted documents, shown, deleted and exported (their
// prints go through print ACTION YEAR, CliAnnualPrints).
int CommandPpp(CliContext& context);
int CommandM4(CliContext& context);
