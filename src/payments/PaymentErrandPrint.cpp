#include "PaymentErrandPrint.h"

#include "PaymentErrands.h"
#include "ReportEngine.h"
#include "SalaryDM.h"

bool PrintPaymentErrands(TSalaryDM& dm, IMessages& messages, TReportEngine& engine) {
    if (!PreparePaymentErrands(dm, messages, TErrandsRoad::Print))
        return false;
    engine.ExecuteSalaryPaymentErrands(
        dm.SalaryZQ, dm.PaymentErrandsCDS,
        dm.SalaryZQ->fieldByName(QStringLiteral("paymentdate"))->asDate().toString(QStringLiteral("dd.MM.yyyy")),
        dm.Options.PrintA4Errands);
    return true;
}
