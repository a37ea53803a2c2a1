#pragma once

#include "CliCommands.h"

// zarade-cli orders ID --account ACC [--reference REF] [--credits] [--format json|csv]
//   the payment orders (or the deductions gathered for them) as rows;
// zarade-cli orders ID --account ACC [--reference REF] --text --out FILE
//   the text-mode lines as the printer gets them.
int CommandOrders(CliContext& context);
// zarade-cli ebank saga|halcom ID [--reference REF] [--dir DIR]: writes the
// e-banking files and prints their names.
int CommandEBank(CliContext& context);
