#pragma once

#include "CustomDM.h"
#include "SalaryOptions.h"
#include "db/DataSet.h"
#include "db/SqlQuery.h"

#include <QString>

// The payroll module's one data module: every dataset of the module, its
// options, the calculation state and (in the calculation library) the
// calculation procedures. It lives from module load to module unload.
class TSalaryDM : public TCustomDM {
    Q_OBJECT
public:
    explicit TSalaryDM(QObject* parent = nullptr);
    ~TSalaryDM() override;

    void DataModuleCreate() override;
    void CreateFieldValidations() override;
    // Reads the options from the settings store; without a connection it does nothing.
    void LoadOptions();

    // --- datasets on tables -------------------------------------------------
    TSqlQuery* SalaryZQ;
    TSqlQuery* SalaryItemZQ;
    TSqlQuery* SalaryTaxZQ;
    TSqlQuery* SalaryTaxItemZQ;
    TSqlQuery* SalaryCreditZQ;
    TSqlQuery* SalaryCreditItemZQ;
    TSqlQuery* SalaryCreditItemFrameZQ;
    TSqlQuery* SalaryItemDifferenceZQ;
    TSqlQuery* SalaryItemCoefficientZQ;
    TSqlQuery* SalaryReportPPPZQ;
    TSqlQuery* SalaryReportM4ZQ;
    TSqlQuery* SalaryReportRegisterEmployeeZQ;
    TSqlQuery* SalaryReportRegisterIncomeZQ;
    TSqlQuery* SalaryReportUnifiedCollectionZQ;
    TSqlQuery* SalaryReportPPPPOZQ;
    TSqlQuery* AddZQ;

    // --- in-memory datasets of prints and exports (their fields are
    // defined by the code that fills them) --------------------------------
    TDataSet* PaymentListsItemCDS;
    TDataSet* PaymentListsItemCreditItemCDS;
    TDataSet* PaymentListsItemDifferenceCDS;
    TDataSet* PaymentListsItemCoefficientCDS;
    TDataSet* RecapitulationCDS;
    TDataSet* ZipFormCDS;
    TDataSet* ChamberCDS;
    TDataSet* PaymentErrandsCDS;
    TDataSet* ExportTreasuryCDS;
    TDataSet* CreditsCDS;
    TDataSet* OPJCDS;
    TDataSet* ODCDS;
    TDataSet* INSZCDS;
    TDataSet* NZ1CDS;
    TDataSet* SalaryReportM4CDS;
    TDataSet* EmployeeCertificateCDS;
    TDataSet* EmployeeIncomeRecapitulationCDS;
    TDataSet* ReportIncomeRecapitulationCDS;

    // --- options and run-time state -------------------------------------------
    TSalaryOptions Options;
    bool Calculating = false;
    bool SuspendRecalculation = false;
    bool ExportingTreasury = false;
    bool ExportingUnifiedCollection = false;
    bool EditingLines = true;

    // Display handlers of the document list.
    QString SalaryZQstatusGetText(const TField& field) const;
    QString SalaryZQsalarytypeGetText(const TField& field) const;

    // Every dataset by name (for scripted access and generic views).
    TDataSet* DataSetByName(const QString& name) const;
    QList<TDataSet*> DataSets() const;

private:
    TSqlQuery* makeQuery(const QString& name, const QString& table, const QString& sql, bool cached);
    TDataSet* makeMemory(const QString& name);
};

// The item dataset's query, with the computed columns and the employee's data.
QString SalaryItemSql();
QString SalaryItemDifferenceSql();
