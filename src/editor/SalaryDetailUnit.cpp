// The salary document editor: its controls, its activity and the apply,
// OK and cancel of the document.

#include "SalaryDetailUnit.h"

#include "DBControls.h"
#include "EditorResourceStrings.h"
#include "EllipsisDelegate.h"
#include "ItemsGridSupport.h"
#include "Kinterfaces.h"
#include "Messages.h"
#include "SalaryDM.h"
#include "SalaryLineModel.h"
#include "SalaryLineOrder.h"
#include "db/DbError.h"

#include <QAction>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

namespace {

// Header captions; "*" marks the required columns.
const QHash<QString, QString>& HeaderCaptions() {
    static const QHash<QString, QString> captions = {
        {QStringLiteral("baudvalue"), QStringLiteral("Vrednost boda*")},
        {QStringLiteral("maxsalaryvalue"), QStringLiteral("Maks. osn. dopr.*")},
        {QStringLiteral("minsalaryvalue"), QStringLiteral("Min. osn. dopr.*")},
        {QStringLiteral("month"), QStringLiteral("Mesec*")},
        {QStringLiteral("year"), QStringLiteral("Godina*")},
        {QStringLiteral("paymentdate"), QStringLiteral("Datum isplate*")},
        {QStringLiteral("partcoefficient"), QStringLiteral("Deo %")},
        {QStringLiteral("salarynumber"), QStringLiteral("Broj*")},
        {QStringLiteral("minnetsalaryprice"), QStringLiteral("Min. neto cena rada*")},
        {QStringLiteral("minnetsalaryvalue"), QStringLiteral("Min. neto zarada*")},
        {QStringLiteral("workingyearsincrementpercent"), QStringLiteral("Minuli rad %")},
        {QStringLiteral("accountingdate"), QString::fromUtf8("Datum knjiženja*")},
        {QStringLiteral("voluntarypensiontaxfreevalue"), QStringLiteral("Dobr. pen. neopor.")},
        {QStringLiteral("netdecreasepercent"), QStringLiteral("Proc. neto umanj.")},
        {QStringLiteral("netdecreaseminvalue"), QStringLiteral("Min. vred. neto umanj.")},
        {QStringLiteral("taxpercent"), QStringLiteral("Procenat poreza")},
        {QStringLiteral("taxfreevalue"), QStringLiteral("Neoporeziva vred.")},
        {QStringLiteral("workinghours"), QStringLiteral("Sati*")},
        {QStringLiteral("mealrefund"), QStringLiteral("Topli obr.")},
        {QStringLiteral("vacationrefund"), QStringLiteral("Regres")},
    };
    return captions;
}

// Shown only by the editors that ask for them.
const QStringList HiddenByDefault = {QStringLiteral("taxpercent"), QStringLiteral("taxfreevalue")};

}  // namespace

TSalaryDetailVariant TSalaryDetailForm::RegularVariant() {
    return {_SAL_DETAIL_CAPTION,
            {QStringLiteral("code"),
             QStringLiteral("lastname"),
             QStringLiteral("firstname"),
             QStringLiteral("workinghours"),
             QStringLiteral("vacationhours"),
             QStringLiteral("sickhours"),
             QStringLiteral("sickpercent"),
             QStringLiteral("longsickhours"),
             QStringLiteral("paidleavehours"),
             QStringLiteral("publicholidayhours"),
             QStringLiteral("absencehours"),
             QStringLiteral("nightworkinghours"),
             QStringLiteral("holidayworkinghours"),
             QStringLiteral("nightholidayworkinghours"),
             QStringLiteral("overtimehours"),
             QStringLiteral("coefficient"),
             QStringLiteral("netcoefficient"),
             QStringLiteral("outturn"),
             QStringLiteral("regularwork"),
             QStringLiteral("incrementperc"),
             QStringLiteral("increment"),
             QStringLiteral("decrementperc"),
             QStringLiteral("decrement"),
             QStringLiteral("difference"),
             QStringLiteral("mealrefund"),
             QStringLiteral("vacationrefund"),
             QStringLiteral("salaryvalue"),
             QStringLiteral("voluntarypension"),
             QStringLiteral("paymentvalue"),
             QStringLiteral("paymentdecreasedvalue"),
             QStringLiteral("credits"),
             QStringLiteral("paymentnetvalue")},
            {QStringLiteral("code"), QStringLiteral("lastname"), QStringLiteral("firstname"),
             QStringLiteral("salaryvalue"), QStringLiteral("paymentdecreasedvalue"), QStringLiteral("credits"),
             QStringLiteral("paymentnetvalue")},
            {},
            {},
            // Each on the column it opens (see EllipsisToolTip).
            {QStringLiteral("lastname"), QStringLiteral("coefficient"), QStringLiteral("difference"),
             QStringLiteral("credits")},
            true,
            false};
}

