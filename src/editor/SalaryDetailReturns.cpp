// The editor's tax return: the PPP-PD of the document being edited.

#include "SalaryDetailUnit.h"

#include "ReportUnifiedCollectionUnit.h"

void TSalaryDetailForm::SalaryExportUnifiedCollectionExecute() {
    // The return is made of what is stored.
    if (!Apply())
        return;
    ShowReportUnifiedCollection(dm_, Messages(), true, this);
    UpdateActions();
}
