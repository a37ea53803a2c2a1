#pragma once

#include <QStringList>

class TSalaryDM;
struct TSheet;

// Filling the open document from outside data instead of adding employees
// by hand. Both append lines to SalaryItemZQ (cached, applied with the
// document as any added line) and calculate them as the editor does.

// Only a stored, unposted document in browse state without lines (and
// without pending line changes) is filled.
bool SalaryImportAllowed(const TSalaryDM& dm);

// The month's hours of the time-attendance records, one line per employee
// with hours of the kind the document pays; employees already in the
// document are skipped. Returns the number of lines added. Throws
// EDatabaseError when the document may not be filled.
int ImportAttendanceLines(TSalaryDM& dm);

struct TSheetImport {
    int added = 0;
    QStringList unknown;  // "Kod - Ime" of the codes no employee has

    // The message naming the unknown codes; empty when there are none.
    QString UnknownMessage() const;
};

// Codes and net amounts of a sheet ("Kod", "Neto", optional "ZaIsplatu"
// and "Ime"): only a transport document ("P") takes lines, each with the
// net given and its amount for payment; a line whose amount for payment
// is not above 0 is removed again. Every row is checked before anything
// is added: missing columns give "Pogrešan format datoteke!", an amount
// that is no number names its row and column.
TSheetImport ImportSheetLines(TSalaryDM& dm, const TSheet& sheet);
