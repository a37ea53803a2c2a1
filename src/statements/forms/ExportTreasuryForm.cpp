#include "ExportTreasuryForm.h"

#include "CompanyInfo.h"
#include "DBIniFile.h"
#include "DocumentYears.h"
#include "SalaryDM.h"
#include "SaveFileName.h"
#include "TreasuryExport.h"

#include <QComboBox>
#include <QDateTime>

#include <algorithm>

TExportTreasuryForm::TExportTreasuryForm(TSalaryDM& dm, IMessages& messages, int year, int month, QWidget* parent)
    : TReturnGridForm(tr("Izvezi za trezor - MZ"), *dm.ExportTreasuryCDS, *dm.ZConnection(), messages, parent),
      dm_(dm) {
    setObjectName(QStringLiteral("TExportTreasuryForm"));
    resize(1260, 600);  // the ten columns side by side
    QList<int> years = YearsWithPostedDocuments(connection());
    if (!years.contains(year)) {
        years.append(year);
        std::sort(years.begin(), years.end());
    }
    year_ = addYearChooser(years, year, [] {});
    month_ = addMonthChooser(month, false, [] {});
    addButton(tr("Prikaži"), QStringLiteral("ShowButton"), [this] { ShowButtonClick(); });
    addButton(tr("Izvezi za trezor - MZ"), QStringLiteral("ExportButton"), [this] { ExportButtonClick(); });
    setTotal([this] {
        const TDataSet& r = rows();
        if (!r.active() || r.fieldCount() == 0)
            return QString();
        QStringList sums;
        for (const char* field : {"regularnet", "workingyearsnet", "varpart", "paymentvalue", "salaryvalue"})
            sums << r.fieldByName(QLatin1String(field))->displayLabel() + QStringLiteral(" ")
                    + TotalAmountText(SumOf(r, QLatin1String(field)));
        return tr("Ukupno: %1     %2").arg(r.recordCount()).arg(sums.join(QStringLiteral("     ")));
    });
    run([this] { ShowButtonClick(); });
    setColumns({QStringLiteral("firstname"), QStringLiteral("lastname"), QStringLiteral("personalidentificator"),
                QStringLiteral("vocationcode"), QStringLiteral("educationcode"), QStringLiteral("regularnet"),
                QStringLiteral("workingyearsnet"), QStringLiteral("varpart"), QStringLiteral("paymentvalue"),
                QStringLiteral("salaryvalue")});
}

void TExportTreasuryForm::ShowButtonClick() {
    const int year = year_->currentText().toInt();
    const int month = month_->currentText().toInt();
    LoadExportTreasury(dm_, year, month);
    shownYear_ = year;
    shownMonth_ = month;
    refreshTotal();
}

void TExportTreasuryForm::ExportButtonClick() {
    const TCompanyInfo company = ReadCompanyInfo(TDBIniFile(connection()));
    const QString path = AskSaveXmlFileName(
        messages(), ExportTreasuryFileName(QDateTime::currentDateTime(), company.UniqueNumber, company.Code,
                                           shownYear_, shownMonth_));
    if (!path.isEmpty())
        WriteExportTreasury(dm_, shownYear_, shownMonth_, path);
}
