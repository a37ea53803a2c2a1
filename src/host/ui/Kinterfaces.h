#pragma once

#include <QIcon>
#include <QList>
#include <QString>

class Connection;
class IMessages;
class QAction;
class QObject;
class QTableView;
class QWidget;
class TDataSet;

// The contracts between the host application and the modules it loads at
// run time. A module is a shared library built with the same compiler and
// the same Qt as the host, so plain abstract C++ classes are enough; only the
// entry points of the library are extern "C".

// Interface identifiers under which the console finds the other modules.
inline constexpr char IID_ISecurityModule[] = "{3495C3AC-F17F-440C-8571-96AAA091CAF2}";
inline constexpr char IID_IOptionsPage[] = "{29280858-1CC9-415D-B0E5-4668E3CCEC11}";
inline constexpr char IID_IPersonnelModule[] = "{8324FD38-EC88-40D3-9412-6D0DEFFDAB99}";

// Anything the console can hand out by interface identifier.
class IModule {
public:
    virtual ~IModule() = default;
};

// The host's main window as a module sees it.
class IConsole {
public:
    virtual ~IConsole() = default;
    // Another loaded module by its interface identifier; nullptr when absent.
    virtual IModule* FindModule(const QString& interfaceId) = 0;
    // The grid of the viewer being shown (the host prints and exports it);
    // nullptr when the viewer is hidden.
    virtual void SetViewerGrid(QTableView* grid) = 0;
    // Where modules show messages and ask questions.
    virtual IMessages& Messages() = 0;
    // Parent for the modal forms a module opens.
    virtual QWidget* MainWindow() = 0;
};

// Finds a module by the identifier its interface declares.
template <class T>
T* FindModule(IConsole& console, const char* interfaceId) {
    return dynamic_cast<T*>(console.FindModule(QString::fromLatin1(interfaceId)));
}

// The security module owns the database connection of the whole application.
class ISecurityModule : public IModule {
public:
    // The connection every module works on; it exists even when it is not open.
    virtual Connection* DatabaseConnection() = 0;
    // Opens the connection when it is not open yet and brings the schema up
    // to date; a failure is reported to the user and gives false.
    virtual bool Connect() = 0;
};

class ISnapin;

// The main view of a snap-in, shown in the console's viewer area.
class IViewer {
public:
    virtual ~IViewer() = default;
    virtual int GetViewerType() const = 0;
    // Connects the snap-in's data when it is shown the first time.
    virtual void Load(ISnapin& snapin) = 0;
    // Creates the frame on first use and shows it inside `parent`.
    virtual QWidget* Show(QWidget* parent) = 0;
    virtual void Hide() = 0;
    // The commands of the shown frame, with separators, for the console's menu.
    virtual QList<QAction*> GetActionList() = 0;
    // Something outside the frame changed what its commands may do (for
    // example the options page opened); the frame refreshes their state.
    virtual void UpdateActions(QObject* sender) = 0;
};

// The search panel of a snap-in, shown in the console's navigator pane.
class INavigable {
public:
    virtual ~INavigable() = default;
    virtual QWidget* ShowNavigator(QWidget* parent) = 0;
    virtual void HideNavigator() = 0;
};

// A page of the console's options dialog.
class IOptionsPage {
public:
    virtual ~IOptionsPage() = default;
    // Creates the page without a parent and fills it from the settings.
    virtual QWidget* CreateFrame() = 0;
    virtual void DestroyFrame() = 0;
    virtual bool CheckValues() = 0;
    // Stores what the page shows.
    virtual void Update() = 0;
    virtual QString GetTabCaption() = 0;
};

class ISnapin {
public:
    virtual ~ISnapin() = default;
    virtual TDataSet* GetDataSet() const = 0;
    virtual QString GetDescription() const = 0;
    virtual QIcon GetImage() const = 0;
    virtual QString GetName() const = 0;
    virtual int GetSnapinType() const = 0;
    virtual IViewer* GetViewer() const = 0;
    virtual INavigable* GetNavigator() const = 0;
    // The snap-in's page of the options dialog; nullptr when it has none.
    virtual IOptionsPage* GetOptionsPage() = 0;
};

class ISnapinFactory {
public:
    virtual ~ISnapinFactory() = default;
    // The snap-in of the module, created on the first call; later calls
    // return the same one.
    virtual ISnapin* CreateSnapin(IConsole& console) = 0;
};

// Entry points every module library exports (extern "C").
using GetSnapinFactoryProc = ISnapinFactory* (*)();
using PackageInitializeProc = void (*)();
using PackageFinalizeProc = void (*)();
inline constexpr char GetSnapinFactoryName[] = "GetSnapinFactory";
inline constexpr char PackageInitializeName[] = "Initialize";
inline constexpr char PackageFinalizeName[] = "Finalize";
