#include "Excelexportunit.h"

#include <xlsxwriter.h>

namespace {

void Check(lxw_error error, const TXlsStream& stream) {
    if (error != LXW_NO_ERROR)
        throw EReportError(QStringLiteral("Ne mogu da upišem tabelu %1: %2")
                            .arg(stream.fileName(), QString::fromUtf8(lxw_strerror(error))));
}

}  // namespace

TXlsStream::TXlsStream(const QString& fileName) : fileName_(fileName) {}

TXlsStream::~TXlsStream() {
    // A stream abandoned before its end leaves no half-written workbook behind.
    if (workbook_)
        lxw_workbook_free(workbook_);
}

lxw_worksheet* TXlsStream::sheet() const {
    if (!worksheet_)
        throw EReportError(QStringLiteral("Tabela %1 nije započeta.").arg(fileName_));
    return worksheet_;
}

void XlsBeginStream(TXlsStream& stream, int) {
    if (stream.workbook_)
        lxw_workbook_free(stream.workbook_);
    stream.worksheet_ = nullptr;
    stream.workbook_ = workbook_new(stream.fileName_.toLocal8Bit().constData());
    if (!stream.workbook_)
        throw EReportError(QStringLiteral("Ne mogu da napravim tabelu %1.").arg(stream.fileName_));
    stream.worksheet_ = workbook_add_worksheet(stream.workbook_, nullptr);
}

void XlsWriteCellLabel(TXlsStream& stream, int row, int column, const QString& text) {
    Check(worksheet_write_string(stream.sheet(), lxw_row_t(row), lxw_col_t(column), text.toUtf8().constData(),
                                 nullptr),
          stream);
}

void XlsWriteCellNumber(TXlsStream& stream, int row, int column, double value) {
    Check(worksheet_write_number(stream.sheet(), lxw_row_t(row), lxw_col_t(column), value, nullptr), stream);
}

void XlsWriteCellRk(TXlsStream& stream, int row, int column, int value) {
    Check(worksheet_write_number(stream.sheet(), lxw_row_t(row), lxw_col_t(column), double(value), nullptr),
          stream);
}

void XlsEndStream(TXlsStream& stream) {
    stream.sheet();
    lxw_workbook* workbook = stream.workbook_;
    stream.workbook_ = nullptr;
    stream.worksheet_ = nullptr;
    Check(workbook_close(workbook), stream);
}
