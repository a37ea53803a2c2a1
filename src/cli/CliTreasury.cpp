#include "CliTreasury.h"

#include "CliOutput.h"
#include "CliPayments.h"
#include "CliSession.h"
#include "RegisterEmployee.h"
#include "SalaryDM.h"
#include "TreasuryExport.h"
#include "db/DbError.h"

#include <functional>

namespace {

struct Period {
    int year = 0;
    int month = 0;
};

// "--year Y --month M", both required.
Period TakePeriod(QStringList& args) {
    const QString year = TakeOption(args, QStringLiteral("--year"));
    const QString month = TakeOption(args, QStringLiteral("--month"));
    if (year.isEmpty() || month.isEmpty())
        throw EDatabaseError(QStringLiteral("Treba navesti --year GODINA --month MESEC."));
    return {WholeNumber(year, QStringLiteral("Godina")), WholeNumber(month, QStringLiteral("Mesec"))};
}

// "show --year Y --month M [--format json|csv]": the rows `load` reads into `rows`.
int showRows(CliContext& context, QStringList& args,
             const std::function<const TDataSet&(TSalaryDM&, Period)>& load) {
    const QString format = OutputFormat(TakeOption(args, QStringLiteral("--format")));
    const Period period = TakePeriod(args);
    RefuseLeftovers(args);
    CliSession session(context);
    WriteRows(load(session.dm(), period), format, context.out);
    return 0;
}

// "export --year Y --month M --out FILE": the rows read by `load` written by `write`.
int exportFile(CliContext& context, QStringList& args, const std::function<void(TSalaryDM&, Period)>& load,
               const std::function<int(TSalaryDM&, Period, const QString&)>& write) {
    const QString out = TakeOption(args, QStringLiteral("--out"));
    if (out.isEmpty())
        throw EDatabaseError(QStringLiteral("Treba navesti datoteku: --out DATOTEKA."));
    const Period period = TakePeriod(args);
    RefuseLeftovers(args);
    CliSession session(context);
    load(session.dm(), period);
    const int count = write(session.dm(), period, out);
    context.out << out << " (" << count << ")\n";
    return 0;
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
    if (action == QLatin1String("show"))
        return showRows(context, args, [](TSalaryDM& dm, Period p) -> const TDataSet& {
            LoadExportTreasury(dm, p.year, p.month);
            return *dm.ExportTreasuryCDS;
        });
    if (action == QLatin1String("export"))
        return exportFile(
            context, args, [](TSalaryDM& dm, Period p) { LoadExportTreasury(dm, p.year, p.month); },
            [](TSalaryDM& dm, Period p, const QString& out) { return WriteExportTreasury(dm, p.year, p.month, out); });
    throw EDatabaseError(QStringLiteral("Nepoznata radnja \"%1\": show ili export.").arg(action));
}

int CommandRegister(CliContext& context) {
    QStringList args = context.arguments;
    const QString action = takeAction(args, QStringLiteral("build, show, delete ili export"));
    if (action == QLatin1String("show"))
        return showRows(context, args, [](TSalaryDM& dm, Period p) -> const TDataSet& {
            OpenReportRegisterEmployee(dm, p.year, p.month);
            return *dm.SalaryReportRegisterEmployeeZQ;
        });
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
    if (action == QLatin1String("export"))
        return exportFile(
            context, args, [](TSalaryDM& dm, Period p) { OpenReportRegisterEmployee(dm, p.year, p.month); },
            [](TSalaryDM& dm, Period p, const QString& out) {
                return WriteReportRegisterEmployee(dm, p.year, p.month, out);
            });
    throw EDatabaseError(QStringLiteral("Nepoznata radnja \"%1\": build, show, delete ili export.").arg(action));
}