QStringList TSalaryDetailForm::HeaderColumns() {
    return {QStringLiteral("baudvalue"),         QStringLiteral("maxsalaryvalue"),
            QStringLiteral("minsalaryvalue"),    QStringLiteral("month"),
            QStringLiteral("year"),              QStringLiteral("paymentdate"),
            QStringLiteral("partcoefficient"),   QStringLiteral("salarynumber"),
            QStringLiteral("minnetsalaryprice"), QStringLiteral("minnetsalaryvalue"),
            QStringLiteral("workingyearsincrementpercent"), QStringLiteral("accountingdate"),
            QStringLiteral("voluntarypensiontaxfreevalue"), QStringLiteral("netdecreasepercent"),
            QStringLiteral("netdecreaseminvalue"), QStringLiteral("taxpercent"),
            QStringLiteral("taxfreevalue"),      QStringLiteral("workinghours"),
            QStringLiteral("mealrefund"),        QStringLiteral("vacationrefund")};
}

TSalaryDetailForm::TSalaryDetailForm(TSalaryDM& dm, IConsole& console, QWidget* parent)
    : TSalaryDetailForm(dm, console, RegularVariant(), parent) {}

TSalaryDetailForm::TSalaryDetailForm(TSalaryDM& dm, IConsole& console, const TSalaryDetailVariant& variant,
                                     QWidget* parent)
    : TCustomDetailForm(console.Messages(), parent), dm_(dm), console_(console), variant_(variant) {
    setObjectName(QStringLiteral("SalaryDetailForm"));
    setWindowTitle(QString::fromUtf8(variant_.caption));
    CreateActions();
    CreateMenus();
    CreateHeader();
    CreateGrid();
    CreateButtons();
    FormCreate();
    FillDeductionsMenu();
    resize(1200, 680);
}

TSalaryDetailForm::~TSalaryDetailForm() = default;

QAction* TSalaryDetailForm::NewAction(const QString& name, const QString& caption,
                                      void (TSalaryDetailForm::*handler)()) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, handler);
    return action;
}

QAction* TSalaryDetailForm::LaterAction(const QString& caption) {
    auto* action = new QAction(caption, this);
    action->setEnabled(false);
    action->setVisible(false);
    LaterActions << action;
    return action;
}

