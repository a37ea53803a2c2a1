#pragma once

#include "RateItems.h"
#include "SalaryValues.h"

#include <QDate>
#include <QDateTime>
#include <QString>

class TSalaryDM;

// The treasury's monthly salary report ("Izvezi za trezor - MZ"): per
// employee the net of the month's final regular and sick-pay documents,
// split into its regular part, the years-of-service increase and the
// variable part, and the XML file the treasury takes.

// A line's decreased net (`paymentdecreasedvalue`) in three parts that add
// up to it exactly: the net of the years-of-service increase on the worked
// hours, the net of the compensations and other variable items, and the
// rest. A part's net is its gross less the employee-borne percentages of the
// line's rate set; the years of service are part of the regular pay and so
// share its net decrease when the line's net was decreased.
struct TTreasurySplit {
    double regularnet = 0;
    double workingyearsnet = 0;
    double varpart = 0;
};
TTreasurySplit TreasurySplit(const TDocumentValues& document, const TLineValues& line, const TRateItems& items);

// Fills ExportTreasuryCDS (defining its fields the first time) with one row
// per employee of the posted, final (part coefficient 100) regular and
// sick-pay documents of `year`/`month`, their amounts summed. Reads a fixed
// number of statements whatever the number of lines. The number of rows.
int LoadExportTreasury(TSalaryDM& dm, int year, int month);

// The XML text of the rows in ExportTreasuryCDS (no declaration, no line end).
QString GetExportTreasury(TSalaryDM& dm, const QString& name, const QString& code, const QString& uniqueNumber,
                          int year, int month, const QDate& today);

// "Zarade_" + the time + "_" + UniqueNumber + "_" + Code + "_" + year + "_" + two-digit month.
QString ExportTreasuryFileName(const QDateTime& now, const QString& uniqueNumber, const QString& code, int year,
                               int month);

// Writes the loaded rows to `path` as the treasury takes them, with the
// company data of the settings; refused when the budget user's number is
// missing. The number of rows written.
int WriteExportTreasury(TSalaryDM& dm, int year, int month, const QString& path);
