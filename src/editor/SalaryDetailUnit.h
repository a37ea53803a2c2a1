#pragma once

#include "CustomDetailForm.h"

#include <QHash>
#include <QStringList>

#include <functional>

class IConsole;
class QAction;
class QLabel;
class QMenu;
class QModelIndex;
class QPushButton;
class QStatusBar;
class QTableView;
class QToolButton;
class SalaryLineModel;
class TReportEngine;
class TDBComboBox;
class TDBEdit;
class TReportEngine;
class TSalaryDM;

// What distinguishes the editors of the three document types.
struct TSalaryDetailVariant {
    const char* caption;
    QStringList columns;          // the line grid, in order
    QStringList readOnlyColumns;  // of those, the ones never typed into
    QStringList hiddenHeader;     // header columns not shown
    QStringList shownHeader;      // header columns shown that the regular editor hides
    QStringList ellipsisColumns;  // grid columns with a "..." button (see EllipsisClick)
    bool doubleClickOpensEmployee = true;
    bool importButton = false;    // a button for the spreadsheet import beside the grid
};

// The editor of one salary document ("Detalji zarade"): the header of the
// current SalaryZQ row, its lines in SalaryItemZQ and every command of the
// document. The header is edited in place; line edits stay cached until
// the document is applied. Everything it does goes through the data module.
class TSalaryDetailForm : public TCustomDetailForm {
    Q_OBJECT
public:
    TSalaryDetailForm(TSalaryDM& dm, IConsole& console, QWidget* parent = nullptr);
    ~TSalaryDetailForm() override;

    // The view-only rate editor of the document (the list's library owns it).
    std::function<void(QWidget* owner)> ShowTaxRates;

    static TSalaryDetailVariant RegularVariant();
    static QStringList HeaderColumns();

    // --- controls ---------------------------------------------------------
    QHash<QString, TDBEdit*> HeaderEdits;  // by column
    TDBComboBox* MonthCB;
    TDBComboBox* YearCB;
    QTableView* SalaryItemDBG;
    SalaryLineModel* LineModel;
    QStatusBar* StatusBar;
    QLabel* CountPanel;
    QLabel* StatusPanel;
    QToolButton* RegisterButton;
    QPushButton* OKButton;
    QPushButton* CancelButton;
    QPushButton* ApplyButton;
    QPushButton* ImportButton = nullptr;

    // --- actions ----------------------------------------------------------
    QAction* CustomOK;
    QAction* CustomApply;
    QAction* CustomCancel;
    QAction* SalaryPaymentDate;
    QAction* SalaryAccountingDate;
    QAction* AddAllEmployees;
    QAction* AddEmplyee;
    QAction* DeleteAllEmployees;
    QAction* ItemDelete;  // the current line (Ctrl+Del in the grid)
    QAction* SalaryHours;
    QAction* SalaryMeal;
    QAction* SalaryVacation;
    QAction* EmployeeDetails;
    QAction* SalaryComparison;  // "Razlike u odnosu na prethodni obračun"
    QAction* ItemMoveUp;
    QAction* ItemMoveDown;
    QAction* SalaryTaxes;
    QAction* SalaryRegister;
    QAction* SalaryUnregister;
    QAction* SalaryCopy;
    QAction* SalaryPrint;
    QAction* SalaryDeductions;
    QAction* SalaryExportUnifiedCollection;
    QAction* SalaryExportTreasury;
    QAction* SalaryImportAttendance;
    QAction* SalaryImportExcel;
    QMenu* PrintMenu;
    QMenu* DeductionsMenu;
    QMenu* ImportMenu;
    // Entries of the menus whose work later versions bring: kept out of sight.
    QList<QAction*> LaterActions;
    // The prints of the document (object name: the action's name) and the
    // pay slip of the current line.
    QList<QAction*> PaymentPrintActions;
    QAction* SalaryPrintLinePaySlip = nullptr;
    // Prints go to this engine instead of a preview of their own (tests write PDFs).
    void SetReportEngine(TReportEngine* engine) { reportEngine_ = engine; }
    // Runs the print of that name on the applied document.
    void PaymentPrintExecute(const QString& action);
    // The pay slip of the current line alone, in the preview.
    void SalaryPrintLinePaySlipExecute();

