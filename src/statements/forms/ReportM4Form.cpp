#include "ReportM4Form.h"

#include "AnnualReportPrints.h"
#include "Messages.h"
#include "ReportM4.h"
#include "SalaryDM.h"
#include "db/DataSet.h"
#include "db/SqlQuery.h"

TReportM4Form::TReportM4Form(TSalaryDM& dm, IMessages& messages, QWidget* parent)
    : TAnnualReportForm(QStringLiteral("M4"), dm, *dm.SalaryReportM4ZQ, messages, parent, OpenReportM4,
                        AddAllReportM4) {
    setObjectName(QStringLiteral("ReportM4Form"));
    addButton(tr("Š&tampaj"), QStringLiteral("PrintButton"), [this] { PrintButtonClick(); });
    addButton(tr("Štampaj pojedinačno"), QStringLiteral("PrintIndividualButton"),
              [this] { PrintIndividualButtonClick(); });
    addButton(tr("Izvoz"), QStringLiteral("ExportButton"), [this] { ExportButtonClick(); });
    setColumns(ReportM4Columns());
    setTotal([this] {
        return tr("Zarada - osnovica: %1   PIO: %2   Zaposlenih: %3")
            .arg(TotalAmountText(SumOf(rows(), QStringLiteral("taxbase"))),
                 TotalAmountText(SumOf(rows(), QStringLiteral("taxvalue"))))
            .arg(rows().recordCount());
    });
}

void TReportM4Form::PrintButtonClick() {
    print([this](TReportEngine& engine) { PrintReportM4List(engine, rows()); });
}

void TReportM4Form::PrintIndividualButtonClick() {
    print([this](TReportEngine& engine) { PrintReportM4Individual(dm(), engine, rows(), year()); });
}

void TReportM4Form::ExportButtonClick() {
    rows().checkBrowseMode();
    const QString path = askExportFile(tr("Snimi M4 datoteku"));
    if (path.isEmpty())
        return;
    // Each prompt may be cancelled; then nothing is written.
    TM4Export options;
    if (!messages().inputLine(tr("Mikrofilmski broj rolne"), tr("Unesite mikrofilmski broj rolne:"), options.roll)
        || !messages().inputLine(tr("Mikrofilmski broj pozicije"), tr("Unesite mikrofilmski broj pozicije:"),
                                 options.position)
        || !messages().inputLine(tr("Registarski broj osiguranja"), tr("Unestote registarski broj osiguranja:"),
                                 options.registration))
        return;
    ExportReportM4(connection(), rows(), options, path);
}
