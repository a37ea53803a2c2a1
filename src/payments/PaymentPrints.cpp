#include "PaymentPrints.h"

#include "Excelexportunit.h"
#include "PaymentLists.h"
#include "PaymentSets.h"
#include "Recapitulation.h"
#include "ReportEngine.h"
#include "SalaryDM.h"
#include "db/DbError.h"

namespace {

const QString RecapitulationToExcel = QStringLiteral("SalaryPrintRecapitulationToExcel");

QString paymentDate(const TSalaryDM& dm) {
    return dm.SalaryZQ->fieldByName(QStringLiteral("paymentdate"))->asDate().toString(QStringLiteral("dd.MM.yyyy"));
}

bool decreasesNet(const TSalaryDM& dm) {
    return dm.SalaryZQ->fieldByName(QStringLiteral("netdecreasepercent"))->asFloat() > 0;
}

QChar salaryType(const TSalaryDM& dm) {
    const QString type = dm.SalaryZQ->fieldByName(QStringLiteral("salarytype"))->asString();
    return type.isEmpty() ? QChar() : type.at(0);
}

// Lists ordered by an index are printed so and left in document order.
class ListIndex {
public:
    ListIndex(TSalaryDM& dm, const QString& index) : dm_(dm) { SetPaymentListsIndex(dm, index); }
    ~ListIndex() { SetPaymentListsIndex(dm_, QString()); }
    ListIndex(const ListIndex&) = delete;
    ListIndex& operator=(const ListIndex&) = delete;

private:
    TSalaryDM& dm_;
};

// The lists: the payment list rows under the payment date.
using ListOperation = void (TReportEngine::*)(const TDataSet*, const TDataSet*, const QString&);
void printList(TSalaryDM& dm, TReportEngine& engine, ListOperation operation, const QString& index = {}) {
    ListIndex ordered(dm, index);
    PreparePaymentLists(dm, decreasesNet(dm), 0);
    (engine.*operation)(dm.PaymentListsItemCDS, dm.SalaryZQ, paymentDate(dm));
}

using RecapitulationOperation = void (TReportEngine::*)(const QString&, const TDataSet*, const TDataSet*,
                                                        const TDataSet*);
void printRecapitulation(TSalaryDM& dm, TReportEngine& engine, RecapitulationOperation operation,
                         const QString& title, bool decreased, const QString& index = {}) {
    ListIndex ordered(dm, index);
    PrepareChambers(dm);
    if (!decreased)
        PrepareRecapitulation(dm, RecapitulationAll, false);
    (engine.*operation)(title, dm.RecapitulationCDS, dm.SalaryZQ, dm.ChamberCDS);
}

void printChambers(TSalaryDM& dm, TReportEngine& engine, ListOperation operation, const QString& index = {}) {
    ListIndex ordered(dm, index);
    PrepareChambers(dm);
    (engine.*operation)(dm.ChamberCDS, dm.SalaryZQ, paymentDate(dm));
}

QString captionOf(const QString& action) {
    for (const TPaymentPrint& print : PaymentPrints())
        if (print.action == action)
            return print.caption;
    return {};
}

}  // namespace

