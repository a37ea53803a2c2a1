#pragma once

#include "SalaryOptions.h"

#include <vector>

class TDataSet;

// How the editor's grid marks a line of a regular or sick-leave document:
// a line paid below the minimum for its hours is short (silver); a line whose
// deductions exceed its net is negative (light red, over the silver).
enum class TLineMark { None, Short, Negative };

// What the marking reads of the document.
struct TMinimumPayBasis {
    double minimumGross = 0;  // CalculatedMinNetSalaryGross
    double fundHours = 0;     // the document's workinghours
    double workingYearsPercent = 0;
    int nightCoef = 26;
    int holidayCoef = 110;
    TSalaryOptions options;
};

// The mark of the line at `row` of the line dataset (values as stored or being edited).
class TMinimumPayMarker {
public:
    explicit TMinimumPayMarker(const TDataSet& lines);
    TLineMark MarkOf(const TMinimumPayBasis& basis, int row) const;

private:
    const TDataSet& lines_;
    std::vector<int> columns_;
};
