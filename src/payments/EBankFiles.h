#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

class TDataSet;
struct TEBankHalcomSettings;
struct TEBankSagaSettings;

// The e-banking files of the orders in PaymentErrandsCDS (built for the
// e-banking road: positive amounts, 18-digit recipient accounts). Bytes are
// Windows-1250; transliterated texts are plain ASCII.

// The SAGA order of the row: one line of XML, no line end.
QByteArray SagaOrder(const TDataSet& errands, int row, const TEBankSagaSettings& settings, const QDate& today);
// The Halcom line of the row, CR LF included: 182 characters before the line
// end in the old format, 181 in the new one.
QByteArray HalcomLine(const TDataSet& errands, int row, bool formatNew, const QDate& today);

// The file name after the directory text: "N", the time "ddmmyyyy_hhnnss", then `ending`.
QString EBankFileName(const QString& dir, const QDateTime& time, const QString& ending);

// Writes one SAGA file per order, the i-th of N stamped i − N seconds from
// `now`, so that the last carries the current second and every name differs.
// Returns the files written; none when the directory setting is empty. A
// file is written under a temporary name and renamed when complete; when
// one cannot be written the files of the run are removed and EDatabaseError
// says why.
QStringList EBankSAGAExport(const TDataSet& errands, const TEBankSagaSettings& settings, const QDateTime& now);
// Writes the Halcom file of all orders, stamped one second after `now`;
// returns its name, empty when the directory setting is empty. Failures as
// for SAGA.
QString EBankHalcomExport(const TDataSet& errands, const TEBankHalcomSettings& settings, const QDateTime& now);
