#include "ModuleLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

TModuleLibrary::~TModuleLibrary() { Unload(); }

bool TModuleLibrary::Load(const QString& path, QString* error) {
    Unload();
    const auto fail = [&](const QString& text) {
        if (library_.isLoaded())
            library_.unload();
        if (error)
            *error = text;
        return false;
    };
    if (!QFileInfo::exists(path))
        return fail(QStringLiteral("Datoteka modula %1 ne postoji.").arg(QDir::toNativeSeparators(path)));
    library_.setFileName(path);
    if (!library_.load())
        return fail(QStringLiteral("Modul %1 ne može da se učita: %2").arg(path, library_.errorString()));
    const auto initialize = reinterpret_cast<PackageInitializeProc>(library_.resolve(PackageInitializeName));
    const auto getFactory = reinterpret_cast<GetSnapinFactoryProc>(library_.resolve(GetSnapinFactoryName));
    const auto finalize = reinterpret_cast<PackageFinalizeProc>(library_.resolve(PackageFinalizeName));
    if (!initialize || !getFactory || !finalize)
        return fail(QStringLiteral("Datoteka %1 nije modul ovog programa (nedostaju ulazne tačke %2, %3 i %4).")
                        .arg(path, QLatin1String(PackageInitializeName), QLatin1String(GetSnapinFactoryName),
                             QLatin1String(PackageFinalizeName)));
    initialize();
    ISnapinFactory* factory = getFactory();
    if (!factory) {
        finalize();
        return fail(QStringLiteral("Modul %1 nije dao svoj snap-in.").arg(path));
    }
    finalize_ = finalize;
    factory_ = factory;
    return true;
}

void TModuleLibrary::Unload() {
    if (!factory_)
        return;
    factory_ = nullptr;
    finalize_();
    finalize_ = nullptr;
    library_.unload();
}

QString SalaryModuleFileName() { return QStringLiteral("zarade_salary.so"); }

QStringList ModuleSearchDirs() {
    QStringList dirs;
    if (const QString fromEnvironment = qEnvironmentVariable("ZARADE_PLUGIN_DIR"); !fromEnvironment.isEmpty())
        dirs << fromEnvironment;
#ifdef ZARADE_BUILD_PLUGIN_DIR
    dirs << QStringLiteral(ZARADE_BUILD_PLUGIN_DIR);
#endif
    const QString programDir = QCoreApplication::applicationDirPath();
    dirs << programDir + QStringLiteral("/plugins") << programDir + QStringLiteral("/../lib/zarade/plugins");
    return dirs;
}

QString FindModuleFile(const QString& fileName, const QStringList& dirs) {
    for (const QString& dir : dirs) {
        const QString path = QDir(dir).filePath(fileName);
        if (QFileInfo::exists(path))
            return QDir::cleanPath(path);
    }
    return {};
}
