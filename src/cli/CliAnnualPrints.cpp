#include "CliAnnualPrints.h"

#include "AnnualReportPrints.h"
#include "CliOutput.h"
#include "CliPayments.h"
#include "CliSession.h"
#include "ReportEngine.h"
#include "ReportPPPPO.h"
#include "db/DbError.h"

#include <QDate>

#include <functional>
#include <map>

namespace {

// `employee`: the key of the employee a print is about, 0 for none.
using AnnualPrint = std::function<void(TSalaryDM& dm, int year, qint64 employee, TReportEngine& engine)>;

const std::map<QString, AnnualPrint>& annualPrints() {
    static const std::map<QString, AnnualPrint> prints = [] {
        std::map<QString, AnnualPrint> all{
            {QStringLiteral("SalaryAnnualReportPPPPO"),
             [](TSalaryDM& dm, int year, qint64, TReportEngine& engine) {
                 OpenReportPPPPO(dm, year);
                 PrintReportPPPPO(dm, engine, QDate::currentDate());
             }},
        };
        for (const QString& action : AnnualReportPrints())
            all[action] = [action](TSalaryDM& dm, int year, qint64 employee, TReportEngine& engine) {
                RunAnnualReportPrint(dm, action, year, employee, engine);
            };
        return all;
    }();
    return prints;
}

// "--employee CODE" where the print is about one employee; its key.
qint64 TakeEmployee(CliSession& session, const QString& action, QStringList& args) {
    const QString code = TakeOption(args, QStringLiteral("--employee"));
    if (AnnualPrintNeedsEmployee(action) == code.isEmpty())
        throw EDatabaseError(code.isEmpty() ? QStringLiteral("Treba navesti zaposlenog: --employee ŠIFRA.")
                                            : QStringLiteral("Štampa %1 ne uzima zaposlenog.").arg(action));
    if (code.isEmpty())
        return 0;
    const qint64 employee = session.connection()
                                .scalar(QStringLiteral("SELECT employeeid FROM employee WHERE code = ?"), {code})
                                .toLongLong();
    if (employee == 0)
        throw EDatabaseError(QStringLiteral("Zaposleni sa šifrom %1 ne postoji.").arg(code));
    return employee;
}

}  // namespace

bool IsAnnualPrint(const QString& action) { return annualPrints().count(action) > 0; }

int PrintAnnual(CliContext& context, const QString& action, QStringList args, const QString& out) {
    if (args.isEmpty())
        throw EDatabaseError(QStringLiteral("Upotreba: print %1 GODINA --out DATOTEKA").arg(action));
    const int year = WholeNumber(args.takeFirst(), QStringLiteral("Godina"));
    CliSession session(context);
    const qint64 employee = TakeEmployee(session, action, args);
    RefuseLeftovers(args);
    TReportEngine engine(nullptr, &session.connection());
    engine.renderToPdf(out);
    annualPrints().at(action)(session.dm(), year, employee, engine);
    context.out << out << " (" << engine.LastPageCount() << " str.)\n";
    return 0;
}
