#include "AnnualReportForm.h"

#include "BusyCursor.h"
#include "DocumentYears.h"
#include "Messages.h"
#include "SalaryDM.h"
#include "db/DbError.h"
#include "db/Field.h"
#include "db/SqlQuery.h"

#include <QComboBox>
#include <QDate>
#include <QSignalBlocker>

TAnnualReportForm::TAnnualReportForm(const QString& caption, TSalaryDM& dm, TSqlQuery& rows, IMessages& messages,
                                     QWidget* parent, std::function<void(TSalaryDM&, int)> open,
                                     std::function<int(TSalaryDM&, int)> addAll)
    : TReturnGridForm(caption, rows, *dm.ZConnection(), messages, parent), dm_(dm), stored_(rows),
      open_(std::move(open)), addAll_(std::move(addAll)) {
    const QList<int> years = YearsWithPostedDocuments(connection());
    const int current = QDate::currentDate().year();
    year_ = addYearChooser(years, years.contains(current) ? current : years.last(), [this] { yearChanged(); });
    addButton(tr("Dodaj sve"), QStringLiteral("AddAllButton"), [this] { AddAllButtonClick(); });
    addButton(tr("Izbriši sve"), QStringLiteral("DeleteButton"), [this] { DeleteButtonClick(); });
    shownYear_ = year();
    run([this] { open_(dm_, shownYear_); });
}

int TAnnualReportForm::year() const { return year_->currentText().toInt(); }

void TAnnualReportForm::yearChanged() {
    if (year() == shownYear_)
        return;
    if (!dropUnsaved()) {
        const QSignalBlocker blocker(year_);
        year_->setCurrentText(QString::number(shownYear_));
        return;
    }
    shownYear_ = year();
    run([this] { open_(dm_, shownYear_); });
}

void TAnnualReportForm::AddAllButtonClick() {
    rows().checkBrowseMode();
    if (!rows().isEmpty()) {
        messages().warning(tr("Za %1. godinu već postoje redovi; za novu izradu prvo ih izbrišite (Izbriši sve).")
                               .arg(shownYear_));
        return;
    }
    const BusyCursor busy;
    addAll_(dm_, shownYear_);
}

void TAnnualReportForm::DeleteButtonClick() { removeAllRows(); }

bool TAnnualReportForm::apply() {
    // Rows typed or built for the year shown belong to it, whatever they say.
    const bool stamped = run([this] {
        TDataSet& shown = rows();
        shown.checkBrowseMode();
        TField* year = shown.fieldByName(QStringLiteral("year"));
        for (int row = 0; row < shown.recordCount(); ++row) {
            if (shown.valueAt(row, year->index()).toInt() == shownYear_)
                continue;
            shown.setCurrentIndex(row);
            shown.edit();
            year->setValue(shownYear_);
            shown.post();
        }
    });
    return stamped && TReturnGridForm::apply();
}

qint64 TAnnualReportForm::currentEmployee() const {
    const TDataSet& shown = rows();
    if (shown.isEmpty() || shown.currentIndex() < 0)
        throw EDatabaseError(tr("Izaberite red zaposlenog."));
    return shown.fieldByName(QStringLiteral("employeeid"))->asLargeInt();
}

QString TAnnualReportForm::askExportFile(const QString& caption) {
    QString name;
    if (!messages().getFileName(FileDialogKind::Save, caption, QStringLiteral("TXT (*.txt)"), name) || name.isEmpty())
        return {};
    if (!name.contains(QLatin1Char('.')))
        name += QStringLiteral(".txt");
    return name;
}
