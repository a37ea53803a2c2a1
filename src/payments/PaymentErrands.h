#pragma once

class IMessages;
class TSalaryDM;

// Which road the payment orders take: printed (the user names the paying
// account; orders of 0 stay in the set) or into e-banking files (the payer
// comes from the settings; only positive amounts, recipient accounts in
// their 18-digit form).
enum class TErrandsRoad { Print, EBank };

// Gives PaymentErrandsCDS and CreditsCDS their fields (once) and opens them.
void DefinePaymentErrandSets(TSalaryDM& dm);

// Builds the payment orders of the current, applied document into
// PaymentErrandsCDS, in this order: one for all taxes and contributions net
// of the month's earlier payments (when above 0; its reference number is
// asked for), one per employee account for the net, one per chamber fee and
// one per deduction recipient (the deductions gathered in CreditsCDS).
// Questions go through `messages`. False, with nothing built, when the user
// cancels the paying account.
bool PreparePaymentErrands(TSalaryDM& dm, IMessages& messages, TErrandsRoad road);
