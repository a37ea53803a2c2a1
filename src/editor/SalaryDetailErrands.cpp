// The editor's payment orders: printed whole through the report engine, in
// text mode on pre-printed forms, or written as e-banking files. Each works
// on the stored document.

#include "SalaryDetailUnit.h"

#include "DBIniFile.h"
#include "EBankExport.h"
#include "Kinterfaces.h"
#include "PaymentErrandPrint.h"
#include "ReportEngine.h"
#include "SalaryDM.h"
#include "TextModePrint.h"
#include "TextModeSettings.h"

#include <QAction>
#include <QDateTime>
#include <QMenu>

void TSalaryDetailForm::CreateErrandMenus(QMenu* errands, QMenu* ebank) {
    const auto entry = [this](QMenu* menu, const char* name, const char* caption, void (TSalaryDetailForm::*handler)()) {
        QAction* action = menu->addAction(QString::fromUtf8(caption));
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, handler);
    };
    using F = TSalaryDetailForm;
    entry(errands, "SalaryPaymentErrandsEntire", "Celi nalozi", &F::SalaryPaymentErrandsEntireExecute);
    entry(errands, "SalaryPaymentErrandsTextMode", "Tekstualni mod", &F::SalaryPaymentErrandsTextModeExecute);
    entry(ebank, "SalaryEBankExportHalcom", "Halcom", &F::SalaryEBankExportHalcomExecute);
    entry(ebank, "SalaryEBankExportSaga", "SAGA", &F::SalaryEBankExportSagaExecute);
}

void TSalaryDetailForm::SalaryPaymentErrandsEntireExecute() {
    if (!Apply())
        return;
    Guarded([&] {
        TReportEngine own(this, dm_.ZConnection());
        PrintPaymentErrands(dm_, Messages(), reportEngine_ ? *reportEngine_ : own);
    });
}

void TSalaryDetailForm::SalaryPaymentErrandsTextModeExecute() {
    if (!Apply())
        return;
    Guarded([&] {
        QStringList lines;
        if (GenerateTextModePrint(dm_, Messages(), lines))
            PrintTextMode(lines, ReadTextModeSettings(TDBIniFile(*dm_.ZConnection())));
    });
}

void TSalaryDetailForm::SalaryEBankExportSagaExecute() {
    if (Apply())
        Guarded([&] { ExportEBankSaga(dm_, Messages(), QDateTime::currentDateTime()); });
}

void TSalaryDetailForm::SalaryEBankExportHalcomExecute() {
    if (Apply())
        Guarded([&] { ExportEBankHalcom(dm_, Messages(), QDateTime::currentDateTime()); });
}
