#pragma once

#include "CustomDM.h"
#include "SalaryOptions.h"
#include "db/DataSet.h"
#include "db/SqlQuery.h"

#include <QDate>
#include <QString>
#include <QStringList>

// Parameters of an earlier document that a new one starts from.
struct TLastSalaryDesc {
    double maxsalaryvalue = 0, minsalaryvalue = 0, baudvalue = 0, minnetsalaryprice = 0, minnetsalaryvalue = 0,
           workingyearsincrementpercent = 0, mealrefund = 0, vacationrefund = 0, voluntarypensiontaxfreevalue = 0,
           netdecreasepercent = 0, netdecreaseminvalue = 0, taxpercent = 0, taxfreevalue = 0;
    qint32 workinghours = 0;
};

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
    QString SalaryZQstatusGetText(const QVariant& status) const;
    QString SalaryZQsalarytypeGetText(const QVariant& salaryType) const;

    // --- document lifecycle (SalaryLifecycle.cpp) ---------------------------
    void SalaryZQNewRecord(TDataSet& dataSet);
    bool GetLastSalary(const QString& salaryType, TLastSalaryDesc& desc);
    int GetSalaryIndex(int year, int month, const QString& salaryType);
    // Copies a document with its lines; returns the new key.
    qint64 CopySalary(qint64 salaryid, QStringList& assignments);
    // The assignments a copy made today gets: dates, the previous month, its number, status "n".
    QStringList CopySalaryAssignments(const QDate& today);
    void SalaryItemZQBeforeDelete(TDataSet& dataSet);
    void RecalcSalaryItemSortNum(int sort);
    QString GetDefaultCurrency();
    QString GetEmployeeEmailAddress(qint64 employeeid);

    // Appends a document of the type with its defaults (the list's add).
    void SalaryAddDocument(const QString& salaryType);
    // What the editor sets on a document being inserted: the month before
    // `today` and the next number of that month and type.
    void SetNewSalaryPeriod(const QDate& today);
    // Opens the lines of the current document, ordered by "sort".
    void SalaryItemsOpen();
    // Writes the header and the cached lines in one transaction; lines
    // without a document get its key. When the database refuses, nothing is
    // stored and the edits stay as they were.
    void SalaryApply();
    bool SalaryModified() const;
    // Drops unsaved header and line edits.
    void SalaryCancel();
    // Posts ("p") or unposts ("n") the current, applied document.
    void RegisterSalary(bool post);
    bool SalaryPosted() const;

    // The list's search: reopens SalaryZQ with the documents the keys select,
    // newest payment date first, on the first row.
    void SalarySearch(const QList<QPair<QString, QString>>& keys);

    // Every dataset by name (for scripted access and generic views).
    TDataSet* DataSetByName(const QString& name) const;
    QList<TDataSet*> DataSets() const;

private:
    void ConnectLifecycleHandlers();
    // Refuses (with a warning) a change to a document stored as posted.
    void refuseWhenPosted() const;
    TSqlQuery* makeQuery(const QString& name, const QString& table, const QString& sql, bool cached);
    TDataSet* makeMemory(const QString& name);
};

// The item dataset's query, with the computed columns and the employee's data.
QString SalaryItemSql();
QString SalaryItemDifferenceSql();
