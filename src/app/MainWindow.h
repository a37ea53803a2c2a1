#pragma once

#include "Kinterfaces.h"
#include "ModuleLibrary.h"

#include <QHash>
#include <QString>
#include <QMainWindow>
#include <QPointer>
#include <QTableView>

#include <functional>
#include <memory>

class QLabel;
class QMenu;
class QSplitter;
class THostOptionsDialog;
class TSecurityModule;

// The host's main window, the console the modules see: the navigator pane
// on the left, the viewer area on the right, the menu bar with the shown
// viewer's commands, a toolbar and a status line.
class TMainWindow : public QMainWindow, public IConsole {
    Q_OBJECT
public:
    // Without `messages` the window asks and tells through its own dialogs.
    explicit TMainWindow(IMessages* messages = nullptr, QWidget* parent = nullptr);
    ~TMainWindow() override;

    // Makes a module findable by the others under its interface identifier.
    void RegisterModule(const QString& interfaceId, IModule* module);
    void SetSecurityModule(TSecurityModule* security);
    // The host's register of employees, opened from the menu "Kadrovi".
    void SetEmployeeRegister(std::function<void()> open);

    // Loads the module library and shows its snap-in. A missing or broken
    // library is reported and the window goes on without it.
    bool LoadModule(const QString& path);
    // Hides the snap-in and unloads its library (before the database goes).
    void UnloadModule();

    ISnapin* Snapin() const { return snapin_; }
    QWidget* NavigatorPane() const { return navigatorPane_; }
    QWidget* ViewerArea() const { return viewerArea_; }
    QTableView* ViewerGrid() const { return viewerGrid_; }
    QMenu* ModuleMenu() const { return moduleMenu_; }

    // The options dialog with the host's page and the snap-in's; not shown yet.
    std::unique_ptr<THostOptionsDialog> CreateOptionsDialog();

    // IConsole
    IModule* FindModule(const QString& interfaceId) override;
    void SetViewerGrid(QTableView* grid) override;
    IMessages& Messages() override { return *messages_; }
    QWidget* MainWindow() override { return this; }

public slots:
    void ShowOptions();
    void ChangeDatabase();
    void PrintViewerGrid();

private:
    void CreateMenus();
    void BuildModuleMenu();
    void ReleaseModule();
    void UpdateStatus();

    std::unique_ptr<IMessages> ownMessages_;
    IMessages* messages_;
    TSecurityModule* security_ = nullptr;
    QHash<QString, IModule*> modules_;
    TModuleLibrary library_;
    ISnapin* snapin_ = nullptr;

    QSplitter* splitter_;
    QWidget* navigatorPane_;
    QWidget* viewerArea_;
    QMenu* moduleMenu_;
    QAction* moduleAction_;
    QAction* printAction_;
    QAction* employeesAction_;
    std::function<void()> openEmployees_;
    QLabel* databaseStatus_;
    QLabel* moduleStatus_;
    QPointer<QTableView> viewerGrid_;
};