void TSalaryDetailForm::CreateActions() {
    const auto cap = [](const char* text) { return QString::fromUtf8(text); };
    using F = TSalaryDetailForm;
    CustomOK = NewAction(QStringLiteral("CustomOK"), cap("&U redu"), &F::CustomOKExecute);
    CustomApply = NewAction(QStringLiteral("CustomApply"), cap("&Primeni"), &F::CustomApplyExecute);
    CustomCancel = NewAction(QStringLiteral("CustomCancel"), cap("&Otkaži"), &F::CustomCancelExecute);
    SalaryPaymentDate = NewAction(QStringLiteral("SalaryPaymentDate"), cap("..."), &F::SalaryPaymentDateExecute);
    SalaryAccountingDate =
        NewAction(QStringLiteral("SalaryAccountingDate"), cap("..."), &F::SalaryAccountingDateExecute);
    AddAllEmployees = NewAction(QStringLiteral("AddAllEmployees"), cap("Dodaj sve"), &F::AddAllEmployeesExecute);
    AddEmplyee = NewAction(QStringLiteral("AddEmplyee"), cap("Dodaj"), &F::AddEmplyeeExecute);
    DeleteAllEmployees =
        NewAction(QStringLiteral("DeleteAllEmployees"), cap("Izbriši sve"), &F::DeleteAllEmployeesExecute);
    ItemDelete = NewAction(QStringLiteral("ItemDelete"), cap("Izbriši"), &F::ItemDeleteExecute);
    ItemDelete->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    // Only from the grid: in a header field Ctrl+Del deletes a word.
    ItemDelete->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    ItemDelete->setToolTip(cap(_SAL_DELETE_ITEM_HINT));
    SalaryHours = NewAction(QStringLiteral("SalaryHours"), cap(_SAL_APPLY_TO_ALL), &F::SalaryHoursExecute);
    SalaryMeal = NewAction(QStringLiteral("SalaryMeal"), cap(_SAL_APPLY_TO_ALL), &F::SalaryMealExecute);
    SalaryVacation = NewAction(QStringLiteral("SalaryVacation"), cap(_SAL_APPLY_TO_ALL), &F::SalaryVacationExecute);
    EmployeeDetails = NewAction(QStringLiteral("EmployeeDetails"), cap("Detalji zapos."), &F::EmployeeDetailsExecute);
    ItemMoveUp = NewAction(QStringLiteral("ItemMoveUp"), cap("Na gore"), &F::ItemMoveUpExecute);
    ItemMoveDown = NewAction(QStringLiteral("ItemMoveDown"), cap("Na dole"), &F::ItemMoveDownExecute);
    SalaryTaxes = NewAction(QStringLiteral("SalaryTaxes"), cap("Porezi"), &F::SalaryTaxesExecute);
    SalaryComparison = NewAction(QStringLiteral("SalaryComparison"), cap("Razlike"), &F::SalaryComparisonExecute);
    SalaryComparison->setToolTip(cap("Razlike u odnosu na prethodni obračun"));
    SalaryRegister = NewAction(QStringLiteral("SalaryRegister"), cap("Proknjiži"), &F::SalaryRegisterExecute);
    SalaryUnregister = NewAction(QStringLiteral("SalaryUnregister"), cap("Otknjiži"), &F::SalaryUnregisterExecute);
    SalaryCopy = NewAction(QStringLiteral("SalaryCopy"), cap("Kop&iraj"), &F::SalaryCopyExecute);
    SalaryPrint = NewAction(QStringLiteral("SalaryPrint"), cap("Š&tampaj"), &F::SalaryPrintExecute);
    SalaryDeductions = NewAction(QStringLiteral("SalaryDeductions"), cap("O&bustave"), &F::SalaryDeductionsExecute);
    SalaryExportUnifiedCollection = NewAction(QStringLiteral("SalaryExportUnifiedCollection"),
                                              cap("Izvezi za objedinjenu naplatu"),
                                              &F::SalaryExportUnifiedCollectionExecute);
    SalaryExportTreasury =
        NewAction(QStringLiteral("SalaryExportTreasury"), cap("Izvezi za trezor - MZ"), &F::SalaryExportTreasuryExecute);
    SalaryImportAttendance = NewAction(QStringLiteral("SalaryImportAttendance"), cap("Uvezi iz evid. prisustva"),
                                       &F::SalaryImportAttendanceExecute);
    SalaryImportExcel =
        NewAction(QStringLiteral("SalaryImportExcel"), cap("Uvezi iz Excel-a"), &F::SalaryImportExcelExecute);
    EmployeeDetails->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    ItemMoveUp->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Up));
    ItemMoveDown->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Down));
    CustomApply->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    for (QAction* action : {EmployeeDetails, ItemMoveUp, ItemMoveDown, CustomApply})
        addAction(action);
}

