#include "CreditPrintsUnit.h"

#include "ItemsGridSupport.h"
#include "Messages.h"
#include "ReportEngine.h"
#include "db/DbError.h"

void SalaryDeductionsPrint(TSalaryDM& dm, IMessages& messages, TSalaryDM::TCreditsPrint print, QWidget* owner,
                           TReportEngine* engine) {
    bool any = false;
    if (!RunGuarded(messages, [&] { any = dm.PrepareCredits(print); }) || !any)
        return;
    const bool summary = print == TSalaryDM::TCreditsPrint::Summary;
    QStringList columns{QStringLiteral("creditname"), QStringLiteral("creditvalue"), QStringLiteral("paycode"),
                        QStringLiteral("creditbankaccount"), QStringLiteral("paymentmodel")};
    if (!summary)
        columns = QStringList{QStringLiteral("employeename")} + columns + QStringList{QStringLiteral("paymentcode")};
    const QString header = QStringLiteral("%1.%2.")
                               .arg(dm.SalaryZQ->fieldByName(QStringLiteral("month"))->asInteger())
                               .arg(dm.SalaryZQ->fieldByName(QStringLiteral("year"))->asInteger());
    try {
        TReportEngine own(owner, dm.ZConnection());
        (engine ? *engine : own)
            .ExecuteDataSetReport(TSalaryDM::CreditsPrintTitle(print) + QStringLiteral(" ") + header, dm.CreditsCDS,
                                  columns);
    } catch (const EReportError& error) {
        messages.error(error.message());
    }
    // The name order is the analytic print's alone.
    dm.CreditsCDS->setSortFields(QString());
}
