#include "ReportRegisterEmployeeForm.h"

#include "CompanyInfo.h"
#include "DBIniFile.h"
#include "DocumentYears.h"
#include "Messages.h"
#include "RegisterEmployee.h"
#include "SalaryDM.h"
#include "SaveFileName.h"
#include "db/DbError.h"

#include <QComboBox>
#include <QDateTime>
#include <QSignalBlocker>

#include <algorithm>

TReportRegisterEmployeeForm::TReportRegisterEmployeeForm(TSalaryDM& dm, IMessages& messages, const QDate& today,
                                                         QWidget* parent)
    : TReturnGridForm(tr("Izvezi za trezor - zaposleni"), *dm.SalaryReportRegisterEmployeeZQ, *dm.ZConnection(),
                      messages, parent),
      dm_(dm) {
    setObjectName(QStringLiteral("TReportRegisterEmployeeForm"));
    const QDate previous = today.addMonths(-1);
    QList<int> years = YearsWithPostedDocuments(connection());
    if (!years.contains(previous.year())) {
        years.append(previous.year());
        std::sort(years.begin(), years.end());
    }
    year_ = addYearChooser(years, previous.year(), [this] { periodChanged(); });
    month_ = addMonthChooser(previous.month(), false, [this] { periodChanged(); });
    addButton(tr("Dodaj sve"), QStringLiteral("AddAllButton"), [this] { AddAllButtonClick(); });
    addButton(tr("Izbriši sve"), QStringLiteral("DeleteAllButton"), [this] { DeleteAllButtonClick(); });
    addButton(tr("Izvezi za trezor - zaposleni"), QStringLiteral("ExportButton"), [this] { ExportButtonClick(); });
    setTotal([this] { return tr("Ukupno zaposlenih: %1").arg(rows().recordCount()); });
    run([this] { openRows(); });
    setColumns({QStringLiteral("personalidentificator"), QStringLiteral("firstname"), QStringLiteral("lastname"),
                QStringLiteral("sex"), QStringLiteral("citizenship"), QStringLiteral("city"),
                QStringLiteral("communitycode"), QStringLiteral("communityworkcode"), QStringLiteral("educationcode"),
                QStringLiteral("employmenttype"), QStringLiteral("vocationcode"), QStringLiteral("workpercent"),
                QStringLiteral("workingyears"), QStringLiteral("contribution4status"),
                QStringLiteral("workingyearsincrementpercent"), QStringLiteral("coefficient"),
                QStringLiteral("salaryvalue"), QStringLiteral("paymentvalue"), QStringLiteral("workingfromdate"),
                QStringLiteral("workingtodate")});
}

int TReportRegisterEmployeeForm::year() const { return year_->currentText().toInt(); }

int TReportRegisterEmployeeForm::month() const { return month_->currentText().toInt(); }

void TReportRegisterEmployeeForm::openRows() {
    OpenReportRegisterEmployee(dm_, year(), month());
    openYear_ = year();
    openMonth_ = month();
}

void TReportRegisterEmployeeForm::periodChanged() {
    if (year() == openYear_ && month() == openMonth_)
        return;
    if (!dropUnsaved()) {
        // The edits stay, and so does the month they belong to.
        const QSignalBlocker yearBlocker(year_);
        const QSignalBlocker monthBlocker(month_);
        year_->setCurrentText(QString::number(openYear_));
        month_->setCurrentText(QString::number(openMonth_));
        return;
    }
    run([this] { openRows(); });
}

void TReportRegisterEmployeeForm::AddAllButtonClick() {
    if (!rows().isEmpty())
        throw EDatabaseError(tr("Registar za ovaj mesec već ima redove; \"Dodaj sve\" radi samo u praznom mesecu."));
    // Rows deleted but not yet saved go first, so the month is empty in the table too.
    if (!apply())
        return;
    if (BuildReportRegisterEmployee(connection(), openYear_, openMonth_) == 0)
        messages().information(tr("U %1/%2 nema proknjiženih konačnih zarada; nije dodat nijedan red.")
                                   .arg(openMonth_)
                                   .arg(openYear_));
    openRows();
}

void TReportRegisterEmployeeForm::DeleteAllButtonClick() { removeAllRows(); }

void TReportRegisterEmployeeForm::ExportButtonClick() {
    rows().checkBrowseMode();
    const TCompanyInfo company = ReadCompanyInfo(TDBIniFile(connection()));
    const QString path = AskSaveXmlFileName(
        messages(), RegisterEmployeeFileName(QDateTime::currentDateTime(), company.UniqueNumber, openYear_, openMonth_));
    if (!path.isEmpty())
        WriteReportRegisterEmployee(dm_, openYear_, openMonth_, path);
}
