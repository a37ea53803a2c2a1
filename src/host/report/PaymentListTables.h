#pragma once

#include "ReportTable.h"

class TDataSet;

// The lists of a payment list's rows (PaymentListsItemCDS), as tables.

enum class TUnitGrouping { None, OrgUnit, SubOrgUnit };

// Code, name, hours, regular work, gross, contributions, tax, net,
// deductions, for payment; per unit with subtotals when grouped.
TTable SalaryListTable(const TDataSet* rows, TUnitGrouping grouping = TUnitGrouping::None);
// The salary list with the supplements and leave pay somebody earned.
TTable ExtendedSalaryListTable(const TDataSet* rows);
// Hours by kind over what they earned.
TTable EvidenceTable(const TDataSet* rows);
// Code, name, account, net, for payment.
TTable TransportListTable(const TDataSet* rows);
// Code, name, bank, account and the amount paid now, ordered by account.
TTable ForPaymentTable(const TDataSet* rows);
