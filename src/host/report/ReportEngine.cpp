#include "ReportEngine.h"

#include "AnnualStatements.h"
#include "CompanyInfo.h"
#include "DBIniFile.h"
#include "HtmlPrintout.h"
#include "PPPPOPrintout.h"
#include "PaySlip.h"
#include "PaySlipFiles.h"
#include "PaySlipPrintout.h"
#include "PaymentOrderPrintout.h"
#include "PaymentListTables.h"
#include "RecapitulationTables.h"
#include "ReportHtml.h"
#include "ReportPrinter.h"
#include "TablePrintout.h"
#include "db/Connection.h"
#include "db/DataSet.h"
#include "db/DbError.h"

#include <QFileDialog>
#include <QWidget>

namespace {

TReportSection Section(const QString& caption, const TDataSet* dataSet) { return {caption, dataSet}; }

TReport Report(const QString& title, const TDataSet* document, QList<TReportSection> sections,
               QStringList texts = {}) {
    TReport report;
    report.title = title;
    report.document = document;
    report.sections = std::move(sections);
    report.texts = std::move(texts);
    return report;
}

// The list reports print the rows of one document under the text passed.
TReport ListReport(const QString& title, const TDataSet* rows, const TDataSet* document, const QString& text) {
    return Report(title, document, {Section(QString(), rows)}, {text});
}

TReport RecapitulationReport(const QString& title, const QString& text, const TDataSet* recapitulation,
                             const TDataSet* document, const TDataSet* chambers) {
    return Report(title, document,
                  {Section(QStringLiteral("Rekapitulacija"), recapitulation), Section(QStringLiteral("Komore"), chambers)},
                  {text});
}

TReport FormReport(const QString& title, const TDataSet* data, const TDataSet* document, QStringList texts = {}) {
    return Report(title, document, {Section(QString(), data)}, std::move(texts));
}

TReport AnnualReport(const QString& title, const TDataSet* rows, const TDataSet* details, const QString& issueDate) {
    QList<TReportSection> sections{Section(QString(), rows)};
    if (details)
        sections << Section(QStringLiteral("Pojedinačni podaci"), details);
    return Report(title, nullptr, sections, {QStringLiteral("Datum izdavanja: ") + issueDate});
}

std::vector<TTable> Recapitulation(const TDataSet* recapitulation, const TDataSet* chambers, TUnitGrouping grouping) {
    std::vector<TTable> tables{RecapitulationTable(recapitulation, grouping)};
    if (chambers && chambers->active() && !chambers->isEmpty()) {
        TTable fees = ChambersTable(chambers, grouping);
        fees.caption = QStringLiteral("Članarine komorama");
        tables.push_back(std::move(fees));
    }
    return tables;
}

}  // namespace

TReportEngine::TReportEngine(QObject* owner, Connection* connection)
    : QObject(owner), connection_(connection), parentWidget_(qobject_cast<QWidget*>(owner)) {}

TReportEngine::~TReportEngine() = default;

TCompanyInfo TReportEngine::Company() const {
    if (connection_ && connection_->isConnected()) {
        try {
            return ReadCompanyInfo(TDBIniFile(*connection_));
        } catch (const EDatabaseError&) {
            // A report without the company's name is still worth printing.
        }
    }
    return {};
}

void TReportEngine::Output(const TPrintout& printout) {
    lastFiles_ = 0;
    if (pdfPath_.isEmpty()) {
        lastPages_ = 0;
        ShowReportPreview(printout, parentWidget_);
        return;
    }
    lastPages_ = RenderReportToPdf(printout, pdfPath_);
    if (lastPages_ == 0)
        throw EReportError(QStringLiteral("Ne mogu da upišem izveštaj u datoteku %1.").arg(pdfPath_));
}

void TReportEngine::Execute(TReport report) {
    last_ = std::move(report);
    Output(THtmlPrintout(ReportHtml(last_, Company()), last_.title, ReportNeedsLandscape(last_)));
}

void TReportEngine::ExecuteTables(TReport report, std::vector<TTable> tables) {
    last_ = std::move(report);
    TTableDocument document;
    document.heading = {Company(), ReadDocumentInfo(last_.document), last_.title, last_.texts};
    document.landscape = TablesNeedLandscape(tables);
    document.tables = std::move(tables);
    Output(TTablePrintout(std::move(document)));
}

void TReportEngine::ExecuteDataSetReport(const QString& title, D dataSet, const QStringList& fields, S header) {
    Execute(Report(title, nullptr, {TReportSection{header, dataSet, fields}}));
}

void TReportEngine::ExecuteSalaryAddReport(D additional) {
    Execute(Report(QStringLiteral("Pregled prethodnih i novih iznosa zarada"), nullptr, {Section(QString(), additional)}));
}

