#include "CliPayments.h"

#include "CliAnnualPrints.h"
#include "CliOutput.h"
#include "CliSession.h"
#include "PaymentErrandPrint.h"
#include "PaymentLists.h"
#include "PaymentPrints.h"
#include "Recapitulation.h"
#include "ReportEngine.h"
#include "db/DbError.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

namespace {

// "--group org|suborg": the index the lists are ordered and grouped by.
QString GroupIndex(QStringList& args) {
    const QString group = TakeOption(args, QStringLiteral("--group"));
    if (group.isEmpty())
        return {};
    if (group == QLatin1String("org"))
        return OrganizationUnitIndex;
    if (group == QLatin1String("suborg"))
        return SubOrganizationUnitIndex;
    throw EDatabaseError(QStringLiteral("Grupisanje je org ili suborg, a ne \"%1\".").arg(group));
}

void PrintRows(const CliContext& context, const QString& format, const QList<QPair<QString, const TDataSet*>>& sets) {
    if (format == QLatin1String("csv")) {
        for (qsizetype i = 0; i < sets.size(); ++i) {
            if (i > 0)
                context.out << "\n";
            WriteCsv(*sets[i].second, context.out);
        }
        return;
    }
    QJsonObject object;
    for (const auto& [name, set] : sets)
        object.insert(name, JsonRows(*set));
    context.out << QJsonDocument(object).toJson(QJsonDocument::Indented);
}

// The payment orders as printed: the paying account (and the reference
// number of the taxes) given on the command line.
int PrintErrands(CliContext& context, QStringList& args, const QString& out) {
    const QString account = TakeOption(args, QStringLiteral("--account"));
    const QString reference = TakeOption(args, QStringLiteral("--reference"));
    if (account.isEmpty())
        throw EDatabaseError(QStringLiteral("Treba navesti račun sa koga se plaća: --account RAČUN."));
    CliSession session(context);
    OpenNamedDocument(session, args);
    RefuseLeftovers(args);
    session.messages().answerText(account);
    session.messages().answerText(reference);
    TReportEngine engine(nullptr, &session.connection());
    engine.renderToPdf(out);
    PrintPaymentErrands(session.dm(), session.messages(), engine);
    context.out << out << " (" << engine.LastPageCount() << " str.)\n";
    return 0;
}

}  // namespace

// The document named by the first argument, opened as the editor opens it.
qint64 OpenNamedDocument(CliSession& session, QStringList& args) {
    if (args.isEmpty())
        throw EDatabaseError(QStringLiteral("Treba navesti broj zarade (salaryid)."));
    const qint64 id = DocumentId(args.takeFirst());
    session.OpenDocument(id);
    return id;
}

void RefuseLeftovers(const QStringList& args) {
    if (!args.isEmpty())
        throw EDatabaseError(QStringLiteral("Nepoznat argument \"%1\".").arg(args.first()));
}

int CommandPaymentLists(CliContext& context) {
    QStringList args = context.arguments;
    const bool notDecreased = TakeFlag(args, QStringLiteral("--not-decreased"));
    const QString format = OutputFormat(TakeOption(args, QStringLiteral("--format")));
    CliSession session(context);
    OpenNamedDocument(session, args);
    RefuseLeftovers(args);
    TSalaryDM& dm = session.dm();
    PreparePaymentLists(dm, !notDecreased, 0);
    PrintRows(context, format,
              {{QStringLiteral("rows"), dm.PaymentListsItemCDS},
               {QStringLiteral("credits"), dm.PaymentListsItemCreditItemCDS},
               {QStringLiteral("differences"), dm.PaymentListsItemDifferenceCDS},
               {QStringLiteral("coefficients"), dm.PaymentListsItemCoefficientCDS}});
    return 0;
}

int CommandRecapitulation(CliContext& context) {
    QStringList args = context.arguments;
    const bool notDecreased = TakeFlag(args, QStringLiteral("--not-decreased"));
    const QString format = OutputFormat(TakeOption(args, QStringLiteral("--format")));
    const QString modeText = TakeOption(args, QStringLiteral("--mode"));
    const QString index = GroupIndex(args);
    bool ok = true;
    const int mode = modeText.isEmpty() ? 0 : modeText.toInt(&ok);
    if (!ok || !ValidRecapitulationMode(mode))
        throw EDatabaseError(
            QStringLiteral("Način rekapitulacije je 0, 1, 2, 12 do 16, 19 ili 119, a ne \"%1\".").arg(modeText));
    CliSession session(context);
    OpenNamedDocument(session, args);
    RefuseLeftovers(args);
    TSalaryDM& dm = session.dm();
    SetPaymentListsIndex(dm, index);
    PrepareRecapitulation(dm, mode, !notDecreased);
    PrintRows(context, format, {{QStringLiteral("rows"), dm.RecapitulationCDS}});
    return 0;
}

