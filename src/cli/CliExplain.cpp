#include "CliExplain.h"

#include "CliCommands.h"
#include "CliOutput.h"
#include "CliSession.h"
#include "DocumentComparison.h"
#include "LineTrace.h"
#include "db/DataSet.h"
#include "db/DbError.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

void writeText(const TCalcTrace& trace, QTextStream& out) {
    int number = 0;
    for (const TTraceStep& step : trace.steps()) {
        out << QStringLiteral("%1. %2 %3  %4").arg(++number, 3).arg(step.title, -46).arg(step.valued ? TraceAmount(step.result) : QString(), 16).arg(step.rule);
        const QString inputs = TraceInputsText(step);
        if (!inputs.isEmpty())
            out << " [" << inputs << "]";
        out << "\n";
    }
}

QJsonArray jsonSteps(const TCalcTrace& trace) {
    QJsonArray steps;
    int number = 0;
    for (const TTraceStep& step : trace.steps()) {
        QJsonObject inputs;
        for (const auto& [name, value] : step.inputs)
            inputs.insert(name, value);
        steps.append(QJsonObject{{QStringLiteral("step"), ++number},
                                 {QStringLiteral("kind"), TraceKindName(step.kind)},
                                 {QStringLiteral("title"), step.title},
                                 {QStringLiteral("rule"), step.rule},
                                 {QStringLiteral("inputs"), inputs},
                                 {QStringLiteral("result"), step.valued ? QJsonValue(TraceAmount(step.result).toDouble())
                                                                        : QJsonValue()}});
    }
    return steps;
}

}  // namespace

int LineExplain(CliSession& session, const CliContext& context, QStringList args) {
    const QString format = TakeOption(args, QStringLiteral("--format"));
    if (!format.isEmpty() && format != QLatin1String("text") && format != QLatin1String("json"))
        throw EDatabaseError(QStringLiteral("Format mora biti text ili json (--format)."));
    const TCalcTrace trace = ExplainLine(session.dm());
    if (format == QLatin1String("json"))
        context.out << QJsonDocument(jsonSteps(trace)).toJson(QJsonDocument::Indented);
    else
        writeText(trace, context.out);
    return 0;
}

int DocumentCompare(CliSession& session, const CliContext& context, qint64 id, QStringList args) {
    const QString with = TakeOption(args, QStringLiteral("--with"));
    const QString format = OutputFormat(TakeOption(args, QStringLiteral("--format")));
    TSalaryDM& dm = session.dm();
    const qint64 previous = with.isEmpty() ? PreviousPostedDocument(*dm.ZConnection(), id) : DocumentId(with);
    if (previous == 0)
        throw EDatabaseError(QStringLiteral("Nema ranije proknjižene zarade istog tipa; navedite je sa --with."));
    TDataSet rows(QStringLiteral("ComparisonCDS"));
    FillDocumentComparison(dm, id, previous, rows);
    if (format == QLatin1String("csv")) {
        WriteCsv(rows, context.out);
        return 0;
    }
    QJsonObject result{{QStringLiteral("salaryid"), id}, {QStringLiteral("previoussalaryid"), previous},
                       {QStringLiteral("lines"), JsonRows(rows)}};
    context.out << QJsonDocument(result).toJson(QJsonDocument::Indented);
    return 0;
}
