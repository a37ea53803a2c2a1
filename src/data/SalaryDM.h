#pragma once

#include "CustomDM.h"
#include "SalaryOptions.h"
#include "db/DataSet.h"
#include "db/SqlQuery.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <memory>

// Parameters of an earlier document that a new one starts from.
struct TLastSalaryDesc {
    double maxsalaryvalue = 0, minsalaryvalue = 0, baudvalue = 0, minnetsalaryprice = 0, minnetsalaryvalue = 0,
           workingyearsincrementpercent = 0, mealrefund = 0, vacationrefund = 0, voluntarypensiontaxfreevalue = 0,
           netdecreasepercent = 0, netdecreaseminvalue = 0, taxpercent = 0, taxfreevalue = 0;
    qint32 workinghours = 0;
};

// A gross amount against the document's minimum and maximum contribution
// bases (answered by TSalaryDM::GetGrossStatus).
enum class TGrossStatus { gsMin, gsNormal, gsMax };

// Field handles and the rate and deduction sets the calculation keeps (src/calc).
struct TCalcState;
// Earlier earnings of employees that the leave calculations read (src/calc).
class TLeaveHistory;

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
    // Drops unsaved edits and reads the current document and its lines
    // again, as they are stored now (after another workstation changed them).
    void SalaryReload();
    // Posts ("p") or unposts ("n") the current, applied document.
    void RegisterSalary(bool post);
    // Inside the transaction of a write of the current document's lines or
    // detail rows: raises the stored document's version if it is still the
    // one read and the document is not posted, so that such a write never
    // lands in a posted document or on top of another user's change. Throws
    // EVersionConflict (or, for a posted document, EDatabaseError) otherwise;
    // a document not stored yet has nothing to claim.
    void ClaimDocument();
    bool SalaryPosted() const;

    // The list's search: reopens SalaryZQ with the documents the keys select,
    // newest payment date first, on the first row.
    void SalarySearch(const QList<QPair<QString, QString>>& keys);
    // Reopens the list on its query after a document was made outside it (a
    // copy): the documents it showed stay, the new one joins them, current.
    void SalaryListShow(qint64 salaryid);

    // Every dataset by name (for scripted access and generic views).
    TDataSet* DataSetByName(const QString& name) const;
    QList<TDataSet*> DataSets() const;

private:
    // The list's query: the last search's, or the initial one that selects nothing.
    QString salaryListSql_;
    void ConnectLifecycleHandlers();
    // Posts the header; a new one first takes a number still free.
    void PostHeaderWithFreeNumber();
    // Refuses (with a warning) a change to a document stored as posted.
    void refuseWhenPosted() const;
    TSqlQuery* makeQuery(const QString& name, const QString& table, const QString& sql, bool cached);
    TDataSet* makeMemory(const QString& name);

    // --- calculation (defined in src/calc) ------------------------------------
    // Every procedure works on the current document (SalaryZQ), the current
    // line (SalaryItemZQ) and the rate items of the document's set, and writes
    // its results through the line's fields, so that their change handlers run.
