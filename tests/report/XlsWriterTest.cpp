#include "Excelexportunit.h"

#include <gtest/gtest.h>

TEST(XlsWriter, RefusesCellsOutsideAStreamAndFilesItCannotWrite) {
    TXlsStream unopened(QStringLiteral("x.xlsx"));
    EXPECT_THROW(XlsWriteCellNumber(unopened, 0, 0, 1.0), EReportError);

    TXlsStream stream(QStringLiteral("/nonexistent-folder/x.xlsx"));
    XlsBeginStream(stream, 0);
    XlsWriteCellRk(stream, 0, 0, 1);
    EXPECT_THROW(XlsWriteCellRk(stream, -1, 0, 1), EReportError);
    EXPECT_THROW(XlsEndStream(stream), EReportError);
}
