#include "CliTreasury.h"

#include "CliOutput.h"
#include "CliPayments.h"
#include "CliSession.h"
#include "RegisterEmployee.h"
#include "SalaryDM.h"
#include "TreasuryExport.h"
#include "db/DbError.h"

namespace {

struct Period {
    int year = 0;
    int month = 0;
};

int wholeNumber(const QString& text, const QString& name) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        throw EDatabaseError(QStringLiteral("%1 mora biti ceo broj, a ne \"%2\".").arg(name, text));
    return value;
}

// "--year Y --month M", both required.
Period TakePeriod(QStringList& args) {
    const QString year = TakeOption(args, QStringLiteral("--year"));
    const QString month = TakeOption(args, QStringLiteral("--month"));
    if (year.isEmpty() || month.isEmpty())
        throw EDatabaseError(QStringLiteral("Treba navesti --year GODINA --month MESEC."));
    return {wholeNumber(year, QStringLiteral("Godina")), wholeNumber(month, QStringLiteral("Mesec"))};
}

QString TakeOut(QStringList& args) {
    const QString out = TakeOption(args, QStringLiteral("--out"));
    if (out.isEmpty())
        throw EDatabaseError(QStringLiteral("Treba navesti datoteku: --out DATOTEKA."));
    return out;
}

QString takeAction(QStringList& args, const QString& actions) {
    if (args.isEmpty())
        throw EDatabaseError(QStringLiteral("Treba navesti %1.").arg(actions));
    return args.takeFirst();
}

}  // namespace

int CommandTreasury(CliContext& context) {
    QStringList args = context.arguments;
    const QString action = takeAction(args, QStringLiteral("show ili export"));
    if (action == QLatin1String("show")) {
        const QString format = OutputFormat(TakeOption(args, QStringLiteral("--format")));
        const Period period = TakePeriod(args);
        RefuseLeftovers(args);
        CliSession session(context);
        LoadExportTreasury(session.dm(), period.year, period.month);
        WriteRows(*session.dm().ExportTreasuryCDS, format, context.out);
        return 0;
    }
    if (action == QLatin1String("export")) {
        const QString out = TakeOut(args);
        const Period period = TakePeriod(args);
        RefuseLeftovers(args);
        CliSession session(context);
        LoadExportTreasury(session.dm(), period.year, period.month);
        const int count = WriteExportTreasury(session.dm(), period.year, period.month, out);
        context.out << out << " (" << count << ")\n";
        return 0;
    }
    throw EDatabaseError(QStringLiteral("Nepoznata radnja \"%1\": show ili export.").arg(action));
}

int CommandRegister(CliContext& context) {
    QStringList args = context.arguments;
    const QString action = takeAction(args, QStringLiteral("build, show, delete ili export"));
    if (action == QLatin1String("show")) {
        const QString format = OutputFormat(TakeOption(args, QStringLiteral("--format")));
        const Period period = TakePeriod(args);
        RefuseLeftovers(args);
        CliSession session(context);
        OpenReportRegisterEmployee(session.dm(), period.year, period.month);
        WriteRows(*session.dm().SalaryReportRegisterEmployeeZQ, format, context.out);
        return 0;
    }
    if (action == QLatin1String("build") || action == QLatin1String("delete")) {
        const Period period = TakePeriod(args);
        RefuseLeftovers(args);
        CliSession session(context);
        const int count = action == QLatin1String("build")
            ? BuildReportRegisterEmployee(session.connection(), period.year, period.month)
            : DeleteReportRegisterEmployee(session.connection(), period.year, period.month);
        context.out << count << "\n";
        return 0;
    }
    if (action == QLatin1String("export")) {
        const QString out = TakeOut(args);
        const Period period = TakePeriod(args);
        RefuseLeftovers(args);
        CliSession session(context);
        OpenReportRegisterEmployee(session.dm(), period.year, period.month);
        const int count = WriteReportRegisterEmployee(session.dm(), period.year, period.month, out);
        context.out << out << " (" << count << ")\n";
        return 0;
    }
    throw EDatabaseError(QStringLiteral("Nepoznata radnja \"%1\": build, show, delete ili export.").arg(action));
}