int CommandChambers(CliContext& context) {
    QStringList args = context.arguments;
    const QString format = OutputFormat(TakeOption(args, QStringLiteral("--format")));
    const QString index = GroupIndex(args);
    CliSession session(context);
    OpenNamedDocument(session, args);
    RefuseLeftovers(args);
    SetPaymentListsIndex(session.dm(), index);
    PrepareChambers(session.dm());
    PrintRows(context, format, {{QStringLiteral("rows"), session.dm().ChamberCDS}});
    return 0;
}

int CommandZipForm(CliContext& context) {
    QStringList args = context.arguments;
    const QString format = OutputFormat(TakeOption(args, QStringLiteral("--format")));
    CliSession session(context);
    OpenNamedDocument(session, args);
    RefuseLeftovers(args);
    PrepareZipForm(session.dm());
    PrintRows(context, format, {{QStringLiteral("rows"), session.dm().ZipFormCDS}});
    return 0;
}

int CommandPaySlips(CliContext& context) {
    QStringList args = context.arguments;
    const QString dir = TakeOption(args, QStringLiteral("--dir"));
    if (dir.isEmpty())
        throw EDatabaseError(QStringLiteral("Treba navesti fasciklu: --dir FASCIKLA."));
    CliSession session(context);
    OpenNamedDocument(session, args);
    RefuseLeftovers(args);
    TSalaryDM& dm = session.dm();
    PreparePaymentLists(dm, dm.SalaryZQ->fieldByName(QStringLiteral("netdecreasepercent"))->asFloat() > 0, 0);
    TReportEngine engine(nullptr, &session.connection());
    const int files = engine.WritePaySlips(dm.PaymentListsItemCDS, dm.PaymentListsItemCreditItemCDS,
                                           dm.PaymentListsItemDifferenceCDS, dm.PaymentListsItemCoefficientCDS,
                                           dm.SalaryZQ, dir);
    context.out << "Obračunskih listića: " << files << " u " << dir << "\n";
    return 0;
}

int CommandPrint(CliContext& context) {
    QStringList args = context.arguments;
    const QString out = TakeOption(args, QStringLiteral("--out"));
    if (args.isEmpty())
        throw EDatabaseError(QStringLiteral("Upotreba: print AKCIJA ID --out DATOTEKA"));
    const QString action = args.takeFirst();
    const bool errands = action == QLatin1String("SalaryPaymentErrandsEntire");
    const bool annual = IsAnnualPrint(action);
    if (!errands && !annual && !IsPaymentPrint(action))
        throw EDatabaseError(QStringLiteral("Nepoznata štampa \"%1\".").arg(action));
    if (out.isEmpty())
        throw EDatabaseError(QStringLiteral("Treba navesti datoteku: --out DATOTEKA."));
    if (!QFileInfo(out).absoluteDir().exists())
        throw EDatabaseError(QStringLiteral("Fascikla za datoteku %1 ne postoji.").arg(out));
    if (annual)
        return PrintAnnual(context, action, args, out);
    if (errands)
        return PrintErrands(context, args, out);
    CliSession session(context);
    OpenNamedDocument(session, args);
    RefuseLeftovers(args);
    TSalaryDM& dm = session.dm();
    if (!PaymentPrintApplies(dm, action))
        throw EDatabaseError(QStringLiteral("Štampa %1 ne postoji za ovu zaradu.").arg(action));
    if (action == QLatin1String("SalaryPrintRecapitulationToExcel")) {
        WriteRecapitulationSheet(dm, out);
        context.out << out << "\n";
        return 0;
    }
    TReportEngine engine(nullptr, &session.connection());
    engine.renderToPdf(out);
    RunPaymentPrint(dm, action, engine);
    context.out << out << " (" << engine.LastPageCount() << " str.)\n";
    return 0;
}
