#include "CliAnnualReports.h"

#include "CliOutput.h"
#include "CliPayments.h"
#include "CliSession.h"
#include "ReportM4.h"
#include "ReportPPP.h"
#include "db/DbError.h"
#include "db/SqlQuery.h"

namespace {

int TakeYear(QStringList& args) {
    if (args.isEmpty())
        throw EDatabaseError(QStringLiteral("Treba navesti godinu."));
    return WholeNumber(args.takeFirst(), QStringLiteral("Godina"));
}

// What differs between the two reports on the command line.
struct AnnualCommand {
    std::function<void(TSalaryDM&, int)> open;
    std::function<int(TSalaryDM&, int)> build;
    std::function<int(Connection&, int)> remove;
    TSqlQuery* TSalaryDM::*rows;
};

int RunAnnual(CliContext& context, const AnnualCommand& command,
              const std::function<int(CliSession&, QStringList&, int)>& exportRows) {
    QStringList args = context.arguments;
    if (args.isEmpty())
        throw EDatabaseError(QStringLiteral("Treba navesti build, show, delete ili export."));
    const QString action = args.takeFirst();
    if (action == QLatin1String("show")) {
        const QString format = OutputFormat(TakeOption(args, QStringLiteral("--format")));
        const int year = TakeYear(args);
        RefuseLeftovers(args);
        CliSession session(context);
        command.open(session.dm(), year);
        WriteRows(*(session.dm().*command.rows), format, context.out);
        return 0;
    }
    if (action == QLatin1String("build") || action == QLatin1String("delete")) {
        const int year = TakeYear(args);
        RefuseLeftovers(args);
        CliSession session(context);
        context.out << (action == QLatin1String("build") ? command.build(session.dm(), year)
                                                         : command.remove(session.connection(), year))
                    << "\n";
        return 0;
    }
    if (action == QLatin1String("export")) {
        const QString out = TakeOption(args, QStringLiteral("--out"));
        if (out.isEmpty())
            throw EDatabaseError(QStringLiteral("Treba navesti datoteku: --out DATOTEKA."));
        CliSession session(context);
        QStringList rest = args;
        const int year = TakeYear(rest);
        command.open(session.dm(), year);
        const int count = exportRows(session, rest, year);
        context.out << out << " (" << count << ")\n";
        return 0;
    }
    throw EDatabaseError(
        QStringLiteral("Nepoznata radnja \"%1\": build, show, delete ili export.").arg(action));
}

QString TakeRequired(QStringList& args, const QString& option, const QString& what) {
    const QString value = TakeOption(args, option);
    if (value.isEmpty())
        throw EDatabaseError(QStringLiteral("Treba navesti %1: %2.").arg(what, option));
    return value;
}

}  // namespace

int CommandPpp(CliContext& context) {
    const AnnualCommand ppp{OpenReportPPP, BuildReportPPP, DeleteReportPPP,
                            &TSalaryDM::SalaryReportPPPZQ};
    QStringList args = context.arguments;
    const QString out = TakeOption(args, QStringLiteral("--out"));
    return RunAnnual(context, ppp, [&out](CliSession& session, QStringList& rest, int year) {
        RefuseLeftovers(rest);
        return ExportReportPPP(session.connection(), *session.dm().SalaryReportPPPZQ, year, out);
    });
}

int CommandM4(CliContext& context) {
    const AnnualCommand m4{OpenReportM4, BuildReportM4, DeleteReportM4,
                           &TSalaryDM::SalaryReportM4ZQ};
    QStringList args = context.arguments;
    const QString out = TakeOption(args, QStringLiteral("--out"));
    return RunAnnual(context, m4, [&out](CliSession& session, QStringList& rest, int) {
        TM4Export options;
        options.roll = TakeRequired(rest, QStringLiteral("--roll"), QStringLiteral("mikrofilmski broj rolne"));
        options.position = TakeRequired(rest, QStringLiteral("--position"), QStringLiteral("mikrofilmski broj pozicije"));
        options.registration =
            TakeRequired(rest, QStringLiteral("--regnumber"), QStringLiteral("registarski broj osiguranja"));
        RefuseLeftovers(rest);
        return ExportReportM4(session.connection(), *session.dm().SalaryReportM4ZQ, options, out);
    });
}
