#pragma once

#include "CustomViewerForm.h"
#include "Kbasesnapin.h"

class IConsole;
class QMenu;
class TSalaryDM;

// The salary list: the documents of SalaryZQ and the module's commands.
class TSalaryViewerForm : public TCustomViewerForm {
    Q_OBJECT
public:
    TSalaryViewerForm(TSalaryDM& dm, IConsole& console, QWidget* parent = nullptr);
    ~TSalaryViewerForm() override;

    QAction* CustomAdd;
    QAction* SalaryRegularAdd;
    QAction* SalarySickAdd;
    QAction* SalaryTransportAdd;
    QAction* SalaryEdit;
    QAction* SalaryDelete;
    QAction* SalaryTaxRates;
    QAction* SalaryCreditRates;
    QAction* SalaryReports;
    QAction* SalaryAnnualReportPPP;
    QAction* SalaryAnnualReportPPPPO;
    QAction* SalaryAnnualReportM4;
    QAction* SalaryMonthlyReportExportUnifiedCollection;
    QAction* SalaryMonthlyReportExportTreasury;
    QAction* SalaryMonthlyReportExportRegisterEmployee;
    QAction* SalaryMonthlyReportExportRegisterIncome;
    QAction* SalaryStaffReportCertificateReport;
    QAction* SalaryStaffReportIncomeRecapitulationReport;
    QAction* SalaryReportIncomeRecapitulationReport;
    QAction* SalaryOptions;
    // The hidden toolbar button: prints the table of earlier and new amounts.
    QAction* SalaryAddPrint;

    QMenu* AddMenu;
    QMenu* ReportsMenu;

    // The columns of the list, in order.
    static QStringList ListColumns();

protected slots:
    void DBGDblClick(const QModelIndex& index) override;

private slots:
    void SalaryOptionsExecute();
    void SalaryEditExecute();
    void SalaryDeleteExecute();
    void SalaryAddPrintExecute();
    void SalaryAnnualReportPPPPOExecute();

public:
    // Appends a document of the type ("Z", "B", "P") and opens it in its editor.
    void SalaryAdd(const QString& salaryType);

private:

private:
    void CreateActions();
    bool HasDocument() const;
    void CreateMenus();
    void CreateToolBar();
    void CreatePopupMenu();
    // Shows a command whose work a later version brings, disabled.
    void MarkNotAvailable(QAction* action);
    // Drops a toolbar button's menu down under it (the keyboard route to it).
    void DropDown(QAction* action);

    TSalaryDM& dm_;
    IConsole& console_;
};

class TSalaryViewer : public TCustomViewer {
public:
    static constexpr int ViewerType = 1017;

    TSalaryViewer(IConsole& console, TSalaryDM& dm);
    ~TSalaryViewer() override;

    // Connects the data module to the database through the security module
    // and loads the options; does nothing once connected.
    void Load(ISnapin& snapin) override;
    QWidget* Show(QWidget* parent) override;
    void Hide() override;

    TSalaryViewerForm* Form() const;

protected:
    TCustomViewerForm* InternalCreateFrame() override;
    void InternalDestroyFrame() override;

private:
    TSalaryDM& dm_;
    QPointer<TSalaryViewerForm> form_;
};
