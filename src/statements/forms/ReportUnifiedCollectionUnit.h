#pragma once

#include "ReturnGridForm.h"
#include "UnifiedCollection.h"

class QComboBox;
class QPushButton;
class TSalaryDM;

// The PPP-PD return of a month ("Izvezi za objedinjenu naplatu poreza i
// doprinosa"): its stored rows edited in a grid, built from the posted
// documents, printed and exported as the tax declaration. Opened for the
// current document of SalaryZQ while the data module is marked so
// (TUnifiedCollectionForDocument), otherwise for the month chosen.
class TReportUnifiedCollectionForm : public TReturnGridForm {
    Q_OBJECT
public:
    TReportUnifiedCollectionForm(TSalaryDM& dm, IMessages& messages, QWidget* parent);

    QComboBox* YearCB = nullptr;
    QComboBox* MonthCB = nullptr;
    QComboBox* PayerTypeCB = nullptr;
    QPushButton* AddAllButton = nullptr;

    void AddAllButtonClick();
    void DeleteButtonClick();
    // Exports the stored rows: all of them, or with `ask` those of the income
    // type asked for (with `exclude` all but those).
    void ExportUnifiedCollection(bool ask, bool exclude);
    void PrintButtonClick();

private:
    TUnifiedCollectionSelection selection() const;
    void periodChanged();
    void openRows();

    TSalaryDM& dm_;
    qint64 salaryid_ = 0;  // opened for this document; 0 for a month
    int year_ = 0;
    int month_ = 0;
};

// While it lives the data module marks the PPP-PD form as opened for the
// current document (the editor's export of its own document).
class TUnifiedCollectionForDocument {
public:
    explicit TUnifiedCollectionForDocument(TSalaryDM& dm);
    ~TUnifiedCollectionForDocument();
    TUnifiedCollectionForDocument(const TUnifiedCollectionForDocument&) = delete;
    TUnifiedCollectionForDocument& operator=(const TUnifiedCollectionForDocument&) = delete;

private:
    TSalaryDM& dm_;
};

// Shows the form modally: for the current document, or for a month.
void ShowReportUnifiedCollection(TSalaryDM& dm, IMessages& messages, bool forDocument, QWidget* parent);
