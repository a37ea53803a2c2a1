#include "SaveFileName.h"

#include "Messages.h"

#include <QFileInfo>
#include <QObject>

QString AskSaveXmlFileName(IMessages& messages, const QString& proposedName) {
    QString path = proposedName + QStringLiteral(".xml");
    if (!messages.getFileName(FileDialogKind::Save, QObject::tr("Izvezi XML datoteku"), QObject::tr("XML (*.xml)"),
                              path))
        return {};
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".xml");
    return path;
}
