#include "CliDocument.h"

#include "CliExplain.h"
#include "CliLineAdditions.h"
#include "CliOutput.h"
#include "CliSession.h"
#include "db/DbError.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

int show(CliSession& session, const CliContext& context, qint64 id, const QString& format) {
    session.OpenDocument(id);
    TSalaryDM& dm = session.dm();
    if (OutputFormat(format) == QLatin1String("csv")) {
        WriteCsv(*dm.SalaryZQ, context.out);
        context.out << "\n";
        WriteCsv(*dm.SalaryItemZQ, context.out);
        return 0;
    }
    QJsonObject document;
    document.insert(QStringLiteral("salary"), JsonRow(*dm.SalaryZQ));
    document.insert(QStringLiteral("lines"), JsonRows(*dm.SalaryItemZQ));
    context.out << QJsonDocument(document).toJson(QJsonDocument::Indented);
    return 0;
}

// The line of the document that belongs to the employee with this code.
void locateLine(TSalaryDM& dm, const QString& code) {
    if (!dm.SalaryItemZQ->locate(QStringLiteral("code"), code))
        throw EDatabaseError(QStringLiteral("Zaposleni sa šifrom \"%1\" nema stavku u ovoj zaradi.").arg(code));
}

int documentNew(CliSession& session, const CliContext& context, QStringList args) {
    const QString type = TakeOption(args, QStringLiteral("--type"));
    const QString year = TakeOption(args, QStringLiteral("--year"));
    const QString month = TakeOption(args, QStringLiteral("--month"));
    const QString paymentDate = TakeOption(args, QStringLiteral("--paymentdate"));
    if (type != QLatin1String("Z") && type != QLatin1String("B") && type != QLatin1String("P"))
        throw EDatabaseError(QStringLiteral("Tip zarade mora biti Z, B ili P (--type)."));
    TSalaryDM& dm = session.dm();
    dm.SalaryZQ->setSQL(QStringLiteral("SELECT DISTINCT s.* FROM salary AS s WHERE s.salaryid = -1"));
    dm.SalaryAddDocument(type);
    // The default rate set, as the editor takes it for a new document.
    if (!dm.SalaryTaxItemsOpen())
        throw EAbort();
    dm.SetNewSalaryPeriod(QDate::currentDate());
    if (!year.isEmpty() || !month.isEmpty()) {
        QStringList period;
        if (!year.isEmpty())
            period << QStringLiteral("year=") + year;
        if (!month.isEmpty())
            period << QStringLiteral("month=") + month;
        CliSession::Assign(*dm.SalaryZQ, period);
        TField* y = dm.SalaryZQ->fieldByName(QStringLiteral("year"));
        TField* m = dm.SalaryZQ->fieldByName(QStringLiteral("month"));
        if (m->asInteger() < 1 || m->asInteger() > 12)
            throw EDatabaseError(QStringLiteral("Mesec mora biti od 1 do 12."));
        dm.SalaryZQ->fieldByName(QStringLiteral("salarynumber"))
            ->setAsInteger(dm.GetSalaryIndex(y->asInteger(), m->asInteger(), type));
    }
    if (!paymentDate.isEmpty())
        CliSession::Assign(*dm.SalaryZQ, {QStringLiteral("paymentdate=") + paymentDate,
                                          QStringLiteral("accountingdate=") + paymentDate});
    // The first document of a company has no earlier one to take its values from.
    CliSession::Assign(*dm.SalaryZQ, args);
    dm.SalaryItemsOpen();
    dm.SalaryApply();
    context.out << dm.SalaryZQ->fieldByName(QStringLiteral("salaryid"))->asLargeInt() << "\n";
    return 0;
}

