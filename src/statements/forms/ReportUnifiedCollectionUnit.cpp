#include "ReportUnifiedCollectionUnit.h"

#include "CalcFields.h"
#include "CompanyInfo.h"
#include "DBIniFile.h"
#include "DocumentYears.h"
#include "Messages.h"
#include "SalaryDM.h"
#include "UnifiedCollectionExport.h"
#include "db/DataSet.h"
#include "db/Field.h"

#include <QComboBox>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>
#include <optional>

namespace {

const QStringList PayerTypes = {
    QStringLiteral("Pravno lice koje se ne finansira iz budžeta"),
    QStringLiteral("Pravno lice koje se finansira iz budžeta"),
    QStringLiteral("Predstavništvo, odnosno ogranak pravnog lica"),
    QStringLiteral("Preduzetnik"),
    QStringLiteral("Fizičko lice"),
    QStringLiteral("Vojska Republike Srbije"),
    QStringLiteral("Nosilac poljoprivrednog gazdinstva"),
};

QStringList GridColumns() {
    QStringList columns = {QStringLiteral("personalidentificator"), QStringLiteral("firstname"),
                           QStringLiteral("lastname"),              QStringLiteral("communitycode"),
                           QStringLiteral("incometypecode"),        QStringLiteral("salaryworkingdays"),
                           QStringLiteral("workinghours"),          QStringLiteral("salaryworkinghours"),
                           QStringLiteral("salaryvalue"),           QStringLiteral("taxbase"),
                           QStringLiteral("taxvalue"),              QStringLiteral("contributionbase"),
                           QStringLiteral("contribution1value"),    QStringLiteral("contribution2value"),
                           QStringLiteral("contribution3value"),    QStringLiteral("contribution4value")};
    for (int i = 1; i <= 7; ++i) {
        const QString suffix = i == 1 ? QString() : QString::number(i);
        columns << QStringLiteral("mfflabel") + suffix << QStringLiteral("mffvalue") + suffix;
    }
    return columns;
}

}  // namespace

TReportUnifiedCollectionForm::TReportUnifiedCollectionForm(TSalaryDM& dm, IMessages& messages, QWidget* parent)
    : TReturnGridForm(QStringLiteral("Izvezi za objedinjenu naplatu poreza i doprinosa"),
                      *dm.SalaryReportUnifiedCollectionZQ, *dm.ZConnection(), messages, parent),
      dm_(dm) {
    setObjectName(QStringLiteral("ReportUnifiedCollectionForm"));
    QDate period = QDate::currentDate();
    const TSqlQuery& salary = *dm.SalaryZQ;
    if (dm.ExportingUnifiedCollection && salary.active() && !salary.isEmpty()) {
        salaryid_ = salary.fieldByName(QStringLiteral("salaryid"))->asLargeInt();
        period = StoredDate(salary.fieldByName(QStringLiteral("paymentdate"))->value());
    }
    year_ = period.year();
    month_ = period.month();
    QList<int> years = YearsFromFirstDocument(connection());
    if (!years.contains(year_)) {
        years.append(year_);
        std::sort(years.begin(), years.end());
    }
    YearCB = addYearChooser(years, year_, [this] { periodChanged(); });
    MonthCB = addMonthChooser(month_, true, [this] { periodChanged(); });
    // The rows of one document are of its payment's month.
    YearCB->setEnabled(salaryid_ == 0);
    MonthCB->setEnabled(salaryid_ == 0);
    PayerTypeCB = addChooser(QStringLiteral("Tip isplatioca"), PayerTypes, 0, [] {});
    PayerTypeCB->setObjectName(QStringLiteral("PayerTypeCB"));

    setColumns(GridColumns());
    AddAllButton = addButton(QStringLiteral("Dodaj sve"), QStringLiteral("AddAllButton"), [this] { AddAllButtonClick(); });
    addButton(QStringLiteral("Izbriši sve"), QStringLiteral("DeleteButton"), [this] { DeleteButtonClick(); });
    addButton(QStringLiteral("Izvezi za objedinjenu naplatu"), QStringLiteral("ExportButton"),
              [this] { ExportUnifiedCollection(false, false); });
    addButton(QStringLiteral("Izvezi spec. vrstu prihoda"), QStringLiteral("ExportIncomeTypeButton"),
              [this] { ExportUnifiedCollection(true, false); });
    addButton(QStringLiteral("Izvezi bez vrste prihoda"), QStringLiteral("ExportWithoutIncomeTypeButton"),
              [this] { ExportUnifiedCollection(true, true); });
    addButton(QStringLiteral("Štampaj"), QStringLiteral("PrintButton"), [this] { PrintButtonClick(); });
    setTotal([this] {
        // Adding builds a month anew; it waits until the loaded rows are gone.
        AddAllButton->setEnabled(rows().isEmpty());
        return QStringLiteral("Ukupno bruto: ")
            + TotalAmountText(rows().active() ? SumOf(rows(), QStringLiteral("salaryvalue")) : 0);
    });
    openRows();
}

