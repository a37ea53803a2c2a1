#pragma once

class TCalcTrace;
class TDataSet;

// A line's trace as rows (step, title, inputs, rule, result) for a grid;
// the fields are added on first use.
void FillTraceSet(const TCalcTrace& trace, TDataSet& steps);