void TSalaryDetailForm::CreateMenus() {
    const auto cap = [](const char* text) { return QString::fromUtf8(text); };
    const auto later = [&](QMenu* menu, std::initializer_list<const char*> captions) {
        for (const char* caption : captions)
            menu->addAction(LaterAction(cap(caption)));
    };
    CreatePrintMenu();
    QMenu* errands = PrintMenu->addMenu(cap("Nalozi za prenos"));
    QMenu* ebank = PrintMenu->addMenu(cap("Izvezi za E-Bank"));
    CreateErrandMenus(errands, ebank);
    later(ebank, {"Pexim"});
    PrintMenu->addAction(SalaryExportTreasury);
    PrintMenu->addAction(SalaryExportUnifiedCollection);
    QMenu* taxForms = PrintMenu->addMenu(cap("Poreski obrasci"));
    later(taxForms, {"OPJ", "Specifikacija poreza", "OD - zaposleni", "OD - osnivači", "OD1", "INSZ-P", "NZ-1"});
    // Submenus whose entries all come later are not shown at all.
    taxForms->menuAction()->setVisible(false);
    SalaryPrint->setMenu(PrintMenu);

    DeductionsMenu = new QMenu(this);
    DeductionsMenu->setObjectName(QStringLiteral("DeductionsMenu"));
    SalaryDeductions->setMenu(DeductionsMenu);

    ImportMenu = new QMenu(this);
    ImportMenu->setObjectName(QStringLiteral("ImportMenu"));
    ImportMenu->setToolTipsVisible(true);
    ImportMenu->addActions({SalaryImportAttendance, SalaryImportExcel});
}

void TSalaryDetailForm::CreateHeader() {
    auto* header = new QGridLayout;
    header->setHorizontalSpacing(10);
    header->setVerticalSpacing(2);
    const QStringList columns = HeaderColumns();
    const int perRow = 5;
    int slot = 0;
    IMessages& messages = console_.Messages();
    const auto applyToAll = [this](QWidget* edit, QAction* action) {
        auto* button = new QToolButton(this);
        button->setObjectName(action->objectName() + QStringLiteral("Button"));
        button->setText(QStringLiteral("..."));
        button->setToolTip(action->text());
        button->setPopupMode(QToolButton::InstantPopup);
        auto* menu = new QMenu(button);
        menu->addAction(action);
        button->setMenu(menu);
        return std::pair<QWidget*, QToolButton*>(edit, button);
    };
    for (const QString& column : columns) {
        const bool hidden = variant_.hiddenHeader.contains(column)
            || (HiddenByDefault.contains(column) && !variant_.shownHeader.contains(column));
        TField& field = *dm_.SalaryZQ->fieldByName(column);
        QWidget* control = nullptr;
        QToolButton* button = nullptr;
        if (column == QLatin1String("month")) {
            MonthCB = new TDBComboBox(field, messages, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, this);
            control = MonthCB;
        } else if (column == QLatin1String("year")) {
            QList<int> years;
            for (int year = QDate::currentDate().year() + 1; year >= 2000; --year)
                years << year;
            YearCB = new TDBComboBox(field, messages, years, this);
            control = YearCB;
        } else {
            auto* edit = new TDBEdit(field, messages, this);
            HeaderEdits.insert(column, edit);
            control = edit;
            if (column == QLatin1String("paymentdate") || column == QLatin1String("accountingdate")) {
                // A tool button strips "..." from its action's text: it is given its own.
                QAction* action = column == QLatin1String("paymentdate") ? SalaryPaymentDate : SalaryAccountingDate;
                button = new QToolButton(this);
                button->setObjectName(action->objectName() + QStringLiteral("Button"));
                button->setText(QStringLiteral("..."));
                connect(button, &QToolButton::clicked, action, &QAction::trigger);
                connect(action, &QAction::changed, button, [button, action] { button->setEnabled(action->isEnabled()); });
            } else if (column == QLatin1String("workinghours")) {
                button = applyToAll(edit, SalaryHours).second;
            } else if (column == QLatin1String("mealrefund")) {
                button = applyToAll(edit, SalaryMeal).second;
            } else if (column == QLatin1String("vacationrefund")) {
                button = applyToAll(edit, SalaryVacation).second;
            }
        }
        if (hidden) {
            control->hide();
            if (button)
                button->hide();
            continue;
        }
        control->setMaximumWidth(150);
        auto* label = new QLabel(HeaderCaptions().value(column), this);
        label->setBuddy(control);
        auto* cell = new QHBoxLayout;
        cell->setSpacing(1);
        cell->addWidget(control, 1);
        if (button)
            cell->addWidget(button);
        header->addWidget(label, (slot / perRow) * 2, slot % perRow);
        header->addLayout(cell, (slot / perRow) * 2 + 1, slot % perRow);
        ++slot;
    }
    header->setColumnStretch(perRow, 1);
    Body->addLayout(header);
}

