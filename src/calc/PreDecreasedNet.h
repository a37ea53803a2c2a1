#pragma once

#include "SalaryValues.h"

class TSalaryDM;

// The net of a line before and after the net decrease, in parts.
struct TPreDecreasedNet {
    long double regularNet = 0;     // net of the regular part of the gross, reduced
    long double otherNet = 0;       // the rest of the line's net
    long double workNet = 0;        // net of the worked hours' regular work, reduced
    long double workGross = 0;      // their gross, reduced
    long double pensionRelief = 0;  // tax the voluntary pension saves
};

// The same as CalculatePreDecreasedNetValueFromGrossValue for a line whose
// values are at hand (read with many others in one query): reads nothing
// but its document's rate set, which is kept once read.
TPreDecreasedNet PreDecreasedNetOfLine(TSalaryDM& dm, const TDocumentValues& document, const TLineValues& line,
                                       long double percent);
