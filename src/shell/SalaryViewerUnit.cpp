#include "SalaryViewerUnit.h"

#include "CreditRatesUnit.h"
#include "EmployeeCertificateUnit.h"
#include "ExportTreasuryForm.h"
#include "HostResourceStrings.h"
#include "Messages.h"
#include "ReportEngine.h"
#include "ReportM4Form.h"
#include "ReportPPPForm.h"
#include "ReportPPPPOForm.h"
#include "ReportRegisterEmployeeForm.h"
#include "ReportUnifiedCollectionUnit.h"
#include "SalaryDM.h"
#include "SalaryEditorOpen.h"
#include "SalaryOptionsUnit.h"
#include "SalaryShellResourceString.h"
#include "TaxRatesUnit.h"
#include "db/DataSetTableModel.h"
#include "db/DbError.h"

#include <QAction>
#include <QDate>
#include <QHeaderView>
#include <QMenu>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

TSalaryViewerForm::TSalaryViewerForm(TSalaryDM& dm, IConsole& console, QWidget* parent)
    : TCustomViewerForm(parent), dm_(dm), console_(console) {
    setObjectName(QStringLiteral("SalaryViewerForm"));
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreatePopupMenu();

    auto* model = new DataSetTableModel(dm_.SalaryZQ, ListColumns(), this);
    model->setReadOnly(true);
    BindGrid(model);
    DBG->horizontalHeader()->setMinimumSectionSize(70);
    DBG->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

TSalaryViewerForm::~TSalaryViewerForm() = default;

QStringList TSalaryViewerForm::ListColumns() {
    return {QStringLiteral("salarytype"),   QStringLiteral("salarynumber"),    QStringLiteral("year"),
            QStringLiteral("month"),        QStringLiteral("paymentdate"),     QStringLiteral("accountingdate"),
            QStringLiteral("status"),       QStringLiteral("partcoefficient"), QStringLiteral("baudvalue"),
            QStringLiteral("workinghours")};
}

void TSalaryViewerForm::CreateActions() {
    const auto cap = [](const char* text) { return QString::fromUtf8(text); };
    CustomAdd = NewAction(QStringLiteral("CustomAdd"), cap("Dodaj"), QKeySequence(Qt::CTRL | Qt::Key_Insert),
                          QStyle::SP_FileIcon);
    SalaryRegularAdd = NewAction(QStringLiteral("SalaryRegularAdd"), cap("Zarada"));
    SalarySickAdd = NewAction(QStringLiteral("SalarySickAdd"), cap("Bolovanje"));
    SalaryTransportAdd = NewAction(QStringLiteral("SalaryTransportAdd"), cap("Prevoz"));
    SalaryEdit = NewAction(QStringLiteral("SalaryEdit"), cap("Uredi"), QKeySequence(Qt::CTRL | Qt::Key_Return),
                           QStyle::SP_FileDialogContentsView);
    SalaryDelete = NewAction(QStringLiteral("SalaryDelete"), cap("Izbriši"), QKeySequence(Qt::CTRL | Qt::Key_Delete),
                             QStyle::SP_TrashIcon);
    SalaryTaxRates = NewAction(QStringLiteral("SalaryTaxRates"), cap("Porezi"), QKeySequence(Qt::CTRL | Qt::Key_D),
                               QStyle::SP_FileDialogDetailedView);
    SalaryCreditRates = NewAction(QStringLiteral("SalaryCreditRates"), cap("Obustave"),
                                  QKeySequence(Qt::CTRL | Qt::Key_K), QStyle::SP_FileDialogListView);
    SalaryReports = NewAction(QStringLiteral("SalaryReports"), cap("Izveštaji"), QKeySequence(Qt::CTRL | Qt::Key_I),
                              QStyle::SP_FileDialogInfoView);
    SalaryAnnualReportPPP = NewAction(QStringLiteral("SalaryAnnualReportPPP"), cap("PPP"));
    SalaryAnnualReportPPPPO = NewAction(QStringLiteral("SalaryAnnualReportPPPPO"), cap("PPP-PO"));
    SalaryAnnualReportM4 = NewAction(QStringLiteral("SalaryAnnualReportM4"), cap("M4"));
    SalaryMonthlyReportExportUnifiedCollection = NewAction(QStringLiteral("SalaryMonthlyReportExportUnifiedCollection"),
                                                           cap("Izvezi za objedinjenu naplatu"));
    SalaryMonthlyReportExportTreasury = NewAction(QStringLiteral("SalaryMonthlyReportExportTreasury"),
                                                  cap("Izvezi za trezor - MZ"));
    SalaryMonthlyReportExportRegisterEmployee = NewAction(QStringLiteral("SalaryMonthlyReportExportRegisterEmployee"),
                                                          cap("Izvezi za trezor - zaposleni"));
    SalaryMonthlyReportExportRegisterIncome = NewAction(QStringLiteral("SalaryMonthlyReportExportRegisterIncome"),
                                                        cap("Izvezi za trezor - primanja"));
    SalaryStaffReportCertificateReport = NewAction(QStringLiteral("SalaryStaffReportCertificateReport"), cap("Potvrda"));
    SalaryStaffReportIncomeRecapitulationReport = NewAction(
        QStringLiteral("SalaryStaffReportIncomeRecapitulationReport"), cap("Rekapitulacija primanja"));
    SalaryReportIncomeRecapitulationReport = NewAction(QStringLiteral("SalaryReportIncomeRecapitulationReport"),
                                                       cap("Rekapitulacija primanja"));
    SalaryOptions = NewAction(QStringLiteral("SalaryOptions"), cap("Opcije"), QKeySequence(Qt::CTRL | Qt::Key_O),
                              QStyle::SP_DialogApplyButton);
    SalaryAddPrint = NewAction(QStringLiteral("SalaryAddPrint"), cap("Štampa dodatne tabele"));
    SalaryAddPrint->setVisible(false);

    for (QAction* action :
         {SalaryMonthlyReportExportRegisterIncome,
          SalaryStaffReportIncomeRecapitulationReport,
          SalaryReportIncomeRecapitulationReport})
        MarkNotAvailable(action);

    connect(SalaryRegularAdd, &QAction::triggered, this, [this] { SalaryAdd(QStringLiteral("Z")); });
    connect(SalarySickAdd, &QAction::triggered, this, [this] { SalaryAdd(QStringLiteral("B")); });
    connect(SalaryTransportAdd, &QAction::triggered, this, [this] { SalaryAdd(QStringLiteral("P")); });
    connect(SalaryEdit, &QAction::triggered, this, &TSalaryViewerForm::SalaryEditExecute);
    connect(SalaryAnnualReportPPP, &QAction::triggered, this, [this] {
        if (dm_.Connected())
            TReportPPPForm(dm_, console_.Messages(), this).exec();
    });
    connect(SalaryAnnualReportM4, &QAction::triggered, this, [this] {
        if (dm_.Connected())
            TReportM4Form(dm_, console_.Messages(), this).exec();
    });
    connect(SalaryDelete, &QAction::triggered, this, &TSalaryViewerForm::SalaryDeleteExecute);
    connect(SalaryAddPrint, &QAction::triggered, this, &TSalaryViewerForm::SalaryAddPrintExecute);
    connect(SalaryTaxRates, &QAction::triggered, this, [this] {
        if (dm_.Connected())
            TaxRatesManage(dm_, console_.Messages(), false, this);
    });
    connect(SalaryCreditRates, &QAction::triggered, this, [this] {
        if (dm_.Connected())
            CreditRatesManage(dm_, console_.Messages(), this);
    });

    connect(SalaryStaffReportCertificateReport, &QAction::triggered, this, [this] {
        if (!dm_.Connected())
            return;
        TEmployeeCertificateForm form(dm_, console_.Messages(), this);
        form.exec();
    });
    connect(SalaryAnnualReportPPPPO, &QAction::triggered, this, &TSalaryViewerForm::SalaryAnnualReportPPPPOExecute);
    connect(SalaryMonthlyReportExportUnifiedCollection, &QAction::triggered, this, [this] {
        if (dm_.Connected())
            ShowReportUnifiedCollection(dm_, console_.Messages(), false, this);
    });
    connect(SalaryMonthlyReportExportTreasury, &QAction::triggered, this, [this] {
        const QDate today = QDate::currentDate();
        if (dm_.Connected())
            TExportTreasuryForm(dm_, console_.Messages(), today.year(), today.month(), this).exec();
    });
    connect(SalaryMonthlyReportExportRegisterEmployee, &QAction::triggered, this, [this] {
        if (dm_.Connected())
            TReportRegisterEmployeeForm(dm_, console_.Messages(), QDate::currentDate(), this).exec();
    });
    connect(SalaryOptions, &QAction::triggered, this, &TSalaryViewerForm::SalaryOptionsExecute);
    connect(CustomAdd, &QAction::triggered, this, [this] { DropDown(CustomAdd); });
    connect(SalaryReports, &QAction::triggered, this, [this] { DropDown(SalaryReports); });
}

void TSalaryViewerForm::MarkNotAvailable(QAction* action) {
    action->setEnabled(false);
    action->setToolTip(action->text() + QStringLiteral(": ") + QString::fromUtf8(_SAL_NOT_AVAILABLE_YET));
}

void TSalaryViewerForm::CreateMenus() {
    AddMenu = new QMenu(this);
    AddMenu->setObjectName(QStringLiteral("AddMenu"));
    AddMenu->setToolTipsVisible(true);
    AddMenu->addActions({SalaryRegularAdd, SalarySickAdd, SalaryTransportAdd});
    CustomAdd->setMenu(AddMenu);

    ReportsMenu = new QMenu(this);
    ReportsMenu->setObjectName(QStringLiteral("ReportsMenu"));
    ReportsMenu->setToolTipsVisible(true);
    QMenu* annual = ReportsMenu->addMenu(QStringLiteral("Godišnji"));
    annual->setToolTipsVisible(true);
    annual->addAction(SalaryAnnualReportPPP);
    annual->addAction(SalaryAnnualReportPPPPO);
    annual->addSeparator();
    annual->addAction(SalaryAnnualReportM4);
    QMenu* monthly = ReportsMenu->addMenu(QStringLiteral("Mesečni"));
    monthly->setToolTipsVisible(true);
    monthly->addAction(SalaryMonthlyReportExportUnifiedCollection);
    monthly->addSeparator();
    monthly->addAction(SalaryMonthlyReportExportTreasury);
    monthly->addAction(SalaryMonthlyReportExportRegisterEmployee);
    monthly->addAction(SalaryMonthlyReportExportRegisterIncome);
    ReportsMenu->addSeparator();
    QMenu* staff = ReportsMenu->addMenu(QStringLiteral("Zaposleni"));
    staff->setToolTipsVisible(true);
    staff->addAction(SalaryStaffReportCertificateReport);
    staff->addAction(SalaryStaffReportIncomeRecapitulationReport);
    ReportsMenu->addAction(SalaryReportIncomeRecapitulationReport);
    SalaryReports->setMenu(ReportsMenu);

    ActionList = {CustomAdd,      SalaryEdit,         SalaryDelete,    NewSeparator(), SalaryTaxRates,
                  SalaryCreditRates, SalaryReports, NewSeparator(), SalaryOptions};
}

void TSalaryViewerForm::CreateToolBar() {
    ActionTB->addActions({CustomAdd, SalaryEdit, SalaryDelete});
    ActionTB->addSeparator();
    ActionTB->addActions({SalaryTaxRates, SalaryCreditRates, SalaryReports});
    ActionTB->addSeparator();
    ActionTB->addActions({SalaryOptions, SalaryAddPrint});
    for (QAction* dropDown : {CustomAdd, SalaryReports})
        if (auto* button = qobject_cast<QToolButton*>(ActionTB->widgetForAction(dropDown)))
            button->setPopupMode(QToolButton::InstantPopup);
}

void TSalaryViewerForm::CreatePopupMenu() {
    PopupMenu->setToolTipsVisible(true);
    QMenu* add = PopupMenu->addMenu(QStringLiteral("Dodaj"));
    add->setToolTipsVisible(true);
    add->addActions({SalaryRegularAdd, SalarySickAdd, SalaryTransportAdd});
    PopupMenu->addActions({SalaryEdit, SalaryDelete});
    PopupMenu->addSeparator();
    PopupMenu->addActions({SalaryTaxRates, SalaryCreditRates});
    QMenu* annual = PopupMenu->addMenu(QStringLiteral("Godišnji izveštaji"));
    annual->setToolTipsVisible(true);
    annual->addActions({SalaryAnnualReportPPP, SalaryAnnualReportM4});
    PopupMenu->addSeparator();
    PopupMenu->addAction(SalaryOptions);
    PopupMenu->addSeparator();
    PopupMenu->addAction(ColumnsVisibility);
}

void TSalaryViewerForm::DropDown(QAction* action) {
    if (auto* button = qobject_cast<QToolButton*>(ActionTB->widgetForAction(action)); button && button->isVisible())
        button->showMenu();
}

void TSalaryViewerForm::DBGDblClick(const QModelIndex& index) {
    TCustomViewerForm::DBGDblClick(index);
    SalaryEdit->trigger();
}

void TSalaryViewerForm::SalaryOptionsExecute() {
    TOptionsForm form(dm_, console_.Messages(), this);
    form.exec();
}

void TSalaryViewerForm::SalaryAnnualReportPPPPOExecute() {
    if (!dm_.Connected())
        return;
    try {
        TReportPPPPOForm form(dm_, console_, this);
        form.exec();
    } catch (const EDatabaseError& error) {
        console_.Messages().error(error.message());
    }
}

bool TSalaryViewerForm::HasDocument() const { return dm_.SalaryZQ->active() && !dm_.SalaryZQ->isEmpty(); }

void TSalaryViewerForm::SalaryAdd(const QString& salaryType) {
    if (!dm_.Connected())
        return;
    try {
        dm_.SalaryAddDocument(salaryType);
    } catch (const EAbort&) {
        return;
    } catch (const EDatabaseError& error) {
        console_.Messages().error(error.message());
        return;
    }
    SalaryEditExecute();
}

void TSalaryViewerForm::SalaryEditExecute() {
    if (!HasDocument())
        return;
    const qint64 copy = SalaryDocumentEdit(
        dm_, console_, [this](QWidget* owner) { TaxRatesManage(dm_, console_.Messages(), true, owner); }, this);
    if (copy <= 0)
        return;
    try {
        dm_.SalaryListShow(copy);
    } catch (const EDatabaseError& error) {
        console_.Messages().error(error.message());
    }
}

void TSalaryViewerForm::SalaryDeleteExecute() {
    if (!HasDocument())
        return;
    try {
        dm_.SalaryZQ->remove();
    } catch (const EAbort&) {
    } catch (const EDatabaseError& error) {
        console_.Messages().error(error.message());
    }
}

void TSalaryViewerForm::SalaryAddPrintExecute() {
    if (!dm_.Connected())
        return;
    try {
        dm_.AddZQ->close();
        dm_.AddZQ->open();
        TReportEngine engine(this, dm_.ZConnection());
        engine.ExecuteSalaryAddReport(dm_.AddZQ);
    } catch (const EDatabaseError& error) {
        console_.Messages().error(error.message());
    } catch (const EReportError& error) {
        console_.Messages().error(error.message());
    }
}

TSalaryViewer::TSalaryViewer(IConsole& console, TSalaryDM& dm) : TCustomViewer(console, ViewerType), dm_(dm) {}

TSalaryViewer::~TSalaryViewer() { DestroyFrame(); }

TSalaryViewerForm* TSalaryViewer::Form() const { return form_; }

TCustomViewerForm* TSalaryViewer::InternalCreateFrame() {
    form_ = new TSalaryViewerForm(dm_, Console());
    return form_;
}

void TSalaryViewer::InternalDestroyFrame() { delete form_.data(); }

void TSalaryViewer::Load(ISnapin&) {
    if (dm_.ZConnection() && dm_.Connected())
        return;
    auto* security = FindModule<ISecurityModule>(Console(), IID_ISecurityModule);
    if (!security) {
        Console().Messages().error(
            QString::fromUtf8(_CMN_NO_MODULE).arg(QString::fromUtf8(_CMN_MOD_SECURITY_NAME)));
        return;
    }
    if (!dm_.ZConnection())
        dm_.SetZConnection(security->DatabaseConnection());
    security->Connect();
    try {
        dm_.LoadOptions();
        // The list shows its initial query (no document) until the first search.
        if (dm_.Connected() && !dm_.SalaryZQ->active())
            dm_.SalaryZQ->open();
    } catch (const EDatabaseError& error) {
        Console().Messages().error(error.message());
    }
}

QWidget* TSalaryViewer::Show(QWidget* parent) {
    QWidget* frame = TCustomViewer::Show(parent);
    Console().SetViewerGrid(form_ ? form_->DBG : nullptr);
    return frame;
}

void TSalaryViewer::Hide() {
    TCustomViewer::Hide();
    Console().SetViewerGrid(nullptr);
}
