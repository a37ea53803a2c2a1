#pragma once

#include "CliCommands.h"

// zarade-cli import attendance ID | import sheet ID FILE: an empty document
// filled as the editor's two import actions fill it.
int CommandImport(CliContext& context);
// zarade-cli attendance import FILE.csv [--partial]: time-attendance records.
int CommandAttendance(CliContext& context);
// zarade-cli certificate CODE --from DATE --to DATE: the certificate of earnings.
int CommandCertificate(CliContext& context);