const QList<TPaymentPrint>& PaymentPrints() {
    static const QList<TPaymentPrint> prints = {
        {QStringLiteral("SalaryPrintRecapitulation"), QStringLiteral("Rekapitulacija")},
        {RecapitulationToExcel, QStringLiteral("Izvezi u Excel")},
        {QStringLiteral("SalaryPrintRecapitulationNotDecreasedNet"), QStringLiteral("Rekapitulacija (bez umanj. neto)")},
        {QStringLiteral("SalaryPrintRecapitulationOrgUnit"), QStringLiteral("Rekapitulacija po org. jed.")},
        {QStringLiteral("SalaryPrintRecapitulationSubOrgUnit"), QStringLiteral("Rekapitulacija po pod org. jed.")},
        {QStringLiteral("SalaryPrintRecapitulationSubOrgUnitZipForm"), QStringLiteral("Zip obrazac")},
        {QStringLiteral("SalaryPrintSalaryList"), QStringLiteral("Platni spisak")},
        {QStringLiteral("SalaryPrintSalaryListExtended"), QStringLiteral("Platni spisak prošireni")},
        {QStringLiteral("SalaryPrintSalaryListOrgUnit"), QStringLiteral("Platni spisak po org. jedinicama")},
        {QStringLiteral("SalaryPrintSalaryListSubOrgUnit"), QStringLiteral("Platni spisak po pod org. jed.")},
        {QStringLiteral("SalaryPrintSalaryTransportList"), QStringLiteral("Spisak za prevoz")},
        {QStringLiteral("SalaryPrintSalaryEvidence"), QStringLiteral("Evidencija zarade")},
        {QStringLiteral("SalaryPrintPaymentLists"), QStringLiteral("Obračunski listići")},
        {QStringLiteral("SalaryPrintTransportPaymentLists"), QStringLiteral("Obračunski listići")},
        {QStringLiteral("SalaryPrintForPaymentLists"), QStringLiteral("Spisak za isplatu po bankama")},
        {QStringLiteral("SalaryPrintChambersFee"), QStringLiteral("Članarine komorama"), true},
        {QStringLiteral("SalaryPrintChambersFeeOrgUnit"), QStringLiteral("Članarine komorama po org. jed."), true},
        {QStringLiteral("SalaryPrintChambersFeeSubOrgUnit"), QStringLiteral("Članarine komorama po pod org. jed."),
         true},
    };
    return prints;
}

bool IsPaymentPrint(const QString& action) { return !captionOf(action).isEmpty(); }

bool PaymentPrintApplies(const TSalaryDM& dm, const QString& action) {
    if (action == QLatin1String("SalaryPrintRecapitulationNotDecreasedNet"))
        return decreasesNet(dm);
    if (action == QLatin1String("SalaryPrintPaymentLists"))
        return salaryType(dm) != QLatin1Char('P');
    if (action == QLatin1String("SalaryPrintTransportPaymentLists"))
        return salaryType(dm) == QLatin1Char('P');
    return IsPaymentPrint(action);
}

void RunPaymentPrint(TSalaryDM& dm, const QString& action, TReportEngine& engine) {
    using E = TReportEngine;
    const QString title = captionOf(action);
    if (action == QLatin1String("SalaryPrintSalaryList"))
        printList(dm, engine, &E::ExecuteSalaryListReport);
    else if (action == QLatin1String("SalaryPrintSalaryListExtended"))
        printList(dm, engine, &E::ExecuteSalaryListExtendedReport);
    else if (action == QLatin1String("SalaryPrintSalaryListOrgUnit"))
        printList(dm, engine, &E::ExecuteSalaryListPerOrgUnitReport, OrganizationUnitIndex);
    else if (action == QLatin1String("SalaryPrintSalaryListSubOrgUnit"))
        printList(dm, engine, &E::ExecuteSalaryListPerSubOrgUnitReport, SubOrganizationUnitIndex);
    else if (action == QLatin1String("SalaryPrintSalaryEvidence"))
        printList(dm, engine, &E::ExecuteSalaryEvidenceReport);
    else if (action == QLatin1String("SalaryPrintSalaryTransportList"))
        printList(dm, engine, &E::ExecuteSalaryTransportListReport);
    else if (action == QLatin1String("SalaryPrintForPaymentLists"))
        printList(dm, engine, &E::ExecuteSalaryForPaymentListReport, AccountIndex);
    else if (action == QLatin1String("SalaryPrintPaymentLists")) {
        PreparePaymentLists(dm, decreasesNet(dm), 0);
        engine.ExecuteSalaryPaymentListsReport(dm.PaymentListsItemCDS, dm.PaymentListsItemCreditItemCDS,
                                               dm.PaymentListsItemDifferenceCDS, dm.PaymentListsItemCoefficientCDS,
                                               dm.SalaryZQ, QString(), QString(), QString(), dm.Options.Outlook);
    } else if (action == QLatin1String("SalaryPrintTransportPaymentLists")) {
        PreparePaymentLists(dm, decreasesNet(dm), 0);
        engine.ExecuteSalaryTransportPaymentListsReport(dm.PaymentListsItemCDS, dm.SalaryZQ);
    } else if (action == QLatin1String("SalaryPrintRecapitulation"))
        printRecapitulation(dm, engine, &E::ExecuteSalaryRecapitulationReport, title, true);
    else if (action == QLatin1String("SalaryPrintRecapitulationNotDecreasedNet"))
        printRecapitulation(dm, engine, &E::ExecuteSalaryRecapitulationReport, title, false);
    else if (action == QLatin1String("SalaryPrintRecapitulationOrgUnit"))
        printRecapitulation(dm, engine, &E::ExecuteSalaryRecapitulationPerOrgUnitReport, title, true,
                            OrganizationUnitIndex);
    else if (action == QLatin1String("SalaryPrintRecapitulationSubOrgUnit"))
        printRecapitulation(dm, engine, &E::ExecuteSalaryRecapitulationPerSubOrgUnitReport, title, true,
                            SubOrganizationUnitIndex);
    else if (action == QLatin1String("SalaryPrintRecapitulationSubOrgUnitZipForm")) {
        PrepareZipForm(dm);
        engine.ExecuteSalaryRecapitulationZipFormReport(dm.ZipFormCDS, dm.SalaryZQ);
    } else if (action == QLatin1String("SalaryPrintChambersFee"))
        printChambers(dm, engine, &E::ExecuteSalaryChambersReport);
    else if (action == QLatin1String("SalaryPrintChambersFeeOrgUnit"))
        printChambers(dm, engine, &E::ExecuteSalaryChambersPerOrgUnitReport, OrganizationUnitIndex);
    else if (action == QLatin1String("SalaryPrintChambersFeeSubOrgUnit"))
        printChambers(dm, engine, &E::ExecuteSalaryChambersPerSubOrgUnitReport, SubOrganizationUnitIndex);
    else
        throw EDatabaseError(QStringLiteral("Nepoznata štampa \"%1\".").arg(action));
}

