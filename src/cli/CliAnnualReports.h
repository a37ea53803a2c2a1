#pragma once

#include "CliCommands.h"

// zarade-cli ppp and m4: the annual PPP statement and the M4 return, built
// from the year's posted documents, shown, deleted and exported; and the
// forms' prints of a year (print ACTION YEAR).
int CommandPpp(CliContext& context);
int CommandM4(CliContext& context);
// Whether `print` names a print of the annual forms.
bool IsAnnualPrintAction(const QString& action);
int PrintAnnualReport(CliContext& context, const QString& action, QStringList args, const QString& out);
