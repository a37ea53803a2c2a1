#include "StatementFile.h"

#include "Windows1250.h"
#include "db/DbError.h"

#include <QSaveFile>

void WriteStatementFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw EDatabaseError(QStringLiteral("Datoteku \"%1\" nije moguće upisati: %2").arg(path, file.errorString()));
}

QByteArray TreasuryFileBytes(const QString& text) { return EncodeWindows1250(text); }

QString RequiredUniqueNumber(const QString& uniqueNumber) {
    const QString number = uniqueNumber.trimmed();
    if (number.isEmpty())
        throw EDatabaseError(QStringLiteral("Nedostaje jedinstveni broj korisnika budžetskih sredstava "
                                            "(CompanyInfo UniqueNumber); datoteka za trezor nije upisana."));
    return number;
}
