#include "CliStatements.h"

#include "CliOutput.h"
#include "CliPayments.h"
#include "CliSession.h"
#include "UnifiedCollection.h"
#include "UnifiedCollectionExport.h"
#include "db/DbError.h"
#include "db/SqlQuery.h"


namespace {

// "--document ID" or "--year Y --month M".
TUnifiedCollectionSelection TakeSelection(QStringList& args) {
    const QString document = TakeOption(args, QStringLiteral("--document"));
    const QString year = TakeOption(args, QStringLiteral("--year"));
    const QString month = TakeOption(args, QStringLiteral("--month"));
    TUnifiedCollectionSelection selection;
    if (!document.isEmpty() && year.isEmpty() && month.isEmpty()) {
        selection.salaryid = DocumentId(document);
        return selection;
    }
    if (document.isEmpty() && !year.isEmpty() && !month.isEmpty()) {
        selection.year = WholeNumber(year, QStringLiteral("Godina"));
        selection.month = WholeNumber(month, QStringLiteral("Mesec"));
        return selection;
    }
    throw EDatabaseError(QStringLiteral("Treba navesti --document ID ili --year GODINA --month MESEC."));
}

}  // namespace

int CommandPppd(CliContext& context) {
    QStringList args = context.arguments;
    if (args.isEmpty())
        throw EDatabaseError(QStringLiteral("Treba navesti build, show, delete ili export."));
    const QString action = args.takeFirst();
    if (action == QLatin1String("show")) {
        const QString format = OutputFormat(TakeOption(args, QStringLiteral("--format")));
        const TUnifiedCollectionSelection selection = TakeSelection(args);
        RefuseLeftovers(args);
        CliSession session(context);
        OpenReportUnifiedCollection(session.dm(), selection);
        WriteRows(*session.dm().SalaryReportUnifiedCollectionZQ, format, context.out);
        return 0;
    }
    if (action == QLatin1String("build") || action == QLatin1String("delete")) {
        const TUnifiedCollectionSelection selection = TakeSelection(args);
        RefuseLeftovers(args);
        CliSession session(context);
        const int count = action == QLatin1String("build") ? BuildUnifiedCollection(session.dm(), selection)
                                                           : DeleteUnifiedCollection(session.connection(), selection);
        context.out << count << "\n";
        return 0;
    }
    if (action == QLatin1String("export")) {
        const QString out = TakeOption(args, QStringLiteral("--out"));
        const QString payerType = TakeOption(args, QStringLiteral("--payer-type"));
        const QString only = TakeOption(args, QStringLiteral("--only"));
        const QString except = TakeOption(args, QStringLiteral("--except"));
        const TUnifiedCollectionSelection selection = TakeSelection(args);
        RefuseLeftovers(args);
        if (out.isEmpty())
            throw EDatabaseError(QStringLiteral("Treba navesti datoteku: --out DATOTEKA."));
        if (!only.isEmpty() && !except.isEmpty())
            throw EDatabaseError(QStringLiteral("Navodi se --only ili --except, ne oba."));
        TUnifiedCollectionExport options;
        if (!payerType.isEmpty())
            options.payerType = WholeNumber(payerType, QStringLiteral("Tip isplatioca"));
        options.incomeType = only.isEmpty() ? except : only;
        options.exclude = !except.isEmpty();
        CliSession session(context);
        const int count = ExportUnifiedCollection(session.dm(), selection, options, out);
        context.out << out << " (" << count << ")\n";
        return 0;
    }
    throw EDatabaseError(QStringLiteral("Nepoznata radnja \"%1\": build, show, delete ili export.").arg(action));
}