TUnifiedCollectionSelection TReportUnifiedCollectionForm::selection() const {
    return salaryid_ > 0 ? TUnifiedCollectionSelection{salaryid_, 0, 0} : TUnifiedCollectionSelection{0, year_, month_};
}

void TReportUnifiedCollectionForm::openRows() {
    run([this] { OpenReportUnifiedCollection(dm_, selection()); });
    refreshTotal();
}

void TReportUnifiedCollectionForm::periodChanged() {
    if (!dropUnsaved()) {
        const QSignalBlocker year(YearCB);
        const QSignalBlocker month(MonthCB);
        YearCB->setCurrentText(QString::number(year_));
        MonthCB->setCurrentIndex(month_ - 1);
        return;
    }
    year_ = YearCB->currentText().toInt();
    month_ = MonthCB->currentIndex() + 1;
    openRows();
}

void TReportUnifiedCollectionForm::AddAllButtonClick() {
    if (!rows().isEmpty())
        return;
    BuildUnifiedCollection(dm_, selection());
    openRows();
}

void TReportUnifiedCollectionForm::DeleteButtonClick() {
    TDataSet& loaded = rows();
    loaded.checkBrowseMode();
    while (!loaded.isEmpty()) {
        loaded.first();
        loaded.remove();
    }
    refreshTotal();
}

void TReportUnifiedCollectionForm::ExportUnifiedCollection(bool ask, bool exclude) {
    // The declaration is made of what is stored.
    if (!apply())
        return;
    TUnifiedCollectionExport options;
    options.payerType = PayerTypeCB->currentIndex() + 1;
    if (ask) {
        QString code;
        if (!messages().inputLine(QStringLiteral("Šifra vrste prihoda"), QStringLiteral("Postavi šifru vrste prihoda:"),
                                  code)
            || code.trimmed().isEmpty())
            return;
        options.incomeType = code.trimmed();
        options.exclude = exclude;
    }
    const TCompanyInfo company = ReadCompanyInfo(TDBIniFile(connection()));
    QString path = QDir::home().filePath(
        UnifiedCollectionFileName(QDateTime::currentDateTime(), company.Code, year_, month_) + QStringLiteral(".xml"));
    if (!messages().getFileName(FileDialogKind::Save, QStringLiteral("Izvezi XML datoteku"),
                                QStringLiteral("XML (*.xml)"), path))
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".xml");
    ExportLoadedUnifiedCollection(dm_, selection(), options, path);
}

void TReportUnifiedCollectionForm::PrintButtonClick() {
    // MFP pairs that no row declares would only fill the paper with zeros.
    QStringList fields = GridColumns();
    for (int pair = 1; pair <= 7; ++pair) {
        const QString suffix = pair == 1 ? QString() : QString::number(pair);
        if (SumOf(rows(), QStringLiteral("mfflabel") + suffix) != 0)
            continue;
        fields.removeAll(QStringLiteral("mfflabel") + suffix);
        fields.removeAll(QStringLiteral("mffvalue") + suffix);
    }
    printGrid(QStringLiteral("PPP-PD"),
              QStringLiteral("Godina: %1, Mesec: %2").arg(YearCB->currentText(), MonthCB->currentText()), fields);
}

TUnifiedCollectionForDocument::TUnifiedCollectionForDocument(TSalaryDM& dm) : dm_(dm) {
    dm_.ExportingUnifiedCollection = true;
}

TUnifiedCollectionForDocument::~TUnifiedCollectionForDocument() { dm_.ExportingUnifiedCollection = false; }

void ShowReportUnifiedCollection(TSalaryDM& dm, IMessages& messages, bool forDocument, QWidget* parent) {
    std::optional<TUnifiedCollectionForDocument> marked;
    if (forDocument)
        marked.emplace(dm);
    TReportUnifiedCollectionForm form(dm, messages, parent);
    form.exec();
}