public:
    // Loads the rate set of the current document (a document being inserted
    // takes the default set) and fills the rate globals; false, after an error
    // message, when there is no rate set.
    bool SalaryTaxItemsOpen();
    TGrossStatus GetGrossStatus(double Gross, double MinBase, double MaxBase, double OvertimeHours,
                                double WorkingHours, int VacationHours, int SickHours, int NightHours,
                                int HolidayHours, int NightHolidayHours, int PaidLeaveHours, int PublicHolidayHours,
                                int FundHours) const;
    // Sum of the employee-borne percentages and the tax relief of a rate set.
    void CalculateCorrection(double& Percent, double& Correction, qint64 WorkingStateID, qint64 SalaryTaxID);

    double CalculateRegularWork(double WorkingHours, double OvertimeHours, double Coefficient, int VacationHours,
                                int SickHours, int LongSickHours, int NightHours, int HolidayHours,
                                int NightHolidayHours, int PaidLeaveHours, int PublicHolidayHours);
    // The line's agreed regular pay for the given hours, after the net decrease.
    double CalculateArrangedWork(int Hours);
    double CalculateGross(double RegularWork);
    // Writes the net (paymentvalue) of the line's gross.
    void CalculateNet();
    // From a typed net: the gross, regular work and difference, then the net.
    void CalculateGrossFromNet();
    // The same for transport documents, with the document's single tax.
    void CalculateOtherGrossFromNet();

    // The net of a line recomputed with a net reduction of Percent; ids 0 mean
    // the current line, otherwise the stored line is read.
    void CalculatePreDecreasedNetValueFromGrossValue(qint64 SalaryID, qint64 SalaryItemID, double Percent,
                                                     double& RegularNet, double& OtherNet, double& WorkNet,
                                                     double& WorkGross, double& PensionRelief);
    // Writes the decreased net, the amount for payment and the deductions.
    void CalculateDecreasedNet();
    // Takes the voluntary pension and the line's deductions from the decreased
    // net: writes paymentnetvalue and credits.
    void CalculateDeductions();
    // The deduction set of the current line: the line takes the set and its
    // deductions; without a set nothing is deducted, not even the voluntary
    // pension, and the whole decreased net is paid. Both post the line.
    void AssignLineDeductionSet(qint64 salaryCreditId);
    void RemoveLineDeductionSet();

    double CalculateNightWorking(double Price, double Hours, double Base);
    double CalculateHolidayWorking(double Price, double Base, int Hours);
    double CalculateNightHolidayWorking(double Price, double Base, int Hours);
    double CalculateAbsence(int AbsenceHours, double Fund, double MinBase);

    // The gross of the document's minimum net wage (the minimum gross floor).
    double CalculatedMinNetSalaryGross = 0;

    // The calculation's field handles and the rate and deduction sets it has
    // read; built on first use.
    TCalcState& CalcState();
    // Forgets the rate and deduction sets read by key (opening a document does it).
    void ForgetCalculationSets();

    // --- recalculation triggers (defined in src/calc/SalaryTriggers*.cpp) -----
    // A document is calculated by editing it: every input field of the header
    // and of a line has a change handler that recalculates what depends on it.
    // The creators of the module (editor host, command line, tests that drive
    // the module as a user would) wire them once after construction.
    void ConnectRecalculationTriggers();
    // The module on a database as a user edits with it: messages through
    // `messages`, the stored options, every trigger wired. For the creators
    // that have the connection from the start (command line, benchmarks,
    // tests); the host connects later, when its viewer loads.
    void ConnectForEditing(Connection& connection, IMessages& messages);
    // The gross of the document's minimum net wage, from its rate set ("Z" only).
    void UpdateCalculatedMinNetSalaryGross();

    void SalaryZQbaudvalueChange(TField& Sender);
    void SalaryZQminsalaryvalueChange(TField& Sender);
    void SalaryZQminnetsalarypriceChange(TField& Sender);
    void SalaryZQworkinghoursChange(TField& Sender);
    void SalaryZQnetdecreasepercentChange(TField& Sender);
    void RecalculateItemsRegularWork();
    void RecalculateItemsNet();

    void SalaryItemZQworkinghoursChange(TField& Sender);
    void SalaryItemZQregularworkChange(TField& Sender);
    void SalaryItemZQdecrementpercChange(TField& Sender);
    void SalaryItemZQincrementpercChange(TField& Sender);
    void SalaryItemZQsalaryvalueChange(TField& Sender);
    void SalaryItemZQpaymentvalueChange(TField& Sender);
    void SalaryItemZQnightworkinghoursChange(TField& Sender);
    void SalaryItemZQovertimehoursChange(TField& Sender);
    void SalaryItemZQholidayworkinghoursChange(TField& Sender);
    void SalaryItemZQnightholidayworkinghoursChange(TField& Sender);

    // --- leave and sick pay (src/calc/LeavePay.cpp, SalaryTriggersLeave.cpp) --
    // Compensations from the employee's average earnings over earlier posted
    // regular documents; each works on the current line and document and
    // returns 0 when there is no line.
    double CalculateVacation();
    double CalculateSick();
    double CalculatePaidLeave(int Hours);
    double CalculateLongSick();
    double CalculateChildCare();
    double CalculateMaternityLeave();

    void SalaryItemZQvacationhoursChange(TField& Sender);
    void SalaryItemZQsickhoursChange(TField& Sender);
    void SalaryItemZQpaidleavehoursChange(TField& Sender);
    void SalaryItemZQpublicholidayhoursChange(TField& Sender);
    void SalaryItemZQabsencehoursChange(TField& Sender);
    void SalaryItemZQsickpercentChange(TField& Sender);
    void SalaryItemZQlongsickhoursChange(TField& Sender);
    void SalaryItemZQchildcareleavehoursChange(TField& Sender);
    void SalaryItemZQmaternityleavehoursChange(TField& Sender);
    // Event of longsickvalue, maternityleavevalue and childcareleavevalue.
    void SalaryItemZQlongsickvalueChange(TField& Sender);

    // Bulk operations read the earnings history of all their employees at
    // once (two queries) instead of two queries per line: the history of
    // the employees with a line in the open document, or of the given ones,
    // is kept until as many ForgetLeaveHistory calls as preloads (the scope
    // LeaveHistoryPreload in AverageEarnings.h does both).
    void PreloadLeaveHistory();
    void PreloadLeaveHistory(const QList<qint64>& EmployeeIDs);
    void ForgetLeaveHistory();
    // The earnings history kept for the leave calculations; built on first use.
    TLeaveHistory& LeaveHistory();

    // --- adding employees (src/calc/AddEmployees.cpp) -------------------------
    // Both need the document's lines open; they return how many lines they added.
    int AddOneEmployee(qint64 EmployeeID);
    int AddAllActiveEmployees();

    // --- differences and coefficients (src/calc/DifferencesAndCoefficients.cpp)
    void SalaryItemDifferenceZQNewRecord(TDataSet& DataSet);
    void SalaryItemCoefficientZQNewRecord(TDataSet& DataSet);
    void SalaryItemDifferenceZQdifferencepercChange(TField& Sender);
    void SalaryItemCoefficientZQworkinghoursChange(TField& Sender);
    void SalaryItemCoefficientZQnightworkinghoursChange(TField& Sender);
    void SalaryItemCoefficientZQovertimehoursChange(TField& Sender);
    void SalaryItemCoefficientZQholidayworkinghoursChange(TField& Sender);
    void SalaryItemCoefficientZQnightholidayworkinghoursChange(TField& Sender);
    // Reopens the detail rows of a line, on the first row.
    void DifferencesOpen(qint64 SalaryItemID);
    void CoefficientsOpen(qint64 SalaryItemID);
    // Carry the stored detail rows into the current line.
    void DifferenceApply(qint64 SalaryItemID);
    void CoefficientApply(qint64 SalaryItemID);

    // --- rate editor (defined in src/calc/TaxRatesManage.cpp) -----------------
    // Display and entry of the rate items, the new-record defaults and the
    // refusal to change a set a document uses; the editor connects them.
    void ConnectTaxRateHandlers();
    // The default set with all its items (chamber ones too); a new set when there is none.
    void OpenTaxItems();
    // Starts a new set: a copy of the default set's items, without the second reference.
    void OpenNewRates();
    void ApplyTaxItems();
    void CancelOldTaxes(qint64 SalaryTaxID);
    // Stores the new set with its items and makes it the only default, in one transaction.
    void ApplyNewRates();
    // Drops the set being composed and its items.
    void CancelNewRates();
    bool TaxSetUsed(qint64 SalaryTaxID);
    QString SalaryTaxItemZQtaxstatusGetText(const QVariant& status) const;
    QString SalaryTaxItemZQmaxsalaryGetText(const QVariant& flag) const;
    // The stored values of the texts entered in the status and yes/no columns.
    static QString TaxStatusOfText(const QString& text);
    static QString FlagOfText(const QString& text);

    // --- deduction editor (defined in src/calc/CreditRates.cpp) ---------------
    void ConnectCreditRateHandlers();
    // The set `SalaryCreditID` when above 0, else the employee's default set;
    // without one, a new set is started.
    void OpenCreditItems(qint64 SalaryCreditID, qint64 EmployeeID);
    // Starts a new set: a copy of the employee's default set, without descriptions.
    void OpenNewCreditItems(qint64 EmployeeID);
    // Appends a copy of the current template (without its description) to the set being composed.
    void AppendCreditTemplate();
    // Stores the new set with its deductions and makes it the employee's only default, in one transaction.
    void ApplyNewCredits(qint64 EmployeeID);
    void CancelOldCredits(qint64 SalaryCreditID, qint64 EmployeeID);
    // Leaves the employee without a default set: new lines take no deductions.
    void DeactivateCredits(qint64 EmployeeID);
    void CancelNewCredits();
    bool ComposingCredits() const;
    // The set shown: the one opened or the one just applied; -1 while composing.
    qint64 CreditRatesSetKey() const { return creditRatesSetKey_; }
    // The active employees as the chooser lists them, or the one employee.
    QList<QPair<qint64, QString>> CreditEmployees(qint64 OnlyEmployeeID = 0);
    // The active employee a chooser text names: by code, else by "last first"; 0 when none.
    qint64 CreditEmployeeOfText(const QString& text);

    // --- deduction prints (defined in src/calc/CreditPrints.cpp) --------------
    enum class TCreditsPrint { Summary, Analytic, AnalyticEmployee };
    // Fills CreditsCDS from the lines of the open document; false when it stays empty.
    bool PrepareCredits(TCreditsPrint print);
    static QString CreditsPrintTitle(TCreditsPrint print);

private:
    std::shared_ptr<TCalcState> calcState_;
    std::shared_ptr<TLeaveHistory> leaveHistory_;
    qint64 taxRatesSetKey_ = -1;
    qint64 creditRatesSetKey_ = -1;
};

// The item dataset's query, with the computed columns and the employee's data.
QString SalaryItemSql();
QString SalaryItemDifferenceSql();