void TReportEngine::ExecuteSalaryListReport(D rows, D document, S text) {
    ExecuteTables(ListReport(QStringLiteral("Lista zarada"), rows, document, text), {SalaryListTable(rows)});
}

void TReportEngine::ExecuteSalaryListExtendedReport(D rows, D document, S text) {
    ExecuteTables(ListReport(QStringLiteral("Proširena lista zarada"), rows, document, text),
                  {ExtendedSalaryListTable(rows)});
}

void TReportEngine::ExecuteSalaryListPerOrgUnitReport(D rows, D document, S text) {
    ExecuteTables(ListReport(QStringLiteral("Lista zarada po organizacionim jedinicama"), rows, document, text),
                  {SalaryListTable(rows, TUnitGrouping::OrgUnit)});
}

void TReportEngine::ExecuteSalaryListPerSubOrgUnitReport(D rows, D document, S text) {
    ExecuteTables(ListReport(QStringLiteral("Lista zarada po podorganizacionim jedinicama"), rows, document, text),
                  {SalaryListTable(rows, TUnitGrouping::SubOrgUnit)});
}

void TReportEngine::ExecuteSalaryEvidenceReport(D rows, D document, S text) {
    ExecuteTables(ListReport(QStringLiteral("Evidencija zarada"), rows, document, text), {EvidenceTable(rows)});
}

void TReportEngine::ExecuteSalaryTransportListReport(D rows, D document, S text) {
    ExecuteTables(ListReport(QStringLiteral("Lista naknada za prevoz"), rows, document, text),
                  {TransportListTable(rows)});
}

void TReportEngine::ExecuteSalaryForPaymentListReport(D rows, D document, S text) {
    ExecuteTables(ListReport(QStringLiteral("Lista za isplatu"), rows, document, text), {ForPaymentTable(rows)});
}

void TReportEngine::ExecuteSalaryPaymentListsReport(D rows, D credits, D differences, D coefficients, D document,
                                                    S text1, S text2, S text3, bool sendByMail) {
    last_ = Report(QStringLiteral("Platni listići"), document,
                   {Section(QStringLiteral("Zaposleni"), rows), Section(QStringLiteral("Obustave"), credits),
                    Section(QStringLiteral("Razlike"), differences),
                    Section(QStringLiteral("Koeficijenti"), coefficients)},
                   {text1, text2, text3});
    const TPaySlipBook book(rows, credits, differences, coefficients, ReadDocumentInfo(document), Company(),
                            last_.texts);
    if (book.count() == 0) {
        ExecuteTables(last_, {});
        return;
    }
    Output(TPaySlipPrintout(book));
    if (!sendByMail)
        return;
    QString folder = paySlipFolder_;
    if (folder.isEmpty() && parentWidget_)
        folder = QFileDialog::getExistingDirectory(parentWidget_, QStringLiteral("Folder za platne listiće"));
    if (!folder.isEmpty())
        lastFiles_ = WritePaySlipFiles(book, folder);
}

int TReportEngine::WritePaySlips(D rows, D credits, D differences, D coefficients, D document, const QString& dir) {
    const TPaySlipBook book(rows, credits, differences, coefficients, ReadDocumentInfo(document), Company(), {});
    lastFiles_ = WritePaySlipFiles(book, dir);
    return lastFiles_;
}

void TReportEngine::ExecuteSalaryTransportPaymentListsReport(D rows, D document) {
    ExecuteTables(Report(QStringLiteral("Lista za isplatu naknade za prevoz"), document, {Section(QString(), rows)}),
                  {ForPaymentTable(rows)});
}

void TReportEngine::ExecuteSalaryRecapitulationZipFormReport(D recapitulation, D document) {
    ExecuteTables(Report(QStringLiteral("Statistički obrazac zarada"), document, {Section(QString(), recapitulation)}),
                  {ZipFormTable(recapitulation)});
}

void TReportEngine::ExecuteSalaryRecapitulationReport(S text, D recapitulation, D document, D chambers) {
    ExecuteTables(RecapitulationReport(QStringLiteral("Rekapitulacija zarada"), text, recapitulation, document, chambers),
                  Recapitulation(recapitulation, chambers, TUnitGrouping::None));
}

void TReportEngine::ExecuteSalaryRecapitulationPerOrgUnitReport(S text, D recapitulation, D document, D chambers) {
    ExecuteTables(RecapitulationReport(QStringLiteral("Rekapitulacija zarada po organizacionim jedinicama"), text,
                                       recapitulation, document, chambers),
                  Recapitulation(recapitulation, chambers, TUnitGrouping::OrgUnit));
}

