#include "MainWindow.h"

#include "ConnectionDialog.h"
#include "DatabaseSettings.h"
#include "HostOptionsDialog.h"
#include "Messages.h"
#include "ReportEngine.h"
#include "SecurityModule.h"
#include "WidgetMessages.h"
#include "db/DataSet.h"
#include "db/DataSetTableModel.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

QWidget* Pane(QWidget* parent, const char* name) {
    auto* pane = new QWidget(parent);
    pane->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return pane;
}

}  // namespace

TMainWindow::TMainWindow(IMessages* messages, QWidget* parent) : QMainWindow(parent) {
    if (!messages) {
        ownMessages_ = std::make_unique<WidgetMessages>(this);
        messages = ownMessages_.get();
    }
    messages_ = messages;
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Zarade"));

    splitter_ = new QSplitter(Qt::Horizontal, this);
    navigatorPane_ = Pane(splitter_, "NavigatorPane");
    viewerArea_ = Pane(splitter_, "ViewerArea");
    navigatorPane_->setMinimumWidth(220);
    splitter_->addWidget(navigatorPane_);
    splitter_->addWidget(viewerArea_);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({290, 900});
    setCentralWidget(splitter_);

    databaseStatus_ = new QLabel(this);
    moduleStatus_ = new QLabel(this);
    statusBar()->addWidget(databaseStatus_, 1);
    statusBar()->addPermanentWidget(moduleStatus_);
    CreateMenus();
    UpdateStatus();
    resize(1200, 720);
}

// The security module may already be gone: release the module without
// touching it.
TMainWindow::~TMainWindow() { ReleaseModule(); }

void TMainWindow::CreateMenus() {
    QMenu* file = menuBar()->addMenu(tr("&Datoteka"));
    QAction* database = file->addAction(tr("&Baza podataka..."), this, &TMainWindow::ChangeDatabase);
    database->setObjectName(QStringLiteral("DatabaseAction"));
    QAction* options = file->addAction(tr("&Opcije..."), this, &TMainWindow::ShowOptions);
    options->setObjectName(QStringLiteral("HostOptionsAction"));
    printAction_ = file->addAction(tr("Š&tampaj tabelu..."), this, &TMainWindow::PrintViewerGrid);
    printAction_->setShortcut(QKeySequence::Print);
    printAction_->setEnabled(false);
    file->addSeparator();
    QAction* quit = file->addAction(tr("&Izlaz"), this, &QWidget::close);
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* personnel = menuBar()->addMenu(tr("&Kadrovi"));
    employeesAction_ = personnel->addAction(tr("&Zaposleni..."), this, [this] {
        // The register works on the database, which may not be open yet.
        if (openEmployees_ && (!security_ || security_->Connect()))
            openEmployees_();
        UpdateStatus();
    });
    employeesAction_->setObjectName(QStringLiteral("EmployeesAction"));
    personnel->menuAction()->setVisible(false);

    moduleMenu_ = menuBar()->addMenu(tr("&Modul"));
    moduleMenu_->setObjectName(QStringLiteral("ModuleMenu"));
    moduleMenu_->setToolTipsVisible(true);
    moduleMenu_->menuAction()->setVisible(false);

    QMenu* help = menuBar()->addMenu(tr("&Pomoć"));
    help->addAction(tr("&O programu"), this, [this] {
        messages_->information(tr("Zarade %1\nObračun zarada za preduzeća u Srbiji.")
                                   .arg(QCoreApplication::applicationVersion()));
    });

    QToolBar* toolBar = addToolBar(tr("Moduli"));
    toolBar->setObjectName(QStringLiteral("HostToolBar"));
    toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolBar->setMovable(false);
    moduleAction_ = toolBar->addAction(tr("Modul"));
    moduleAction_->setCheckable(true);
    moduleAction_->setVisible(false);
    toolBar->addSeparator();
    toolBar->addAction(options);
}

void TMainWindow::RegisterModule(const QString& interfaceId, IModule* module) { modules_.insert(interfaceId, module); }

void TMainWindow::SetSecurityModule(TSecurityModule* security) {
    security_ = security;
    RegisterModule(QString::fromLatin1(IID_ISecurityModule), security);
    UpdateStatus();
}

void TMainWindow::SetEmployeeRegister(std::function<void()> open) {
    openEmployees_ = std::move(open);
    if (QMenu* personnel = qobject_cast<QMenu*>(employeesAction_->parent()))
        personnel->menuAction()->setVisible(bool(openEmployees_));
}

IModule* TMainWindow::FindModule(const QString& interfaceId) { return modules_.value(interfaceId, nullptr); }

void TMainWindow::SetViewerGrid(QTableView* grid) {
    viewerGrid_ = grid;
    printAction_->setEnabled(grid != nullptr);
}

