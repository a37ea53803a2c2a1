// The editor's imports into an empty document: the month's attendance and
// a spreadsheet of codes and net amounts. The data module does the work;
// the form asks for the file and tells what was not added.

#include "SalaryDetailUnit.h"

#include "BusyCursor.h"
#include "Messages.h"
#include "SalaryDM.h"
#include "SalaryImports.h"
#include "SheetFile.h"

#include <QAction>

void TSalaryDetailForm::SalaryImportAttendanceUpdate() {
    const bool allowed = Editable() && SalaryImportAllowed(dm_);
    SalaryImportAttendance->setEnabled(allowed);
    SalaryImportExcel->setEnabled(allowed);
}

void TSalaryDetailForm::SalaryImportAttendanceExecute() {
    if (!SalaryImportAllowed(dm_))
        return;
    BusyCursor busy;
    Guarded([this] { ImportAttendanceLines(dm_); });
}

void TSalaryDetailForm::SalaryImportExcelExecute() {
    QString fileName;
    if (!SalaryImportAllowed(dm_)
        || !Messages().getFileName(FileDialogKind::Open, tr("Uvoz iz Excel-a"),
                                   tr("Tabele (*.xls *.xlsx *.csv);;Sve datoteke (*)"), fileName))
        return;
    TSheetImport result;
    {
        BusyCursor busy;
        if (!Guarded([&] { result = ImportSheetLines(dm_, ReadSheetFile(fileName)); }))
            return;
    }
    if (!result.unknown.isEmpty())
        Messages().warning(result.UnknownMessage());
}
