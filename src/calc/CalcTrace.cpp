#include "CalcTrace.h"

#include <QLocale>
#include <QStringList>

double TCalcTrace::last(TTraceKind kind) const {
    for (auto it = steps_.rbegin(); it != steps_.rend(); ++it)
        if (it->kind == kind)
            return it->result;
    return 0;
}

double TCalcTrace::sum(TTraceKind kind) const {
    long double total = 0;
    for (const TTraceStep& step : steps_)
        if (step.kind == kind)
            total += step.result;
    return double(total);
}

QString TraceAmount(double value) { return QLocale::c().toString(value, 'f', 2); }

QString TraceKindName(TTraceKind kind) {
    switch (kind) {
    case TTraceKind::Note: return QStringLiteral("note");
    case TTraceKind::GrossItem: return QStringLiteral("grossitem");
    case TTraceKind::Gross: return QStringLiteral("gross");
    case TTraceKind::EmployeeContribution: return QStringLiteral("employeecontribution");
    case TTraceKind::IncomeTax: return QStringLiteral("incometax");
    case TTraceKind::AbsenceWithheld: return QStringLiteral("absencewithheld");
    case TTraceKind::EmployerContribution: return QStringLiteral("employercontribution");
    case TTraceKind::Net: return QStringLiteral("net");
    case TTraceKind::DecreasedNet: return QStringLiteral("decreasednet");
    case TTraceKind::Deduction: return QStringLiteral("deduction");
    case TTraceKind::AmountForPayment: return QStringLiteral("amountforpayment");
    }
    return {};
}

QString TraceInputsText(const TTraceStep& step) {
    QStringList parts;
    for (const auto& [name, value] : step.inputs)
        parts << name + QLatin1Char(' ') + QLocale::c().toString(value, 'g', 12);
    return parts.join(QStringLiteral("; "));
}
