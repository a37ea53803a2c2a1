// The print menu of the salary document editor: every list, pay slip and
// recapitulation of the document, prepared by the payments library and
// drawn by the report engine.

#include "SalaryDetailUnit.h"

#include "Kinterfaces.h"
#include "Messages.h"
#include "PaymentLists.h"
#include "PaymentPrints.h"
#include "ReportEngine.h"
#include "SalaryDM.h"

#include <QAction>
#include <QDir>
#include <QMenu>

void TSalaryDetailForm::CreatePrintMenu() {
    PrintMenu = new QMenu(this);
    PrintMenu->setObjectName(QStringLiteral("PrintMenu"));
    PrintMenu->setToolTipsVisible(true);
    QMenu* other = nullptr;
    for (const TPaymentPrint& print : PaymentPrints()) {
        QMenu* menu = PrintMenu;
        if (print.other) {
            if (!other)
                other = PrintMenu->addMenu(QStringLiteral("Ostalo"));
            menu = other;
        }
        auto* action = menu->addAction(print.caption);
        action->setObjectName(print.action);
        const QString name = print.action;
        connect(action, &QAction::triggered, this, [this, name] { PaymentPrintExecute(name); });
        PaymentPrintActions << action;
        if (print.action == QLatin1String("SalaryPrintRecapitulationSubOrgUnitZipForm")
            || print.action == QLatin1String("SalaryPrintForPaymentLists"))
            PrintMenu->addSeparator();
    }
    SalaryPrintLinePaySlip = new QAction(QStringLiteral("Obračunski listić zaposlenog"), this);
    SalaryPrintLinePaySlip->setObjectName(QStringLiteral("SalaryPrintLinePaySlip"));
    SalaryPrintLinePaySlip->setToolTip(QStringLiteral("Obračunski listić zaposlenog u izabranoj stavci"));
    connect(SalaryPrintLinePaySlip, &QAction::triggered, this, &TSalaryDetailForm::SalaryPrintLinePaySlipExecute);
    PrintMenu->insertAction(PaymentPrintActions.value(PaymentPrintActions.size() - 4), SalaryPrintLinePaySlip);
    if (other)
        PrintMenu->addMenu(other);
    connect(PrintMenu, &QMenu::aboutToShow, this, &TSalaryDetailForm::UpdatePrintMenu);
}

void TSalaryDetailForm::UpdatePrintMenu() {
    for (QAction* action : std::as_const(PaymentPrintActions))
        action->setVisible(PaymentPrintApplies(dm_, action->objectName()));
    SalaryPrintLinePaySlip->setEnabled(dm_.SalaryItemZQ->active() && !dm_.SalaryItemZQ->isEmpty());
}

void TSalaryDetailForm::PaymentPrintExecute(const QString& action) {
    // A print shows what is stored.
    if (!Apply())
        return;
    IMessages& messages = Messages();
    if (action == QLatin1String("SalaryPrintRecapitulationToExcel")) {
        QString fileName = QDir::home().filePath(RecapitulationSheetName(dm_) + QStringLiteral(".xlsx"));
        if (!messages.getFileName(FileDialogKind::Save, QStringLiteral("Rekapitulacija"),
                                  QStringLiteral("Excel (*.xlsx)"), fileName))
            return;
        Guarded([&] { WriteRecapitulationSheet(dm_, fileName); });
        return;
    }
    Guarded([&] {
        TReportEngine own(this, dm_.ZConnection());
        RunPaymentPrint(dm_, action, reportEngine_ ? *reportEngine_ : own);
    });
}

void TSalaryDetailForm::SalaryPrintLinePaySlipExecute() {
    if (!Apply() || !dm_.SalaryItemZQ->active() || dm_.SalaryItemZQ->isEmpty())
        return;
    Guarded([&] {
        PreparePaymentLists(dm_, dm_.SalaryZQ->fieldByName(QStringLiteral("netdecreasepercent"))->asFloat() > 0, 1);
        TReportEngine own(this, dm_.ZConnection());
        (reportEngine_ ? *reportEngine_ : own)
            .ExecuteSalaryPaymentListsReport(dm_.PaymentListsItemCDS, dm_.PaymentListsItemCreditItemCDS,
                                             dm_.PaymentListsItemDifferenceCDS, dm_.PaymentListsItemCoefficientCDS,
                                             dm_.SalaryZQ, QString(), QString(), QString(), dm_.Options.Outlook);
    });
}
