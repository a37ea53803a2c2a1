#include "TraceSet.h"

#include "CalcTrace.h"
#include "db/DataSet.h"
#include "db/MemoryColumn.h"

void FillTraceSet(const TCalcTrace& trace, TDataSet& steps) {
    if (steps.fieldCount() == 0) {
        const auto add = [&steps](const char* name, ColumnType type, int size, const char* label) {
            steps.addField(MemoryColumn(name, type, size, label));
        };
        add("step", ColumnType::Integer, 0, "Korak");
        add("title", ColumnType::String, 80, "Stavka");
        add("inputs", ColumnType::String, 250, "Ulazi");
        add("rule", ColumnType::String, 200, "Pravilo");
        add("result", ColumnType::Float, 0, "Rezultat");
    }
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
