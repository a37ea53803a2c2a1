#pragma once

#include "Report.h"
#include "ReportError.h"

#include <QObject>
#include <QString>

class Connection;
class QWidget;
class TDataSet;

// The host's report engine. A print creates one, calls one operation with
// datasets it has prepared in full, and frees it. Every operation lays its
// datasets out as tables under a title and a header with the company (from
// the settings store of `connection`), the document's month and payment date
// and the texts passed, and shows the result in a print preview.
class TReportEngine : public QObject {
    Q_OBJECT
public:
    using D = const TDataSet*;
    using S = const QString&;

    // `owner` parents the preview when it is a widget.
    explicit TReportEngine(QObject* owner = nullptr, Connection* connection = nullptr);
    ~TReportEngine() override;

    // From now on reports are written to this PDF file instead of the
    // preview; a file that cannot be written throws EReportError.
    void renderToPdf(const QString& path) { pdfPath_ = path; }
    // What the last operation printed, and on how many pages (PDF only).
    const TReport& LastReport() const { return last_; }
    int LastPageCount() const { return lastPages_; }

    // The host's print of a viewer's grid: the dataset with the grid's columns.
    void ExecuteDataSetReport(const QString& title, D dataSet, const QStringList& fields);

    void ExecuteSalaryAddReport(D additional);

    void ExecuteSalaryListReport(D rows, D document, S text);
    void ExecuteSalaryListExtendedReport(D rows, D document, S text);
    void ExecuteSalaryListPerOrgUnitReport(D rows, D document, S text);
    void ExecuteSalaryListPerSubOrgUnitReport(D rows, D document, S text);
    void ExecuteSalaryEvidenceReport(D rows, D document, S text);
    void ExecuteSalaryTransportListReport(D rows, D document, S text);
    void ExecuteSalaryForPaymentListReport(D rows, D document, S text);

    void ExecuteSalaryPaymentListsReport(D rows, D credits, D differences, D coefficients, D document, S text1,
                                         S text2, S text3, bool sendByMail);
    void ExecuteSalaryTransportPaymentListsReport(D rows, D document);
    void ExecuteSalaryRecapitulationZipFormReport(D recapitulation, D document);

    void ExecuteSalaryRecapitulationReport(S text, D recapitulation, D document, D chambers);
    void ExecuteSalaryRecapitulationPerOrgUnitReport(S text, D recapitulation, D document, D chambers);
    void ExecuteSalaryRecapitulationPerSubOrgUnitReport(S text, D recapitulation, D document, D chambers);

    void ExecuteSalaryChambersReport(D chambers, D document, S text);
    void ExecuteSalaryChambersPerOrgUnitReport(D chambers, D document, S text);
    void ExecuteSalaryChambersPerSubOrgUnitReport(D chambers, D document, S text);

    void ExecuteSalaryPaymentErrands(D document, D errands, S paymentDate, bool a4Errands);

    void ExecuteSalaryOPJReport(D data, D document, S text);
    void ExecuteSalaryODReport(D data, D document, S text);
    void ExecuteSalaryOD1Report(D data, D document, S text);
    void ExecuteSalaryINSZReport(D data, D document, S text);
    void ExecuteSalaryTaxSpecificationReport(D data, D document, S text1, S text2);
    void ExecuteSalaryNZ1Report(D data, D document);

    void ExecuteSalaryPPPIndividualReport(D rows, S issueDate);
    void ExecuteSalaryPPPIndividualReportReport(D rows, D details, S issueDate);
    void ExecuteSalaryPPPPOReport(D rows, S issueDate);
    void ExecuteSalaryM4KReport(D rows, S issueDate);
    void ExecuteSalaryM4IndividualReport(D rows, D details, S issueDate);

private:
    void Execute(TReport report);

    Connection* connection_;
    QWidget* parentWidget_;
    QString pdfPath_;
    TReport last_;
    int lastPages_ = 0;
};