void TSalaryDetailForm::CreateGrid() {
    ActionTB->addActions({AddAllEmployees, AddEmplyee, ItemDelete, DeleteAllEmployees});
    ActionTB->addSeparator();
    ActionTB->addActions({ItemMoveUp, ItemMoveDown});
    ActionTB->addSeparator();
    ActionTB->addActions({EmployeeDetails, SalaryTaxes, SalaryComparison});
    ActionTB->addSeparator();
    RegisterButton = new QToolButton(this);
    RegisterButton->setObjectName(QStringLiteral("RegisterButton"));
    RegisterButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    RegisterButton->setDefaultAction(SalaryRegister);
    ActionTB->addWidget(RegisterButton);
    ActionTB->addAction(SalaryCopy);
    ActionTB->addSeparator();
    ActionTB->addActions({SalaryPrint, SalaryDeductions});
    auto* imports = new QToolButton(this);
    imports->setText(QStringLiteral("Uvoz"));
    imports->setPopupMode(QToolButton::InstantPopup);
    imports->setMenu(ImportMenu);
    ActionTB->addWidget(imports);

    SalaryItemDBG = new QTableView(this);
    SalaryItemDBG->setObjectName(QStringLiteral("SalaryItemDBG"));
    SalaryItemDBG->addAction(ItemDelete);
    LineModel = new SalaryLineModel(dm_.SalaryItemZQ, variant_.columns, variant_.readOnlyColumns, this);
    SalaryItemDBG->setModel(LineModel);
    SalaryItemDBG->setSelectionMode(QAbstractItemView::SingleSelection);
    SalaryItemDBG->setSelectionBehavior(QAbstractItemView::SelectItems);
    SalaryItemDBG->verticalHeader()->setDefaultSectionSize(SalaryItemDBG->fontMetrics().height() + 6);
    SalaryItemDBG->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    SalaryItemDBG->horizontalHeader()->setDefaultSectionSize(80);
    SalaryItemDBG->horizontalHeader()->setSectionsClickable(true);
    SalaryItemDBG->horizontalHeader()->setSortIndicatorShown(true);
    SalaryItemDBG->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    // Long titles ("Sati bolov. preko 30 dana") wrap onto a second line
    // instead of being cut off on both sides of a narrow column.
    SalaryItemDBG->horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    SalaryItemDBG->horizontalHeader()->setMinimumHeight(2 * SalaryItemDBG->horizontalHeader()->fontMetrics().lineSpacing() + 8);
    connect(SalaryItemDBG->horizontalHeader(), &QHeaderView::sectionClicked, this, &TSalaryDetailForm::SortByColumn);
    // Widths from the titles alone: measuring a thousand lines would slow the opening.
    const QFontMetrics metrics = SalaryItemDBG->horizontalHeader()->fontMetrics();
    for (int column = 0; column < LineModel->columnCount(); ++column) {
        const QString title = LineModel->headerData(column, Qt::Horizontal).toString();
        SalaryItemDBG->setColumnWidth(column, std::clamp(metrics.horizontalAdvance(title) + 24, 70, 100));
    }
    for (const char* name : {"lastname", "firstname"})
        if (const int column = LineModel->columnOf(QLatin1String(name)); column >= 0)
            SalaryItemDBG->setColumnWidth(column, 110);
    for (const QString& column : variant_.ellipsisColumns) {
        const int at = LineModel->columnOf(column);
        if (at < 0)
            continue;
        auto* delegate = new EllipsisDelegate([this] { return Editable(); }, EllipsisToolTip(column), SalaryItemDBG);
        connect(delegate, &EllipsisDelegate::clicked, this, &TSalaryDetailForm::EllipsisClick);
        SalaryItemDBG->setItemDelegateForColumn(at, delegate);
    }
    const GuardedRun run = [this](const std::function<void()>& operation) { return Guarded(operation); };
    FollowItemsCursor(SalaryItemDBG, *dm_.SalaryItemZQ, run);
    connect(LineModel, &DataSetTableModel::editRefused, this,
            [this](const QString& text) { console_.Messages().error(text); });
    if (variant_.doubleClickOpensEmployee)
        connect(SalaryItemDBG, &QTableView::doubleClicked, this, [this] { EmployeeDetails->trigger(); });
    auto* ellipsisKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Return), SalaryItemDBG, nullptr, nullptr,
                                      Qt::WidgetWithChildrenShortcut);
    connect(ellipsisKey, &QShortcut::activated, this, [this] { EllipsisClick(SalaryItemDBG->currentIndex()); });

    auto* gridRow = new QHBoxLayout;
    gridRow->addWidget(SalaryItemDBG, 1);
    if (variant_.importButton) {
        ImportButton = ActionButton(SalaryImportExcel, this);
        auto* side = new QVBoxLayout;
        side->addWidget(ImportButton);
        side->addStretch(1);
        gridRow->addLayout(side);
    }
    Body->addLayout(gridRow, 1);

    const auto refresh = [this] { UpdateActions(); };
    for (TDataSet* ds : {static_cast<TDataSet*>(dm_.SalaryZQ), static_cast<TDataSet*>(dm_.SalaryItemZQ)}) {
        connect(ds, &TDataSet::stateChanged, this, refresh);
        connect(ds, &TDataSet::dataReset, this, refresh);
        connect(ds, &TDataSet::currentRowChanged, this, refresh);
    }
    connect(dm_.SalaryZQ, &TDataSet::rowChanged, this, &TSalaryDetailForm::RefreshMarking);
}

