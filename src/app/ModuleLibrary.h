#pragma once

#include "Kinterfaces.h"

#include <QLibrary>
#include <QString>
#include <QStringList>

// A module library loaded at run time: its entry points resolved, its
// initialisation run, its snap-in factory at hand. Freeing it runs the
// module's finalisation and unloads the library.
class TModuleLibrary {
public:
    TModuleLibrary() = default;
    ~TModuleLibrary();
    TModuleLibrary(const TModuleLibrary&) = delete;
    TModuleLibrary& operator=(const TModuleLibrary&) = delete;

    // Loads the library at `path`. On failure nothing stays loaded and
    // `error` says why, in words for the user.
    bool Load(const QString& path, QString* error);
    void Unload();

    bool IsLoaded() const { return factory_ != nullptr; }
    ISnapinFactory* Factory() const { return factory_; }
    QString FileName() const { return library_.fileName(); }

private:
    QLibrary library_;
    PackageFinalizeProc finalize_ = nullptr;
    ISnapinFactory* factory_ = nullptr;
};

// The payroll module's library file name.
QString SalaryModuleFileName();
// The folders the host looks for its modules in, in order: $ZARADE_PLUGIN_DIR,
// the build tree's plugins folder, "plugins" next to the program and the
// installed lib/zarade/plugins.
QStringList ModuleSearchDirs();
// The first folder that holds `fileName`; empty when none does.
QString FindModuleFile(const QString& fileName, const QStringList& dirs);
