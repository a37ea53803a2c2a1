// The editor's two imports: offered only on an empty document, filling it
// from the month's attendance or from a sheet chosen in the file dialog,
// and naming the codes nobody has. Pictures of the editors with the import
// menu go to ZARADE_SHOT_DIR when it is set.

#include "EditorFixture.h"
#include "SalaryTransportDetailUnit.h"
#include "ShootIfAsked.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

TEST_F(EditorFixture, AttendanceFillsOnlyAnEmptyDocumentFromTheEditor) {
    for (const char* code : {"001", "003"})
        c->exec(QStringLiteral("INSERT INTO timerattendance (employeeid, attendancedate, regularworkinghours) "
                               "SELECT employeeid, '2025-05-05', 8 FROM employee WHERE code = ?"),
                {QLatin1String(code)});
    form = std::make_unique<TSalaryDetailForm>(dm, console);
    ASSERT_TRUE(form->SalaryImportAttendance->isVisible());
    EXPECT_TRUE(form->SalaryImportAttendance->isEnabled());
    EXPECT_TRUE(form->SalaryImportExcel->isEnabled());
    ShootIfAsked(*form, QStringLiteral("editor-imports"));

    form->SalaryImportAttendance->trigger();
    ASSERT_EQ(2, dm.SalaryItemZQ->recordCount());
    EXPECT_EQ(8, Line("workinghours"));
    // Added lines wait for the apply, as added employees do; nothing more is taken meanwhile.
    EXPECT_FALSE(form->SalaryImportAttendance->isEnabled());
    EXPECT_FALSE(form->SalaryImportExcel->isEnabled());
    ASSERT_TRUE(form->Apply());
    EXPECT_EQ(2, StoredLines(salaryid));
    EXPECT_FALSE(form->SalaryImportAttendance->isEnabled());
}

TEST_F(EditorFixture, ASheetFillsATransportDocumentAndNamesUnknownCodes) {
    const qint64 transport = AddDocument(QStringLiteral("P"));
    ShowDocument(transport);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("prevoz.csv"));
    QFile csv(file);
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write("Kod;Ime;Neto\n002;Đorđević;2500\n777;Niko Nikić;100\n");
    csv.close();
    TSalaryTransportDetailForm editor(dm, console);
    ASSERT_TRUE(editor.ImportButton);
    EXPECT_TRUE(editor.ImportButton->isEnabled());
    ShootIfAsked(editor, QStringLiteral("editor-transport-import"));

    messages.answerFileName(file);
    editor.SalaryImportExcel->trigger();
    ASSERT_EQ(1, dm.SalaryItemZQ->recordCount());
    EXPECT_EQ(2500, Line("paymentvalue"));
    EXPECT_FALSE(editor.ImportButton->isEnabled());
    EXPECT_TRUE(messages.refusals().contains(QStringLiteral("777 - Niko Nikić"))) << messages.refusals().toStdString();
}
