#include "ReportEngine.h"

#include "CompanyInfo.h"
#include "DBIniFile.h"
#include "ReportHtml.h"
#include "ReportPrinter.h"
#include "db/Connection.h"
#include "db/DbError.h"

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

}  // namespace

TReportEngine::TReportEngine(QObject* owner, Connection* connection)
    : QObject(owner), connection_(connection), parentWidget_(qobject_cast<QWidget*>(owner)) {}

TReportEngine::~TReportEngine() = default;

void TReportEngine::Execute(TReport report) {
    TCompanyInfo company;
    if (connection_ && connection_->isConnected()) {
        try {
            company = ReadCompanyInfo(TDBIniFile(*connection_));
        } catch (const EDatabaseError&) {
            // A report without the company's name is still worth printing.
        }
    }
    last_ = std::move(report);
    const TReportLayout layout{ReportHtml(last_, company), last_.title, ReportNeedsLandscape(last_)};
    if (pdfPath_.isEmpty()) {
        lastPages_ = 0;
        ShowReportPreview(layout, parentWidget_);
        return;
    }
    lastPages_ = RenderReportToPdf(layout, pdfPath_);
    if (lastPages_ == 0)
        throw EReportError(QStringLiteral("Ne mogu da upišem izveštaj u datoteku %1.").arg(pdfPath_));
}

void TReportEngine::ExecuteDataSetReport(const QString& title, D dataSet, const QStringList& fields) {
    Execute(Report(title, nullptr, {TReportSection{QString(), dataSet, fields}}));
}

void TReportEngine::ExecuteSalaryAddReport(D additional) {
    Execute(Report(QStringLiteral("Pregled prethodnih i novih iznosa zarada"), nullptr, {Section(QString(), additional)}));
}

void TReportEngine::ExecuteSalaryListReport(D rows, D document, S text) {
    Execute(ListReport(QStringLiteral("Lista zarada"), rows, document, text));
}

void TReportEngine::ExecuteSalaryListExtendedReport(D rows, D document, S text) {
    Execute(ListReport(QStringLiteral("Proširena lista zarada"), rows, document, text));
}

void TReportEngine::ExecuteSalaryListPerOrgUnitReport(D rows, D document, S text) {
    Execute(ListReport(QStringLiteral("Lista zarada po organizacionim jedinicama"), rows, document, text));
}

void TReportEngine::ExecuteSalaryListPerSubOrgUnitReport(D rows, D document, S text) {
    Execute(ListReport(QStringLiteral("Lista zarada po podorganizacionim jedinicama"), rows, document, text));
}

void TReportEngine::ExecuteSalaryEvidenceReport(D rows, D document, S text) {
    Execute(ListReport(QStringLiteral("Evidencija zarada"), rows, document, text));
}

void TReportEngine::ExecuteSalaryTransportListReport(D rows, D document, S text) {
    Execute(ListReport(QStringLiteral("Lista naknada za prevoz"), rows, document, text));
}

void TReportEngine::ExecuteSalaryForPaymentListReport(D rows, D document, S text) {
    Execute(ListReport(QStringLiteral("Lista za isplatu"), rows, document, text));
}

void TReportEngine::ExecuteSalaryPaymentListsReport(D rows, D credits, D differences, D coefficients, D document,
                                                    S text1, S text2, S text3, bool sendByMail) {
    TReport report = Report(QStringLiteral("Platni listići"), document,
                            {Section(QStringLiteral("Zaposleni"), rows), Section(QStringLiteral("Obustave"), credits),
                             Section(QStringLiteral("Razlike"), differences),
                             Section(QStringLiteral("Koeficijenti"), coefficients)},
                            {text1, text2, text3});
    if (sendByMail)
        report.note = QStringLiteral("Slanje platnih listića elektronskom poštom nije podržano; listići su "
                                     "pripremljeni za štampu.");
    Execute(std::move(report));
}

void TReportEngine::ExecuteSalaryTransportPaymentListsReport(D rows, D document) {
    Execute(Report(QStringLiteral("Platni listići za prevoz"), document, {Section(QString(), rows)}));
}

void TReportEngine::ExecuteSalaryRecapitulationZipFormReport(D recapitulation, D document) {
    Execute(Report(QStringLiteral("Statistički obrazac zarada"), document, {Section(QString(), recapitulation)}));
}

void TReportEngine::ExecuteSalaryRecapitulationReport(S text, D recapitulation, D document, D chambers) {
    Execute(RecapitulationReport(QStringLiteral("Rekapitulacija zarada"), text, recapitulation, document, chambers));
}

void TReportEngine::ExecuteSalaryRecapitulationPerOrgUnitReport(S text, D recapitulation, D document, D chambers) {
    Execute(RecapitulationReport(QStringLiteral("Rekapitulacija zarada po organizacionim jedinicama"), text,
                                 recapitulation, document, chambers));
}

void TReportEngine::ExecuteSalaryRecapitulationPerSubOrgUnitReport(S text, D recapitulation, D document,
                                                                   D chambers) {
    Execute(RecapitulationReport(QStringLiteral("Rekapitulacija zarada po podorganizacionim jedinicama"), text,
                                 recapitulation, document, chambers));
}

void TReportEngine::ExecuteSalaryChambersReport(D chambers, D document, S text) {
    Execute(ListReport(QStringLiteral("Članarine komorama"), chambers, document, text));
}

void TReportEngine::ExecuteSalaryChambersPerOrgUnitReport(D chambers, D document, S text) {
    Execute(ListReport(QStringLiteral("Članarine komorama po organizacionim jedinicama"), chambers, document, text));
}

void TReportEngine::ExecuteSalaryChambersPerSubOrgUnitReport(D chambers, D document, S text) {
    Execute(
        ListReport(QStringLiteral("Članarine komorama po podorganizacionim jedinicama"), chambers, document, text));
}

void TReportEngine::ExecuteSalaryPaymentErrands(D document, D errands, S paymentDate, bool a4Errands) {
    TReport report = Report(QStringLiteral("Nalozi za prenos"), document, {Section(QString(), errands)},
                            {QStringLiteral("Datum plaćanja: ") + paymentDate});
    if (!a4Errands)
        report.note = QStringLiteral("Nalozi malog formata nisu podržani; nalozi su prikazani kao tabela.");
    Execute(std::move(report));
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
    Execute(AnnualReport(QStringLiteral("Obrazac PPP - pojedinačni"), rows, nullptr, issueDate));
}

void TReportEngine::ExecuteSalaryPPPIndividualReportReport(D rows, D details, S issueDate) {
    Execute(AnnualReport(QStringLiteral("Obrazac PPP - pojedinačni izveštaj"), rows, details, issueDate));
}

void TReportEngine::ExecuteSalaryPPPPOReport(D rows, S issueDate) {
    Execute(AnnualReport(QStringLiteral("Obrazac PPP-PO"), rows, nullptr, issueDate));
}

void TReportEngine::ExecuteSalaryM4KReport(D rows, S issueDate) {
    Execute(AnnualReport(QStringLiteral("Obrazac M-4K"), rows, nullptr, issueDate));
}

void TReportEngine::ExecuteSalaryM4IndividualReport(D rows, D details, S issueDate) {
    Execute(AnnualReport(QStringLiteral("Obrazac M-4 - pojedinačni"), rows, details, issueDate));
}