bool TMainWindow::LoadModule(const QString& path) {
    UnloadModule();
    QString error;
    if (!library_.Load(path, &error)) {
        messages_->error(tr("Modul zarada nije učitan.\n\n%1\n\nProgram nastavlja rad bez njega.").arg(error));
        UpdateStatus();
        return false;
    }
    snapin_ = library_.Factory()->CreateSnapin(*this);
    if (!snapin_) {
        library_.Unload();
        messages_->error(tr("Modul %1 nije napravio svoj snap-in; program nastavlja rad bez njega.").arg(path));
        UpdateStatus();
        return false;
    }
    if (IViewer* viewer = snapin_->GetViewer()) {
        viewer->Load(*snapin_);
        viewer->Show(viewerArea_);
    }
    if (INavigable* navigator = snapin_->GetNavigator())
        navigator->ShowNavigator(navigatorPane_);
    setWindowTitle(QStringLiteral("Zarade - %1").arg(snapin_->GetDescription()));
    BuildModuleMenu();
    UpdateStatus();
    return true;
}

void TMainWindow::UnloadModule() {
    ReleaseModule();
    UpdateStatus();
}

void TMainWindow::ReleaseModule() {
    if (snapin_) {
        if (IViewer* viewer = snapin_->GetViewer())
            viewer->Hide();
        if (INavigable* navigator = snapin_->GetNavigator())
            navigator->HideNavigator();
        snapin_ = nullptr;
    }
    SetViewerGrid(nullptr);
    moduleMenu_->clear();
    moduleMenu_->menuAction()->setVisible(false);
    moduleAction_->setVisible(false);
    // The module frees its snap-in, frames and data when it is finalised.
    library_.Unload();
}

void TMainWindow::BuildModuleMenu() {
    moduleMenu_->clear();
    moduleMenu_->setTitle(QLatin1Char('&') + snapin_->GetName());
    if (IViewer* viewer = snapin_->GetViewer())
        moduleMenu_->addActions(viewer->GetActionList());
    moduleMenu_->menuAction()->setVisible(!moduleMenu_->isEmpty());
    moduleAction_->setText(snapin_->GetName());
    moduleAction_->setIcon(snapin_->GetImage());
    moduleAction_->setToolTip(snapin_->GetDescription());
    moduleAction_->setChecked(true);
    moduleAction_->setVisible(true);
}

void TMainWindow::UpdateStatus() {
    if (!security_)
        databaseStatus_->setText(tr("Baza podataka nije izabrana"));
    else if (security_->DatabaseConnection()->isConnected())
        databaseStatus_->setText(tr("Baza: %1").arg(security_->DisplayUrl()));
    else
        databaseStatus_->setText(tr("Nema veze sa bazom: %1").arg(security_->DisplayUrl()));
    moduleStatus_->setText(snapin_ ? snapin_->GetDescription() : tr("Modul zarada nije učitan"));
}

std::unique_ptr<THostOptionsDialog> TMainWindow::CreateOptionsDialog() {
    std::vector<IOptionsPage*> pages;
    if (snapin_)
        if (IOptionsPage* page = snapin_->GetOptionsPage())
            pages.push_back(page);
    const QString database = security_ ? security_->DisplayUrl() : tr("(nije izabrana)");
    auto dialog = std::make_unique<THostOptionsDialog>(database, pages, this);
    connect(dialog.get(), &THostOptionsDialog::databaseChangeRequested, this, &TMainWindow::ChangeDatabase);
    return dialog;
}

void TMainWindow::ShowOptions() { CreateOptionsDialog()->exec(); }

void TMainWindow::ChangeDatabase() {
    TConnectionDialog dialog(security_ ? security_->Url() : QString(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QSettings settings;
    if (security_ && security_->Passwords())
        RememberDatabaseChoice(settings, *security_->Passwords(), dialog.Url());
    else
        SaveDatabaseUrl(settings, dialog.Url());
    messages_->information(tr("Izabrana baza podataka se koristi od sledećeg pokretanja programa."));
}

void TMainWindow::PrintViewerGrid() {
    if (!viewerGrid_)
        return;
    auto* model = qobject_cast<DataSetTableModel*>(viewerGrid_->model());
    if (!model)
        return;
    QStringList fields;
    for (int column = 0; column < model->columnCount(); ++column)
        if (!viewerGrid_->isColumnHidden(column))
            if (TField* field = model->fieldAt(column))
                fields << field->fieldName();
    TReportEngine engine(this, security_ ? security_->DatabaseConnection() : nullptr);
    engine.ExecuteDataSetReport(snapin_ ? snapin_->GetName() : windowTitle(), model->dataSet(), fields);
}
