#pragma once

#include "CliCommands.h"

// zarade-cli document ... and line ...: scripted editing of salary documents.
int CommandDocument(CliContext& context);
int CommandLine(CliContext& context);
