#include "DefaultDatabase.h"

#include <QDir>
#include <QStandardPaths>

QString DefaultDatabasePath() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/Zarade/zarade.db");
}

QString DefaultDatabaseUrl() { return QStringLiteral("sqlite:") + DefaultDatabasePath(); }
