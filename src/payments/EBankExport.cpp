#include "EBankExport.h"

#include "DBIniFile.h"
#include "EBankAccount.h"
#include "EBankFiles.h"
#include "EBankSettings.h"
#include "Messages.h"
#include "PaymentErrands.h"
#include "SalaryDM.h"
#include "db/DataSet.h"

namespace {

QChar salaryType(const TSalaryDM& dm) {
    const QString type = dm.SalaryZQ->fieldByName(QStringLiteral("salarytype"))->asString();
    return type.isEmpty() ? QChar() : type.at(0);
}

// Builds the orders and, when files are to be written, tells the user
// which accounts a bank would refuse.
void PrepareAndCheck(TSalaryDM& dm, IMessages& messages, bool writing) {
    PreparePaymentErrands(dm, messages, TErrandsRoad::EBank);
    if (!writing)
        return;
    const QStringList invalid = OrdersWithInvalidAccounts(*dm.PaymentErrandsCDS);
    if (!invalid.isEmpty())
        messages.messageStrings(
            QStringLiteral("Računi primalaca ovih naloga nemaju ispravan kontrolni broj. Datoteke su ipak "
                           "napisane; proverite račune pre slanja banci:"),
            MessageKind::Warning, invalid);
}

}  // namespace

QStringList OrdersWithInvalidAccounts(const TDataSet& errands) {
    const int recipient = errands.fieldByName(QStringLiteral("recipient"))->index();
    const int account = errands.fieldByName(QStringLiteral("recipientbankaccount"))->index();
    const int value = errands.fieldByName(QStringLiteral("value"))->index();
    QStringList invalid;
    for (int r = 0; r < errands.recordCount(); ++r)
        if (!EBankAccountValid(errands.valueAt(r, account).toString()))
            invalid << QStringLiteral("%1, račun %2, iznos %3")
                           .arg(errands.valueAt(r, recipient).toString(), errands.valueAt(r, account).toString(),
                                QString::number(errands.valueAt(r, value).toDouble(), 'f', 2));
    return invalid;
}

QStringList ExportEBankSaga(TSalaryDM& dm, IMessages& messages, const QDateTime& now,
                            const std::optional<QString>& dir) {
    TEBankSagaSettings settings = ReadEBankSagaSettings(TDBIniFile(*dm.ZConnection()), salaryType(dm));
    if (dir)
        settings.ExportDir = *dir;
    PrepareAndCheck(dm, messages, !settings.ExportDir.isEmpty());
    return EBankSAGAExport(*dm.PaymentErrandsCDS, settings, now);
}

QStringList ExportEBankHalcom(TSalaryDM& dm, IMessages& messages, const QDateTime& now,
                              const std::optional<QString>& dir) {
    TEBankHalcomSettings settings = ReadEBankHalcomSettings(TDBIniFile(*dm.ZConnection()));
    if (dir)
        settings.ExportDir = *dir;
    PrepareAndCheck(dm, messages, !settings.ExportDir.isEmpty());
    const QString file = EBankHalcomExport(*dm.PaymentErrandsCDS, settings, now);
    return file.isEmpty() ? QStringList() : QStringList{file};
}
