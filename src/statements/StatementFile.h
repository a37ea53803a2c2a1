#pragma once

#include <QByteArray>
#include <QString>

// Writes a return's file whole under a temporary name renamed when complete,
// so a failed write leaves no file; a failure is an EDatabaseError naming it.
void WriteStatementFile(const QString& path, const QByteArray& bytes);

// The text of the treasury's files as their 8-bit bytes (Windows-1250).
QByteArray TreasuryFileBytes(const QString& text);

// The budget user's number a treasury file is sent under; refused when the
// company data lack it.
QString RequiredUniqueNumber(const QString& uniqueNumber);
