#pragma once

#include "PaymentListTables.h"
#include "ReportTable.h"

#include <vector>

class TDataSet;

// Per row of the recapitulation a block "label ... amount" of its money lines
// in field order (the count of employees as a whole number, then the hour
// sums), headed by the row's unit when grouped.
TTable RecapitulationTable(const TDataSet* recapitulation, TUnitGrouping grouping);
// The chambers' fees: name, rate, account, model, reference, amount; per
// unit with subtotals when grouped, and a total.
TTable ChambersTable(const TDataSet* chambers, TUnitGrouping grouping);
// The statistical form: its measures as rows over the total and the three
// categories of employees.
TTable ZipFormTable(const TDataSet* zipForm);
