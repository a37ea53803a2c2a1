#pragma once

#include "CliCommands.h"

// zarade-cli ppppo build|show|delete YEAR, add YEAR CODE, set ROWID
// field=value ...: the annual PPP-PO rows, edited through their dataset as
// the form edits them.
int CommandPppPo(CliContext& context);
