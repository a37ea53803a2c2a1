#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

class IMessages;
class TDataSet;
class TSalaryDM;

// The e-banking exports of the current, applied document: the order set of
// the e-banking road (the reference number for taxes is asked through
// `messages`), a warning listing the orders whose recipient account fails
// the control number (the files are written all the same), then the files.
// `dir` replaces the directory setting when given. Return the files
// written: none when the directory is empty. Write failures throw
// EDatabaseError and leave no file of the run behind.
QStringList ExportEBankSaga(TSalaryDM& dm, IMessages& messages, const QDateTime& now,
                            const std::optional<QString>& dir = std::nullopt);
QStringList ExportEBankHalcom(TSalaryDM& dm, IMessages& messages, const QDateTime& now,
                              const std::optional<QString>& dir = std::nullopt);

// The orders whose recipient account is not 18 digits with a valid control
// number, one line each: recipient, account, amount.
QStringList OrdersWithInvalidAccounts(const TDataSet& errands);
