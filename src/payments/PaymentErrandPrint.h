#pragma once

class IMessages;
class TReportEngine;
class TSalaryDM;

// SalaryPaymentErrandsEntire: the orders of the current, applied document
// (the paying account asked through `messages`) handed to the report
// engine with the payment date and the "PrintA4Errands" option. False when
// the user cancelled.
bool PrintPaymentErrands(TSalaryDM& dm, IMessages& messages, TReportEngine& engine);
