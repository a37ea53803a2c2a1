#pragma once

#include "ReturnGridForm.h"

class QComboBox;
class TSalaryDM;

// "Izvezi za trezor - MZ": the treasury's split of the month's net per
// employee, read-only, shown for the chosen month and written as its file.
class TExportTreasuryForm : public TReturnGridForm {
    Q_OBJECT
public:
    // Opens on `year`/`month` (the document's month from the editor, else today's).
    TExportTreasuryForm(TSalaryDM& dm, IMessages& messages, int year, int month, QWidget* parent);

    void ShowButtonClick();
    // Asks for the file and writes the rows shown to it.
    void ExportButtonClick();

private:

    TSalaryDM& dm_;
    QComboBox* year_ = nullptr;
    QComboBox* month_ = nullptr;
    int shownYear_ = 0;
    int shownMonth_ = 0;
};
