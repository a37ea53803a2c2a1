#pragma once

class TDataSet;

// The fields of CreditsCDS, the deductions of a document gathered by
// recipient: the deduction prints and the payment orders fill the same
// shape. Adds them once and opens the dataset.
void DefineCreditsSet(TDataSet& credits);
