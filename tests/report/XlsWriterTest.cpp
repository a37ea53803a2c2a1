#include "Excelexportunit.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(XlsWriter, WritesAWorkbookCellByCell) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("rekapitulacija.xlsx"));
    TXlsStream stream(path);
    XlsBeginStream(stream, 0);
    XlsWriteCellLabel(stream, 0, 0, QStringLiteral("Prezime"));
    XlsWriteCellLabel(stream, 1, 0, QStringLiteral("Đorđević"));
    XlsWriteCellNumber(stream, 1, 1, 123456.78);
    XlsWriteCellRk(stream, 1, 2, 176);
    XlsEndStream(stream);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray zip = file.readAll();
    EXPECT_TRUE(zip.startsWith("PK\x03\x04")) << "an .xlsx is a zip package";
    // Part names are stored uncompressed in the package's headers.
    EXPECT_TRUE(zip.contains("xl/worksheets/sheet1.xml"));
    EXPECT_TRUE(zip.contains("xl/sharedStrings.xml")) << "the labels were written as text";
}

TEST(XlsWriter, RefusesCellsOutsideAStreamAndFilesItCannotWrite) {
    TXlsStream unopened(QStringLiteral("x.xlsx"));
    EXPECT_THROW(XlsWriteCellNumber(unopened, 0, 0, 1.0), EReportError);

    TXlsStream stream(QStringLiteral("/nonexistent-folder/x.xlsx"));
    XlsBeginStream(stream, 0);
    XlsWriteCellRk(stream, 0, 0, 1);
    EXPECT_THROW(XlsWriteCellRk(stream, -1, 0, 1), EReportError);
    EXPECT_THROW(XlsEndStream(stream), EReportError);
}
