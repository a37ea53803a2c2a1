#include "SalaryLineOrder.h"

#include "SalaryDM.h"
#include "SuspendGuard.h"

namespace {

const QString SortField = QStringLiteral("sort");

}  // namespace

bool SalaryItemMayMove(const TSalaryDM& dm, int step) {
    const TDataSet& lines = *dm.SalaryItemZQ;
    if (!lines.active() || lines.isEditing() || lines.isEmpty()
        || lines.sortFields().trimmed().compare(SortField, Qt::CaseInsensitive) != 0)
        return false;
    const int neighbour = lines.currentIndex() + step;
    return neighbour >= 0 && neighbour < lines.recordCount();
}

void SalaryItemMove(TSalaryDM& dm, int step) {
    if (!SalaryItemMayMove(dm, step))
        return;
    TDataSet& lines = *dm.SalaryItemZQ;
    TField* sort = lines.fieldByName(SortField);
    ControlsDisabled quiet(lines);
    const TDataSet::Bookmark moved = lines.bookmark();
    const int movedSort = sort->asInteger();
    lines.setCurrentIndex(lines.currentIndex() + step);
    const TDataSet::Bookmark neighbour = lines.bookmark();
    const int neighbourSort = sort->asInteger();
    lines.edit();
    sort->setAsInteger(movedSort);
    lines.post();
    lines.gotoBookmark(moved);
    lines.edit();
    sort->setAsInteger(neighbourSort);
    lines.post();
    // Two equal sorts existed for a moment: order the pair again.
    lines.setSortFields(SortField);
    if (!lines.gotoBookmark(moved))
        lines.gotoBookmark(neighbour);
}

void SalaryItemDelete(TSalaryDM& dm) {
    TDataSet& lines = *dm.SalaryItemZQ;
    if (lines.active() && !lines.isEmpty())
        lines.remove();  // the line's before-delete handler asks and renumbers
}

void SalaryItemsDeleteAll(TSalaryDM& dm) {
    TDataSet& lines = *dm.SalaryItemZQ;
    if (!lines.active())
        return;
    ControlsDisabled quiet(lines);
    FlagGuard oneQuestion(dm.EditingLines, false);
    // From the last line: no line after it needs its sort closed up.
    while (!lines.isEmpty()) {
        lines.last();
        lines.remove();
    }
}
