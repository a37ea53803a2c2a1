// Legacy .xls workbooks (BIFF), read with FreeXL.

#include "SheetReaders.h"

#include <QFile>

#include <freexl.h>

namespace {

// Closes the workbook however reading ends.
struct XlsHandle {
    const void* handle = nullptr;
    ~XlsHandle() {
        if (handle)
            freexl_close(handle);
    }
};

QVariant cellValue(const FreeXL_CellValue& cell) {
    switch (cell.type) {
    case FREEXL_CELL_INT:
        return double(cell.value.int_value);
    case FREEXL_CELL_DOUBLE:
        return cell.value.double_value;
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
        return QString::fromUtf8(cell.value.text_value);
    default:
        return QVariant();
    }
}

}  // namespace

TSheet ReadXlsSheet(const QString& fileName) {
    const QString format = QStringLiteral(".xls");
    XlsHandle xls;
    if (freexl_open(QFile::encodeName(fileName).constData(), &xls.handle) != FREEXL_OK)
        ThrowUnreadableSheet(format, QStringLiteral("nije radna sveska programa Excel 97-2003"));
    unsigned int sheets = 0;
    if (freexl_get_info(xls.handle, FREEXL_BIFF_SHEET_COUNT, &sheets) != FREEXL_OK || sheets == 0)
        ThrowUnreadableSheet(format, QStringLiteral("nema nijedan list"));
    unsigned int rowCount = 0;
    unsigned short columnCount = 0;
    if (freexl_select_active_worksheet(xls.handle, 0) != FREEXL_OK
        || freexl_worksheet_dimensions(xls.handle, &rowCount, &columnCount) != FREEXL_OK)
        ThrowUnreadableSheet(format, QStringLiteral("prvi list ne može da se pročita"));
    if (qint64(rowCount) * columnCount > MaxSheetCells)
        ThrowUnreadableSheet(format, QStringLiteral("prvi list ima previše ćelija (%1 x %2)").arg(rowCount).arg(columnCount));
    std::vector<std::vector<QVariant>> rows(rowCount, std::vector<QVariant>(columnCount));
    std::vector<int> lines(rowCount);
    for (unsigned int r = 0; r < rowCount; ++r) {
        lines[r] = int(r) + 1;
        for (unsigned short c = 0; c < columnCount; ++c) {
            FreeXL_CellValue cell;
            if (freexl_get_cell_value(xls.handle, r, c, &cell) != FREEXL_OK)
                ThrowUnreadableSheet(format, QStringLiteral("ćelija u redu %1 ne može da se pročita").arg(r + 1));
            rows[r][c] = cellValue(cell);
        }
    }
    return SheetOfRows(std::move(rows), lines);
}
