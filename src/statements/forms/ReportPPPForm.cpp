#include "ReportPPPForm.h"

#include "AnnualReportPrints.h"
#include "ReportPPP.h"
#include "SalaryDM.h"
#include "db/DataSet.h"
#include "db/SqlQuery.h"

TReportPPPForm::TReportPPPForm(TSalaryDM& dm, IMessages& messages, QWidget* parent)
    : TAnnualReportForm(QStringLiteral("PPP"), dm, *dm.SalaryReportPPPZQ, messages, parent, OpenReportPPP,
                        AddAllReportPPP) {
    setObjectName(QStringLiteral("ReportPPPForm"));
    addButton(tr("Š&tampaj"), QStringLiteral("PrintButton"), [this] { PrintButtonClick(); });
    addButton(tr("Štampaj pojedinačno"), QStringLiteral("PrintIndividualButton"),
              [this] { PrintIndividualButtonClick(); });
    addButton(tr("Štampaj izveštaj"), QStringLiteral("PrintIndividualReportButton"),
              [this] { PrintIndividualReportButtonClick(); });
    addButton(tr("Izvoz"), QStringLiteral("ExportButton"), [this] { ExportButtonClick(); });
    setColumns(ReportPPPColumns());
    setTotal([this] {
        return tr("Oporezivi prihod: %1   Porez: %2   Zaposlenih: %3")
            .arg(TotalAmountText(SumOf(rows(), QStringLiteral("taxbase"))),
                 TotalAmountText(SumOf(rows(), QStringLiteral("taxvalue"))))
            .arg(rows().recordCount());
    });
}

void TReportPPPForm::PrintButtonClick() {
    print([this](TReportEngine& engine) { PrintReportPPPList(engine, rows(), year()); });
}

void TReportPPPForm::PrintIndividualButtonClick() {
    print([this](TReportEngine& engine) { PrintReportPPPIndividual(engine, rows()); });
}

void TReportPPPForm::PrintIndividualReportButtonClick() {
    print([this](TReportEngine& engine) {
        PrintReportPPPDetails(dm(), engine, rows(), year(), currentEmployee());
    });
}

void TReportPPPForm::ExportButtonClick() {
    rows().checkBrowseMode();
    const QString path = askExportFile(tr("Snimi PPP datoteku"));
    if (path.isEmpty())
        return;
    ExportReportPPP(connection(), rows(), year(), path);
}
