#include "TraceSet.h"

#include "CalcTrace.h"
#include "db/DataSet.h"
#include "db/MemoryColumn.h"

void FillTraceSet(const TCalcTrace& trace, TDataSet& steps) {
    using T = ColumnType;
    DefineMemoryColumns(steps, {MemoryColumn("step", T::Integer, 0, "Korak"), MemoryColumn("title", T::String, 80, "Stavka"),
                                MemoryColumn("inputs", T::String, 250, "Ulazi"),
                                MemoryColumn("rule", T::String, 200, "Pravilo"),
                                MemoryColumn("result", T::Float, 0, "Rezultat")});
    if (!steps.active())
        steps.open();
    steps.disableControls();
    steps.emptyDataSet();
    int number = 0;
    for (const TTraceStep& step : trace.steps()) {
        steps.append();
        steps.fieldByName(QStringLiteral("step"))->setAsInteger(++number);
        steps.fieldByName(QStringLiteral("title"))->setAsString(step.title);
        steps.fieldByName(QStringLiteral("inputs"))->setAsString(TraceInputsText(step));
        steps.fieldByName(QStringLiteral("rule"))->setAsString(step.rule);
        if (step.valued)
            steps.fieldByName(QStringLiteral("result"))->setAsFloat(step.result);
        steps.post();
    }
    steps.enableControls();
    steps.first();
}
