#include "SalaryLineBulkEdits.h"

#include "SalaryDM.h"

#include <functional>
#include <vector>

namespace {

// Edits and posts every line with the value `valueOf` gives for it.
void assignToEveryLine(TSalaryDM& dm, const char* column, const std::function<double()>& valueOf) {
    TDataSet& lines = *dm.SalaryItemZQ;
    if (!lines.active() || lines.isEmpty())
        return;
    TField* field = lines.fieldByName(QLatin1String(column));
    ControlsDisabled quiet(lines);
    lines.checkBrowseMode();
    const TDataSet::Bookmark current = lines.bookmark();
    for (int row = 0; row < lines.recordCount(); ++row) {
        lines.setCurrentIndex(row);
        lines.edit();
        field->setAsFloat(valueOf());
        lines.post();
    }
    lines.gotoBookmark(current);
}

}  // namespace

void SalaryItemsTakeDocumentValue(TSalaryDM& dm, const char* column) {
    const double value = dm.SalaryZQ->fieldByName(QLatin1String(column))->asFloat();
    assignToEveryLine(dm, column, [value] { return value; });
}

double VacationRefundOfLine(double documentRefund, double documentHours, double workedHours, bool onlyEffectiveHours) {
    if (onlyEffectiveHours && documentHours > 0 && workedHours < documentHours)
        return double(static_cast<long double>(documentRefund) / documentHours * workedHours);
    return documentRefund;
}

void SalaryItemsTakeVacationRefund(TSalaryDM& dm) {
    const double refund = dm.SalaryZQ->fieldByName(QStringLiteral("vacationrefund"))->asFloat();
    const double hours = dm.SalaryZQ->fieldByName(QStringLiteral("workinghours"))->asFloat();
    const bool onlyEffective = dm.Options.VacOnlyForEffectiveHours;
    TDataSet& lines = *dm.SalaryItemZQ;
    std::vector<TField*> worked;
    for (const char* column :
         {"workinghours", "nightworkinghours", "overtimehours", "holidayworkinghours", "nightholidayworkinghours"})
        worked.push_back(lines.fieldByName(QLatin1String(column)));
    assignToEveryLine(dm, "vacationrefund", [&] {
        double sum = 0;
        for (TField* field : worked)
            sum += field->asFloat();
        return VacationRefundOfLine(refund, hours, sum, onlyEffective);
    });
}
