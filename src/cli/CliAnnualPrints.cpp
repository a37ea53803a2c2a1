#include "CliAnnualPrints.h"

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

using AnnualPrint = std::function<void(TSalaryDM& dm, int year, TReportEngine& engine)>;

const std::map<QString, AnnualPrint>& annualPrints() {
    static const std::map<QString, AnnualPrint> prints = {
        {QStringLiteral("SalaryAnnualReportPPPPO"),
         [](TSalaryDM& dm, int year, TReportEngine& engine) {
             OpenReportPPPPO(dm, year);
             PrintReportPPPPO(dm, engine, QDate::currentDate());
         }},
    };
    return prints;
}

}  // namespace

bool IsAnnualPrint(const QString& action) { return annualPrints().count(action) > 0; }

int PrintAnnual(CliContext& context, const QString& action, QStringList args, const QString& out) {
    if (args.isEmpty())
        throw EDatabaseError(QStringLiteral("Upotreba: print %1 GODINA --out DATOTEKA").arg(action));
    const int year = WholeNumber(args.takeFirst(), QStringLiteral("Godina"));
    RefuseLeftovers(args);
    CliSession session(context);
    TReportEngine engine(nullptr, &session.connection());
    engine.renderToPdf(out);
    annualPrints().at(action)(session.dm(), year, engine);
    context.out << out << " (" << engine.LastPageCount() << " str.)\n";
    return 0;
}
