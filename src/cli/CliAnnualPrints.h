#pragma once

#include "CliCommands.h"

// The prints of the annual reports, by the name of their action: they take
// a year where the monthly prints take a document.
bool IsAnnualPrint(const QString& action);
// Prints the year (the first of `args`) to the PDF file `out`.
int PrintAnnual(CliContext& context, const QString& action, QStringList args, const QString& out);
