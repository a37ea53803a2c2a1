#pragma once

#include "ReportError.h"

#include <QString>

struct lxw_workbook;
struct lxw_worksheet;

// A spreadsheet file being written cell by cell (an .xlsx workbook with one
// sheet). The file is complete after XlsEndStream.
class TXlsStream {
public:
    explicit TXlsStream(const QString& fileName);
    ~TXlsStream();
    TXlsStream(const TXlsStream&) = delete;
    TXlsStream& operator=(const TXlsStream&) = delete;

    const QString& fileName() const { return fileName_; }

private:
    friend void XlsBeginStream(TXlsStream&, int);
    friend void XlsWriteCellLabel(TXlsStream&, int, int, const QString&);
    friend void XlsWriteCellNumber(TXlsStream&, int, int, double);
    friend void XlsWriteCellRk(TXlsStream&, int, int, int);
    friend void XlsEndStream(TXlsStream&);
    lxw_worksheet* sheet() const;

    QString fileName_;
    lxw_workbook* workbook_ = nullptr;
    lxw_worksheet* worksheet_ = nullptr;
};

// Starts the workbook; the second argument is kept for callers that pass a
// format version (always 0).
void XlsBeginStream(TXlsStream& stream, int reserved);
// Rows and columns are zero-based.
void XlsWriteCellLabel(TXlsStream& stream, int row, int column, const QString& text);
void XlsWriteCellNumber(TXlsStream& stream, int row, int column, double value);
void XlsWriteCellRk(TXlsStream& stream, int row, int column, int value);
// Writes the file; throws EReportError when it cannot.
void XlsEndStream(TXlsStream& stream);