    bool HasUnsavedChanges() const override;
    // The document is editable only while not posted.
    bool Editable() const;
    // Read-only everywhere while posted; writes the status text.
    void SetActivity();
    void UpdateActions();
    // The apply action; false (after a message) when the database refused.
    bool Apply();
    // The key of the copy made by "Kopiraj"; 0 when none was made.
    qint64 CopiedSalaryID() const { return copiedSalaryId_; }
    // Runs the "..." button of a grid cell (also Ctrl+Enter in the cell).
    void EllipsisClick(const QModelIndex& index);
    // What the "..." button of a grid column opens; empty for a column without one.
    static QString EllipsisToolTip(const QString& column);

protected:
    TSalaryDetailForm(TSalaryDM& dm, IConsole& console, const TSalaryDetailVariant& variant, QWidget* parent);
    bool SaveChanges() override;
    void DiscardChanges() override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateHeader();
    void CreateGrid();
    void CreateButtons();
    void FormCreate();
    void RefreshMarking();
    // Runs a data-module operation; false after a message when it was refused.
    bool Guarded(const std::function<void()>& operation);
    QAction* NewAction(const QString& name, const QString& caption, void (TSalaryDetailForm::*handler)());
    QAction* LaterAction(const QString& caption);
    void CreatePrintMenu();
    // Shows each print only where it applies to the document.
    void UpdatePrintMenu();
    // Payment orders and e-banking files (SalaryDetailErrands.cpp).
    void CreateErrandMenus(QMenu* errands, QMenu* ebank);
    void SalaryPaymentErrandsEntireExecute();
    void SalaryPaymentErrandsTextModeExecute();
    void SalaryEBankExportSagaExecute();
    void SalaryEBankExportHalcomExecute();
    // The PPP-PD rows of this document (SalaryDetailReturns.cpp).
    void SalaryExportUnifiedCollectionExecute();
    TReportEngine* reportEngine_ = nullptr;

    void CustomOKExecute();
    void CustomApplyExecute();
    void CustomCancelExecute();
    void SalaryPaymentDateExecute();
    void SalaryAccountingDateExecute();
    void AddAllEmployeesExecute();
    void AddEmplyeeExecute();
    void DeleteAllEmployeesExecute();
    void ItemDeleteExecute();
    void SalaryHoursExecute();
    void SalaryMealExecute();
    void SalaryVacationExecute();
    void EmployeeDetailsExecute();
    void SalaryComparisonExecute();
    void ItemMoveUpExecute();
    void ItemMoveDownExecute();
    void SalaryTaxesExecute();
    void SalaryRegisterExecute();
    void SalaryUnregisterExecute();
    void SalaryCopyExecute();
    void SalaryPrintExecute();
    // The treasury's split of the document's month.
    void SalaryExportTreasuryExecute();
    void SalaryDeductionsExecute();
    // Imports into an empty document (SalaryDetailImports.cpp); both
    // actions are enabled only while the document may be filled.
    void SalaryImportAttendanceUpdate();
    void SalaryImportAttendanceExecute();
    void SalaryImportExcelExecute();
    // The entries of the deductions menu, there from the start so that the
    // button's arrow never drops down an empty menu.
    void FillDeductionsMenu();
    // The date dialog from today; the chosen date goes into every column.
    void AskDate(const QStringList& columns);
    // The hours check and the apply that adding employees starts with.
    bool ReadyToAddEmployees();
    // Runs `panel` on the current line and applies after it; the line stays
    // current. Pending edits are first settled by the question of closing
    // (apply, discard or stay), since the panels keep rows by the line's key.
    void RunLinePanel(const std::function<void(qint64 salaryItemId)>& panel);
    void DropDown(QAction* action);
    // "Last First" of the current line, the title of its panel.
    QString LineTitle() const;
    void SortByColumn(int column);

    TSalaryDM& dm_;
    IConsole& console_;
    TSalaryDetailVariant variant_;
    qint64 copiedSalaryId_ = 0;
    int sortedColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};
