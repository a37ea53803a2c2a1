#pragma once

#include "ReturnGridForm.h"

class QComboBox;
class TSalaryDM;

// What the annual PPP and M4 forms share: the year chooser over the years
// with posted documents, the rows of the chosen year on cached updates,
// "Dodaj sve" on an empty year, "Izbriši sve", and the year written into
// every row when the rows are applied.
class TAnnualReportForm : public TReturnGridForm {
    Q_OBJECT
public:
    int year() const;

protected:
    // `open` opens the rows on a year, `addAll` appends the year's rows to
    // empty ones.
    TAnnualReportForm(const QString& caption, TSalaryDM& dm, TSqlQuery& rows, IMessages& messages, QWidget* parent,
                      std::function<void(TSalaryDM&, int)> open, std::function<int(TSalaryDM&, int)> addAll);

    bool apply() override;
    TSalaryDM& dm() const { return dm_; }
    // The employee of the row the grid stands on; refused without one.
    qint64 currentEmployee() const;
    // Asks for the export's file name ("TXT|*.txt"); empty when cancelled.
    QString askExportFile(const QString& caption);

private:
    void yearChanged();
    void AddAllButtonClick();
    void DeleteButtonClick();

    TSalaryDM& dm_;
    TSqlQuery& stored_;
    std::function<void(TSalaryDM&, int)> open_;
    std::function<int(TSalaryDM&, int)> addAll_;
    QComboBox* year_ = nullptr;
    int shownYear_ = 0;
};
