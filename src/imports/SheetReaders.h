#pragma once

#include "SheetFile.h"

#include <QByteArray>

// A sheet declaring more cells is refused rather than held in memory.
constexpr qint64 MaxSheetCells = 1000000;

// The readers of each format; each throws EDatabaseError when the file is
// not what its extension says.
TSheet ReadXlsSheet(const QString& fileName);
TSheet ReadXlsxSheet(const QByteArray& data);
TSheet ReadCsvSheet(const QByteArray& data);

// Rows of cells as read (first one the header) into a sheet; rows without
// any value are dropped.
TSheet SheetOfRows(std::vector<std::vector<QVariant>> rows, const std::vector<int>& lines);

// "Datoteka nije ispravna ... (reason)".
[[noreturn]] void ThrowUnreadableSheet(const QString& format, const QString& reason);
