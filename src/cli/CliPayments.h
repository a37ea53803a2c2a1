#pragma once

#include "CliCommands.h"

class CliSession;

// Opens the document whose key is the first argument (taken out of `args`),
// as the editor opens it; its key.
qint64 OpenNamedDocument(CliSession& session, QStringList& args);
// Refuses arguments that no option took.
void RefuseLeftovers(const QStringList& args);

// zarade-cli payment-lists, recapitulation, chambers, zipform and print:
// what a salary document prints, as rows keyed by their column names or as
// the printed file.
int CommandPaymentLists(CliContext& context);
int CommandRecapitulation(CliContext& context);
int CommandChambers(CliContext& context);
int CommandZipForm(CliContext& context);
int CommandPrint(CliContext& context);
// zarade-cli payslips ID --dir DIR: one PDF pay slip per employee.
int CommandPaySlips(CliContext& context);
