#pragma once

#include "CliCommands.h"

// zarade-cli employees import FILE [--all-or-nothing] | export FILE
// The personnel register's CSV exchange without a window. An import with a
// rejected row ends with exit code 1 and every rejected row on stderr.
int CommandEmployees(CliContext& context);
