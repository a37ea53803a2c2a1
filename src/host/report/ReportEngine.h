#pragma once

#include "Report.h"
#include "ReportError.h"
#include "ReportTable.h"

#include <QObject>
#include <QString>

#include <vector>

class Connection;
class QWidget;
class TDataSet;
class TPrintout;
struct TCompanyInfo;

// The host's report engine. A print creates one, calls one operation with
// datasets it has prepared in full, and frees it. The company comes from the
// settings store of `connection`, the month and payment date from the
// document. The payment lists have their own layouts (pay slips, lists with
// subtotals, recapitulations); the other operations lay their datasets out
// as generic tables. The result goes to a print preview, or to a PDF file.
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
    // Where the pay slips sent by mail are written, one PDF per employee;
    // without it the user is asked for a folder (when there is a window).
    void setPaySlipFolder(const QString& dir) { paySlipFolder_ = dir; }
    // What the last operation printed, and on how many pages (PDF only).
    const TReport& LastReport() const { return last_; }
    int LastPageCount() const { return lastPages_; }
    // The pay slip files the last operation wrote.
    int LastPaySlipFiles() const { return lastFiles_; }

    // Writes the pay slips of the rows to `dir`, one PDF per employee named
    // "<code>-<yyyy>-<mm>.pdf"; returns how many. Throws EReportError when
    // the folder or a file cannot be written.
    int WritePaySlips(D rows, D credits, D differences, D coefficients, D document, const QString& dir);

    // The host's print of a viewer's grid: the dataset with the grid's columns,
    // under a title and an optional header line (the period, say).
    void ExecuteDataSetReport(const QString& title, D dataSet, const QStringList& fields,
                              const QString& header = QString());

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
    // A laid-out list under the company and the document.
    void ExecuteTables(TReport report, std::vector<TTable> tables);
    void Output(const TPrintout& printout);
    TCompanyInfo Company() const;

    Connection* connection_;
    QWidget* parentWidget_;
    QString pdfPath_;
    QString paySlipFolder_;
    TReport last_;
    int lastPages_ = 0;
    int lastFiles_ = 0;
};
