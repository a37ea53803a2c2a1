#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include <vector>

// The steps the calculation takes for one line, in order, each with its
// inputs, its rule in plain words and its result. The calculation's own
// functions write them when handed a recorder; a null recorder (the usual
// case) records nothing and costs a test of the pointer.

// What a step's result is, so that a reader (or a test) can add the steps up.
enum class TTraceKind {
    Note,                   // a choice or an intermediate value
    GrossItem,              // a part of the gross; together they make it
    Gross,
    EmployeeContribution,   // taken from the gross
    IncomeTax,              // taken from the gross
    AbsenceWithheld,        // absence pay the employee does not receive
    EmployerContribution,   // paid on top of the gross
    Net,
    DecreasedNet,
    Deduction,              // taken from the decreased net
    AmountForPayment,
};

struct TTraceStep {
    TTraceKind kind = TTraceKind::Note;
    QString title;  // what the step gives
    QString rule;   // how, in one line
    QList<QPair<QString, double>> inputs;
    double result = 0;
    bool valued = true;  // false: a choice, with no amount of its own
};

class TCalcTrace {
public:
    void add(TTraceKind kind, const QString& title, const QString& rule,
             const QList<QPair<QString, double>>& inputs, long double result) {
        steps_.push_back({kind, title, rule, inputs, double(result)});
    }
    // A choice without an amount of its own (the pay basis, a window).
    void note(const QString& title, const QString& rule, const QList<QPair<QString, double>>& inputs) {
        steps_.push_back({TTraceKind::Note, title, rule, inputs, 0, false});
    }
    const std::vector<TTraceStep>& steps() const { return steps_; }
    // The result of the last step of a kind, or 0.
    double last(TTraceKind kind) const;
    // The results of every step of a kind, added.
    double sum(TTraceKind kind) const;

private:
    std::vector<TTraceStep> steps_;
};

// Inputs and results are written as the lists print them: two decimals.
QString TraceAmount(double value);
// The kind as the command line names it ("grossitem", "net", ...).
QString TraceKindName(TTraceKind kind);
// The inputs of a step in one line: "name value; name value".
QString TraceInputsText(const TTraceStep& step);