int documentAction(CliSession& session, const CliContext& context, const QString& action, QStringList args) {
    TSalaryDM& dm = session.dm();
    if (action == QLatin1String("new"))
        return documentNew(session, context, args);
    if (args.isEmpty())
        throw EDatabaseError(QStringLiteral("Nedostaje broj zarade."));
    const qint64 id = DocumentId(args.takeFirst());
    if (action == QLatin1String("show"))
        return show(session, context, id, TakeOption(args, QStringLiteral("--format")));
    if (action == QLatin1String("compare"))
        return DocumentCompare(session, context, id, args);
    session.OpenDocument(id);
    if (action == QLatin1String("set")) {
        CliSession::Assign(*dm.SalaryZQ, args);
        dm.SalaryApply();
    } else if (action == QLatin1String("post") || action == QLatin1String("unpost")) {
        dm.SalaryApply();
        dm.RegisterSalary(action == QLatin1String("post"));
    } else if (action == QLatin1String("copy")) {
        QStringList assignments = dm.CopySalaryAssignments(QDate::currentDate());
        const qint64 copy = dm.CopySalary(id, assignments);
        context.out << copy << "\n";
    } else if (action == QLatin1String("delete")) {
        dm.SalaryZQ->remove();
    } else {
        throw EDatabaseError(QStringLiteral("Nepoznata radnja \"%1\".").arg(action));
    }
    return 0;
}

int lineAction(CliSession& session, const CliContext& context, const QString& action, QStringList args) {
    const qint64 id = DocumentId(args.takeFirst());
    TSalaryDM& dm = session.dm();
    session.OpenDocument(id);
    if (action == QLatin1String("add"))
        return LineAddEmployees(session, args);
    if (action == QLatin1String("add-all"))
        return LineAddAllEmployees(session, context.out);
    if (action == QLatin1String("difference") || action == QLatin1String("coefficients")) {
        if (args.isEmpty())
            throw EDatabaseError(QStringLiteral("Nedostaje šifra zaposlenog."));
        const QString code = args.takeFirst();
        return action == QLatin1String("difference") ? LineDifferences(session, code, args)
                                                     : LineCoefficients(session, code, args);
    }
    if (action == QLatin1String("set") || action == QLatin1String("delete") || action == QLatin1String("explain")) {
        if (args.isEmpty())
            throw EDatabaseError(QStringLiteral("Nedostaje šifra zaposlenog."));
        locateLine(dm, args.takeFirst());
        if (action == QLatin1String("explain"))
            return LineExplain(session, context, args);
        if (action == QLatin1String("set")) {
            CliSession::Assign(*dm.SalaryItemZQ, args);
            // A line the calculation refused (hours above the fund) is not stored.
            if (!session.ShownMessages().isEmpty())
                throw EAbort();
        } else
            dm.SalaryItemZQ->remove();
        dm.SalaryApply();
        return 0;
    }
    throw EDatabaseError(QStringLiteral("Nepoznata radnja \"%1\".").arg(action));
}

// A refused operation (validation, posted document) was explained through
// the message interface: show that and fail.
template <class Body>
int reportingRefusals(CliSession& session, const CliContext& context, Body body) {
    try {
        return body();
    } catch (const EAbort&) {
        const QString shown = session.ShownMessages();
        context.err << "Greška: " << (shown.isEmpty() ? QStringLiteral("radnja je prekinuta.") : shown) << "\n";
        // The editor would show the refused line; a script names it.
        TSqlQuery& lines = *session.dm().SalaryItemZQ;
        if (lines.active() && lines.isEditing()) {
            const auto column = [&](const char* name) { return lines.fieldByName(QLatin1String(name))->asString(); };
            context.err << "Stavka: " << column("code") << " " << column("lastname") << " " << column("firstname")
                        << "\n";
        }
        return 1;
    }
}

}  // namespace

int CommandDocument(CliContext& context) {
    QStringList args = context.arguments;
    if (args.isEmpty())
        throw EDatabaseError(QStringLiteral("Posle \"document\" treba navesti: new, set, show, compare, post, unpost, copy, delete."));
    const QString action = args.takeFirst();
    CliSession session(context);
    return reportingRefusals(session, context, [&] { return documentAction(session, context, action, args); });
}

int CommandLine(CliContext& context) {
    QStringList args = context.arguments;
    if (args.size() < 2)
        throw EDatabaseError(QStringLiteral(
            "Upotreba: line add|add-all|set|delete|explain|difference|coefficients BROJ_ZARADE [ŠIFRA ...] [...]"));
    const QString action = args.takeFirst();
    CliSession session(context);
    return reportingRefusals(session, context, [&] { return lineAction(session, context, action, args); });
}

