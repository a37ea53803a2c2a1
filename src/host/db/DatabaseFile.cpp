#include "DatabaseFile.h"

#include "DbError.h"
#include "DefaultDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

}  // namespace

bool CreatePrivateFolder(const QString& path) {
    const QFileInfo folder(path);
    if (folder.isDir())
        return true;
    const QDir parent = folder.absoluteDir();
    if (!parent.exists() && !QDir().mkpath(parent.absolutePath()))
        return false;
    return QDir().mkdir(folder.absoluteFilePath(), OwnerOnly | QFileDevice::ExeOwner);
}

bool PrepareDatabaseFile(const QString& path) {
    if (path == QLatin1String(":memory:"))
        return false;
    const QFileInfo file(path);
    const QString folder = file.absolutePath();
    if (!QFileInfo(folder).isDir()) {
        if (file.absoluteFilePath() != QFileInfo(DefaultDatabasePath()).absoluteFilePath())
            throw EDatabaseError(QStringLiteral("Folder %1 ne postoji; proverite putanju do baze podataka %2.")
                                     .arg(QDir::toNativeSeparators(folder), QDir::toNativeSeparators(path)));
        if (!CreatePrivateFolder(folder))
            throw EDatabaseError(QStringLiteral("Ne mogu da napravim folder baze podataka: %1").arg(folder));
    }
    if (file.exists())
        return false;
    QFile created(path);
    if (!created.open(QIODevice::WriteOnly | QIODevice::NewOnly, OwnerOnly)) {
        if (created.exists())  // another program made it in the meantime
            return false;
        throw EDatabaseError(QStringLiteral("Ne mogu da napravim datoteku baze podataka %1: %2")
                                 .arg(path, created.errorString()));
    }
    return true;
}