void TSalaryDetailForm::CreateButtons() {
    const TActionButtonRow row = OkCancelApplyRow(this, CustomOK, CustomCancel, CustomApply);
    OKButton = row.ok;
    CancelButton = row.cancel;
    ApplyButton = row.apply;
    // Enter in the grid or the header moves on; it never closes the form.
    OKButton->setDefault(false);
    for (QPushButton* button : {OKButton, CancelButton, ApplyButton})
        button->setAutoDefault(false);
    Body->addLayout(row.row);

    StatusBar = new QStatusBar(this);
    StatusBar->setSizeGripEnabled(false);
    CountPanel = new QLabel(this);
    StatusPanel = new QLabel(this);
    StatusPanel->setObjectName(QStringLiteral("StatusPanel"));
    StatusBar->addWidget(CountPanel, 1);
    StatusBar->addWidget(StatusPanel, 1);
    layout()->addWidget(StatusBar);
}

void TSalaryDetailForm::FormCreate() {
    Guarded([this] {
        dm_.SetNewSalaryPeriod(QDate::currentDate());
        // Without a rate set the user was told; the document still opens.
        dm_.SalaryTaxItemsOpen();
        dm_.SalaryItemsOpen();
        dm_.UpdateCalculatedMinNetSalaryGross();
    });
    RefreshMarking();
    SetActivity();
    if (LineModel->rowCount() > 0)
        SalaryItemDBG->setCurrentIndex(LineModel->index(0, std::max(0, LineModel->columnOf(QStringLiteral("workinghours")))));
}

void TSalaryDetailForm::RefreshMarking() {
    const QString type = dm_.SalaryZQ->fieldByName(QStringLiteral("salarytype"))->asString();
    if (type != QLatin1String("Z") && type != QLatin1String("B")) {
        LineModel->setMarking(std::nullopt);
        return;
    }
    TMinimumPayBasis basis;
    basis.minimumGross = type == QLatin1String("Z") ? dm_.CalculatedMinNetSalaryGross : 0;
    basis.fundHours = dm_.SalaryZQ->fieldByName(QStringLiteral("workinghours"))->asFloat();
    basis.workingYearsPercent = dm_.SalaryZQ->fieldByName(QStringLiteral("workingyearsincrementpercent"))->asFloat();
    basis.nightCoef = dm_.Options.NightWorkingCoef;
    basis.holidayCoef = dm_.Options.HolidayWorkingCoef;
    basis.options = dm_.Options;
    LineModel->setMarking(basis);
}

bool TSalaryDetailForm::Guarded(const std::function<void()>& operation) {
    const bool done = RunGuarded(console_.Messages(), operation);
    UpdateActions();
    return done;
}

bool TSalaryDetailForm::HasUnsavedChanges() const { return dm_.SalaryModified(); }

bool TSalaryDetailForm::Editable() const { return !dm_.SalaryPosted(); }

