#pragma once

#include <QList>
#include <QString>

class TReportEngine;
class TSalaryDM;

// A print of one salary document: the action's name, its menu caption and
// whether it belongs to the "Ostalo" submenu.
struct TPaymentPrint {
    QString action;
    QString caption;
    bool other = false;
};

// Every print of a salary document, in menu order (the spreadsheet of the
// recapitulation included, under "Izvezi u Excel").
const QList<TPaymentPrint>& PaymentPrints();
bool IsPaymentPrint(const QString& action);

// Whether the action prints something for the current document: the
// recapitulation without the decrease needs one, and each document type has
// its own pay slips.
bool PaymentPrintApplies(const TSalaryDM& dm, const QString& action);

// Prepares the action's data from the current, applied document and hands it
// to the engine (which previews or writes a PDF). The spreadsheet action is
// not a report: see WriteRecapitulationSheet. Throws EDatabaseError for an
// unknown action.
void RunPaymentPrint(TSalaryDM& dm, const QString& action, TReportEngine& engine);

// The name the recapitulation's spreadsheet is offered under:
// "Rekapitulacija-<month>-<year>".
QString RecapitulationSheetName(const TSalaryDM& dm);
// Prepares the recapitulation (all rows, decreased) and writes it to an
// .xlsx file: the labels of its money lines in row 0, their values in
// row 1, the hour sums in row 2.
void WriteRecapitulationSheet(TSalaryDM& dm, const QString& fileName);