void TReportEngine::ExecuteSalaryRecapitulationPerSubOrgUnitReport(S text, D recapitulation, D document,
                                                                   D chambers) {
    ExecuteTables(RecapitulationReport(QStringLiteral("Rekapitulacija zarada po podorganizacionim jedinicama"), text,
                                       recapitulation, document, chambers),
                  Recapitulation(recapitulation, chambers, TUnitGrouping::SubOrgUnit));
}

void TReportEngine::ExecuteSalaryChambersReport(D chambers, D document, S text) {
    ExecuteTables(ListReport(QStringLiteral("Članarine komorama"), chambers, document, text),
                  {ChambersTable(chambers, TUnitGrouping::None)});
}

void TReportEngine::ExecuteSalaryChambersPerOrgUnitReport(D chambers, D document, S text) {
    ExecuteTables(ListReport(QStringLiteral("Članarine komorama po organizacionim jedinicama"), chambers, document, text),
                  {ChambersTable(chambers, TUnitGrouping::OrgUnit)});
}

void TReportEngine::ExecuteSalaryChambersPerSubOrgUnitReport(D chambers, D document, S text) {
    ExecuteTables(
        ListReport(QStringLiteral("Članarine komorama po podorganizacionim jedinicama"), chambers, document, text),
        {ChambersTable(chambers, TUnitGrouping::SubOrgUnit)});
}

void TReportEngine::ExecuteSalaryPaymentErrands(D document, D errands, S paymentDate, bool a4Errands) {
    last_ = Report(QStringLiteral("Nalozi za prenos"), document, {Section(QString(), errands)},
                   {QStringLiteral("Datum plaćanja: ") + paymentDate});
    Output(TPaymentOrderPrintout(errands ? PrintedPaymentOrders(*errands) : std::vector<TPaymentOrder>{}, a4Errands));
}

void TReportEngine::ExecuteSalaryOPJReport(D data, D document, S text) {
    Execute(FormReport(QStringLiteral("Obrazac OPJ"), data, document, {text}));
}

void TReportEngine::ExecuteSalaryODReport(D data, D document, S text) {
    Execute(FormReport(QStringLiteral("Obrazac OD"), data, document, {text}));
}

void TReportEngine::ExecuteSalaryOD1Report(D data, D document, S text) {
    Execute(FormReport(QStringLiteral("Obrazac OD-1"), data, document, {text}));
}

void TReportEngine::ExecuteSalaryINSZReport(D data, D document, S text) {
    Execute(FormReport(QStringLiteral("Obrazac INSZ-P"), data, document, {text}));
}

void TReportEngine::ExecuteSalaryTaxSpecificationReport(D data, D document, S text1, S text2) {
    Execute(FormReport(QStringLiteral("Specifikacija poreza i doprinosa"), data, document, {text1, text2}));
}

void TReportEngine::ExecuteSalaryNZ1Report(D data, D document) {
    Execute(FormReport(QStringLiteral("Obrazac NZ-1"), data, document));
}

void TReportEngine::ExecuteSalaryPPPIndividualReport(D rows, S issueDate) {
    last_ = AnnualReport(QStringLiteral("Obrazac PPP - pojedinačni"), rows, nullptr, issueDate);
    Output(TStatementPrintout(rows ? PPPStatements(*rows, Company(), issueDate) : TStatementBook{}));
}

void TReportEngine::ExecuteSalaryPPPIndividualReportReport(D rows, D details, S issueDate) {
    last_ = AnnualReport(QStringLiteral("Obrazac PPP - pojedinačni izveštaj"), rows, details, issueDate);
    Output(TStatementPrintout(rows && details ? PPPStatementWithDocuments(*rows, *details, Company(), issueDate)
                                              : TStatementBook{}));
}

void TReportEngine::ExecuteSalaryPPPPOReport(D rows, S issueDate) {
    last_ = AnnualReport(QStringLiteral("Obrazac PPP-PO"), rows, nullptr, issueDate);
    Output(TPPPPOPrintout(rows ? PPPPOCertificates(*rows) : std::vector<TPPPPOCertificate>{}, Company(), issueDate));
}

void TReportEngine::ExecuteSalaryM4KReport(D rows, S issueDate) {
    ExecuteTables(AnnualReport(QStringLiteral("Obrazac M-4K"), rows, nullptr, issueDate),
                  {rows ? M4ListTable(*rows) : TTable{}});
}

void TReportEngine::ExecuteSalaryM4IndividualReport(D rows, D details, S issueDate) {
    last_ = AnnualReport(QStringLiteral("Obrazac M-4 - pojedinačni"), rows, details, issueDate);
    Output(TStatementPrintout(rows ? M4Statements(*rows, details, Company(), issueDate) : TStatementBook{}));
}
