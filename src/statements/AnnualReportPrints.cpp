#include "AnnualReportPrints.h"

#include "ReportEngine.h"
#include "ReportM4.h"
#include "ReportPPP.h"
#include "SalaryDM.h"
#include "db/DataSet.h"
#include "db/DbError.h"
#include "db/SqlQuery.h"

#include <QDate>

namespace {

QString today() { return QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")); }

void requireRows(const TDataSet& rows) {
    if (!rows.active() || rows.isEmpty())
        throw EDatabaseError(QStringLiteral("Nema redova za štampu; izveštaj za godinu još nije napravljen."));
}

const QString ListAction = QStringLiteral("ReportPPPPrint");
const QString IndividualAction = QStringLiteral("ReportPPPPrintIndividual");
const QString DetailsAction = QStringLiteral("ReportPPPPrintIndividualReport");
const QString M4ListAction = QStringLiteral("ReportM4Print");
const QString M4IndividualAction = QStringLiteral("ReportM4PrintIndividual");

}  // namespace

const QStringList& AnnualReportPrints() {
    static const QStringList actions{ListAction, IndividualAction, DetailsAction, M4ListAction, M4IndividualAction};
    return actions;
}

bool AnnualPrintNeedsEmployee(const QString& action) { return action == DetailsAction; }

const QStringList& ReportPPPColumns() {
    static const QStringList columns{QStringLiteral("employeename"), QStringLiteral("employeecityaddress"),
                                     QStringLiteral("employeepersonalidentificator"), QStringLiteral("taxbase"),
                                     QStringLiteral("taxvalue"), QStringLiteral("tax1value"),
                                     QStringLiteral("tax2value"), QStringLiteral("tax3value")};
    return columns;
}

const QStringList& ReportM4Columns() {
    static const QStringList columns{
        QStringLiteral("employeename"), QStringLiteral("employeepersonalidentificator"),
        QStringLiteral("workingmonths"), QStringLiteral("workingdays"), QStringLiteral("taxbase"),
        QStringLiteral("taxvalue"), QStringLiteral("tax1base"), QStringLiteral("tax1value"),
        QStringLiteral("contribution4months"), QStringLiteral("contribution4days"),
        QStringLiteral("contribution4value"), QStringLiteral("vocation"), QStringLiteral("vocationcode")};
    return columns;
}

void PrintReportPPPList(TReportEngine& engine, const TDataSet& rows, int year) {
    requireRows(rows);
    engine.ExecuteDataSetReport(QStringLiteral("PPP"), &rows, ReportPPPColumns(),
                                QStringLiteral("Godina %1").arg(year));
}

void PrintReportPPPIndividual(TReportEngine& engine, const TDataSet& rows) {
    requireRows(rows);
    engine.ExecuteSalaryPPPIndividualReport(&rows, today());
}

void PrintReportPPPDetails(TSalaryDM& dm, TReportEngine& engine, const TDataSet& rows, int year, qint64 employeeId) {
    requireRows(rows);
    TDataSet details(QStringLiteral("ReportPPPDetailsCDS"));
    PrepareReportPPPDetails(dm, year, employeeId, details);
    if (details.isEmpty())
        throw EDatabaseError(QStringLiteral("Zaposleni nema proknjiženih obračuna u %1. godini.").arg(year));
    engine.ExecuteSalaryPPPIndividualReportReport(&rows, &details, today());
}

void PrintReportM4List(TReportEngine& engine, const TDataSet& rows) {
    requireRows(rows);
    engine.ExecuteSalaryM4KReport(&rows, today());
}

void PrintReportM4Individual(TSalaryDM& dm, TReportEngine& engine, const TDataSet& rows, int year) {
    requireRows(rows);
    PrepareIndividualM4CDS(dm, year);
    engine.ExecuteSalaryM4IndividualReport(&rows, dm.SalaryReportM4CDS, today());
}

void RunAnnualReportPrint(TSalaryDM& dm, const QString& action, int year, qint64 employeeId, TReportEngine& engine) {
    if (!AnnualReportPrints().contains(action))
        throw EDatabaseError(QStringLiteral("Nepoznata štampa \"%1\".").arg(action));
    if (action.startsWith(QLatin1String("ReportM4"))) {
        OpenReportM4(dm, year);
        if (action == M4ListAction)
            PrintReportM4List(engine, *dm.SalaryReportM4ZQ);
        else
            PrintReportM4Individual(dm, engine, *dm.SalaryReportM4ZQ, year);
        return;
    }
    OpenReportPPP(dm, year);
    const TDataSet& rows = *dm.SalaryReportPPPZQ;
    if (action == ListAction)
        PrintReportPPPList(engine, rows, year);
    else if (action == IndividualAction)
        PrintReportPPPIndividual(engine, rows);
    else
        PrintReportPPPDetails(dm, engine, rows, year, employeeId);
}