void TSalaryDetailForm::SetActivity() {
    const bool editable = Editable();
    for (TDBEdit* edit : std::as_const(HeaderEdits))
        edit->setReadOnly(!editable);
    MonthCB->setEnabled(editable);
    YearCB->setEnabled(editable);
    LineModel->setReadOnly(!editable);
    SalaryItemDBG->setEditTriggers(editable ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                                  | QAbstractItemView::AnyKeyPressed
                                            : QAbstractItemView::NoEditTriggers);
    if (variant_.doubleClickOpensEmployee)
        SalaryItemDBG->setEditTriggers(SalaryItemDBG->editTriggers() & ~QAbstractItemView::DoubleClicked);
    RegisterButton->setDefaultAction(editable ? SalaryRegister : SalaryUnregister);
    StatusPanel->setText(dm_.SalaryZQstatusGetText(dm_.SalaryZQ->fieldByName(QStringLiteral("status"))->value()));
    SalaryItemDBG->viewport()->update();
    UpdateActions();
}

void TSalaryDetailForm::UpdateActions() {
    const bool editable = Editable();
    const bool modified = dm_.SalaryModified();
    const bool hasLines = dm_.SalaryItemZQ->active() && !dm_.SalaryItemZQ->isEmpty();
    CustomApply->setEnabled(modified);
    for (QAction* action : {AddAllEmployees, AddEmplyee, DeleteAllEmployees, SalaryPaymentDate, SalaryAccountingDate,
                            SalaryHours, SalaryMeal, SalaryVacation})
        action->setEnabled(editable);
    DeleteAllEmployees->setEnabled(editable && hasLines);
    ItemDelete->setEnabled(editable && hasLines);
    SalaryRegister->setEnabled(editable);
    SalaryUnregister->setEnabled(!editable);
    ItemMoveUp->setEnabled(editable && SalaryItemMayMove(dm_, -1));
    ItemMoveDown->setEnabled(editable && SalaryItemMayMove(dm_, +1));
    EmployeeDetails->setEnabled(hasLines);
    SalaryImportAttendanceUpdate();
    SalaryTaxes->setEnabled(bool(ShowTaxRates));
    for (QAction* action : {SalaryPrint, SalaryDeductions, SalaryCopy})
        action->setEnabled(!modified);
    CountPanel->setText(QString::fromUtf8(_SAL_ITEM_COUNT).arg(dm_.SalaryItemZQ->active() ? dm_.SalaryItemZQ->recordCount() : 0));
}

bool TSalaryDetailForm::Apply() {
    bool changedElsewhere = false;
    const bool applied = Guarded([&] {
        try {
            dm_.SalaryApply();
        } catch (const EVersionConflict&) {
            changedElsewhere = true;
            throw;
        }
    });
    // The month as another workstation left it, at the cost of the edits here.
    if (changedElsewhere && Messages().confirm(QString::fromUtf8(_SAL_RELOAD_CONFIRM)))
        Guarded([this] { dm_.SalaryReload(); });
    SetActivity();
    return applied;
}

void TSalaryDetailForm::CustomApplyExecute() { Apply(); }

bool TSalaryDetailForm::SaveChanges() { return Apply(); }

void TSalaryDetailForm::DiscardChanges() { dm_.SalaryCancel(); }

void TSalaryDetailForm::CustomOKExecute() {
    if (Apply())
        accept();
}

void TSalaryDetailForm::CustomCancelExecute() {
    DiscardChanges();
    QDialog::reject();
}

void TSalaryDetailForm::SortByColumn(int column) {
    // A third click on the same title returns to the document's line order.
    if (column == sortedColumn_ && sortOrder_ == Qt::DescendingOrder) {
        sortedColumn_ = -1;
        Guarded([this] { dm_.SalaryItemZQ->setSortFields(QStringLiteral("sort")); });
        SalaryItemDBG->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
        return;
    }
    sortOrder_ = column == sortedColumn_ ? Qt::DescendingOrder : Qt::AscendingOrder;
    sortedColumn_ = column;
    Guarded([&] { LineModel->sort(column, sortOrder_); });
    SalaryItemDBG->horizontalHeader()->setSortIndicator(column, sortOrder_);
}