QString RecapitulationSheetName(const TSalaryDM& dm) {
    return QStringLiteral("Rekapitulacija-%1-%2")
        .arg(dm.SalaryZQ->fieldByName(QStringLiteral("month"))->asInteger())
        .arg(dm.SalaryZQ->fieldByName(QStringLiteral("year"))->asInteger());
}

void WriteRecapitulationSheet(TSalaryDM& dm, const QString& fileName) {
    PrepareRecapitulation(dm, RecapitulationAll, true);
    const TDataSet& recapitulation = *dm.RecapitulationCDS;
    TXlsStream stream(fileName);
    XlsBeginStream(stream, 0);
    // The money lines, "Broj zaposlenih" to "Akontacioni porezi i doprinosi".
    const int last = recapitulation.fieldByName(QStringLiteral("prevtaxvalue"))->index();
    for (int c = 0; c <= last; ++c) {
        const TField* field = recapitulation.field(c);
        XlsWriteCellLabel(stream, 0, c, field->displayLabel());
        const QVariant& value = recapitulation.valueAt(0, c);
        if (field->dataType() == FieldType::Float)
            XlsWriteCellNumber(stream, 1, c, value.toDouble());
        else if (field->dataType() == FieldType::String)
            XlsWriteCellLabel(stream, 1, c, value.toString());
        else
            XlsWriteCellRk(stream, 1, c, value.toInt());
    }
    // Under columns 1 to 11 the whole hours of work, overtime, the
    // supplements and the leave kinds, in the order of their sums.
    const char* const hours[] = {"workinghours", "nightworkinghours", "overtimehours", "holidayworkinghours",
                                 "nightholidayworkinghours", "paidleavehours", "publicholidayhours", "absencehours",
                                 "vacationhours", "sickhours", "longsickhours"};
    for (int c = 0; c < 11; ++c)
        XlsWriteCellRk(stream, 2, c + 1,
                       int(std::llround(recapitulation.valueAt(0, recapitulation.fieldByName(QLatin1String(hours[c]))
                                                                        ->index())
                                            .toDouble())));
    XlsEndStream(stream);
}
