#include "CliPPPPO.h"

#include "CliOutput.h"
#include "CliPayments.h"
#include "CliSession.h"
#include "ReportPPPPO.h"
#include "db/DbError.h"
#include "db/SqlQuery.h"

namespace {

int takeYear(QStringList& args) {
    if (args.isEmpty())
        throw EDatabaseError(QStringLiteral("Treba navesti godinu."));
    return WholeNumber(args.takeFirst(), QStringLiteral("Godina"));
}

// Runs the work; a refusal the module explained through its messages (a
// check of a field) becomes that message. Nothing pending is stored.
template <class Work>
auto explained(CliSession& session, Work work) {
    try {
        return work();
    } catch (const EAbort&) {
        const QString shown = session.ShownMessages();
        throw EDatabaseError(shown.isEmpty() ? QStringLiteral("Izmena nije sačuvana.") : shown);
    }
}

void applyRows(CliSession& session) {
    TSqlQuery& rows = *session.dm().SalaryReportPPPPOZQ;
    rows.checkBrowseMode();
    rows.applyUpdates();
}

int add(CliSession& session, QTextStream& out, int year, const QString& code) {
    TSalaryDM& dm = session.dm();
    const QVariant employeeid = session.connection().scalar(
        QStringLiteral("SELECT employeeid FROM employee WHERE code = ?"), {code});
    if (employeeid.isNull())
        throw EDatabaseError(QStringLiteral("Zaposleni sa šifrom \"%1\" ne postoji.").arg(code));
    OpenReportPPPPO(dm, year);
    AddReportPPPPOEmployee(dm, year, employeeid.toLongLong());
    applyRows(session);
    out << dm.SalaryReportPPPPOZQ->fieldByName(QStringLiteral("salaryreportppppoid"))->asLargeInt() << "\n";
    return 0;
}

int set(CliSession& session, qint64 rowid, const QStringList& assignments) {
    if (assignments.isEmpty())
        throw EDatabaseError(QStringLiteral("Treba navesti bar jedno polje=vrednost."));
    TSalaryDM& dm = session.dm();
    OpenReportPPPPORow(dm, rowid);
    try {
        CliSession::Assign(*dm.SalaryReportPPPPOZQ, assignments);
    } catch (...) {
        dm.SalaryReportPPPPOZQ->cancel();
        throw;
    }
    applyRows(session);
    return 0;
}

}  // namespace

int CommandPppPo(CliContext& context) {
    QStringList args = context.arguments;
    if (args.isEmpty())
        throw EDatabaseError(QStringLiteral("Treba navesti build, show, delete, add ili set."));
    const QString action = args.takeFirst();
    const QString format = OutputFormat(TakeOption(args, QStringLiteral("--format")));
    if (action == QLatin1String("set")) {
        if (args.isEmpty())
            throw EDatabaseError(QStringLiteral("Upotreba: ppppo set RED polje=vrednost ..."));
        const qint64 rowid = KeyArgument(args.takeFirst(), QStringLiteral("\"%1\" nije broj reda PPP-PO."));
        CliSession session(context);
        return explained(session, [&] { return set(session, rowid, args); });
    }
    const int year = takeYear(args);
    if (action == QLatin1String("add")) {
        if (args.size() != 1)
            throw EDatabaseError(QStringLiteral("Upotreba: ppppo add GODINA ŠIFRA"));
        CliSession session(context);
        return explained(session, [&] { return add(session, context.out, year, args.first()); });
    }
    RefuseLeftovers(args);
    CliSession session(context);
    TSalaryDM& dm = session.dm();
    if (action == QLatin1String("show")) {
        OpenReportPPPPO(dm, year);
        WriteRows(*dm.SalaryReportPPPPOZQ, format, context.out);
    } else if (action == QLatin1String("build")) {
        context.out << explained(session, [&] { return BuildReportPPPPO(dm, year); }) << "\n";
    } else if (action == QLatin1String("delete")) {
        context.out << DeleteReportPPPPO(session.connection(), year) << "\n";
    } else {
        throw EDatabaseError(
            QStringLiteral("Nepoznata radnja \"%1\": build, show, delete, add ili set.").arg(action));
    }
    return 0;
}
