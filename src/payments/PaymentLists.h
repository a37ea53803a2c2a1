#pragma once

class TSalaryDM;

// Fills PaymentListsItemCDS and its deduction, difference and coefficient
// rows from the current document (SalaryZQ) and its lines (SalaryItemZQ),
// which must be applied: every line in document order, or only the current
// line when `count` is above 0. `decreased` takes the net amounts with the
// document's statutory net decrease, otherwise before it. The document's
// own rate set is used, whatever document was opened last; everything is
// read in a fixed number of statements.
void PreparePaymentLists(TSalaryDM& dm, bool decreased, int count);
