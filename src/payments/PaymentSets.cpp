#include "PaymentSets.h"

#include "SalaryDM.h"
#include "db/DataSet.h"

namespace {

const QString Money = QStringLiteral("0.00");

ColumnDef column(const char* name, ColumnType type, const char* label) {
    ColumnDef c{QString::fromLatin1(name), type, 0, QString::fromUtf8(label)};
    if (type == ColumnType::Float)
        c.displayFormat = Money;
    if (type == ColumnType::String)
        c.size = 200;
    return c;
}

// Opens the dataset with the columns once; later calls only reopen it.
void define(TDataSet& dataSet, const std::vector<ColumnDef>& columns) {
    if (dataSet.fieldCount() == 0)
        for (const ColumnDef& c : columns)
            dataSet.addField(c);
    if (!dataSet.active())
        dataSet.open();
}

std::vector<ColumnDef> paymentListColumns() {
    std::vector<ColumnDef> columns;
#define ZARADE_COLUMN(name, type, label) columns.push_back(column(#name, ColumnType::type, label));
    ZARADE_PAYMENT_LIST_FIELDS(ZARADE_COLUMN)
#undef ZARADE_COLUMN
    return columns;
}

struct ShownColumns {
    std::vector<ColumnDef> columns;
    std::vector<bool> shown;
};

ShownColumns recapitulationColumns() {
    std::vector<ColumnDef> columns{column("count", ColumnType::Integer, "Broj zaposlenih")};
#define ZARADE_MONEY(name, label) columns.push_back(column(#name, ColumnType::Float, label));
#define ZARADE_HOURS(name, label) columns.push_back(column(#name, ColumnType::Float, label));
    ZARADE_RECAPITULATION_MONEY(ZARADE_MONEY)
    ZARADE_RECAPITULATION_HOURS(ZARADE_HOURS)
    const size_t printed = columns.size();
    ZARADE_RECAPITULATION_OTHER_SUMS(ZARADE_MONEY)
#undef ZARADE_HOURS
#undef ZARADE_MONEY
    for (ColumnDef& c : columns)
        if (c.name.endsWith(QLatin1String("hours")))
            c.displayFormat = QStringLiteral("0.##");
    // The money lines and the hours are printed; the other sums serve the payment orders.
    std::vector<bool> shown(columns.size(), false);
    for (size_t i = 0; i < printed; ++i)
        shown[i] = true;
    for (const char* counter : {"countsub2basesub2", "countparttime", "countovertime"})
        columns.push_back(column(counter, ColumnType::Integer, ""));
    for (const char* code : {"sub11paymentcode", "sub12paymentcode", "sub13paymentcode", "sub11paymentcode2",
                             "sub12paymentcode2", "sub13paymentcode2"})
        columns.push_back(column(code, ColumnType::String, ""));
    columns.push_back(column("organizationunit", ColumnType::String, "Organizaciona jedinica"));
    columns.push_back(column("suborganizationunit", ColumnType::String, "Pod org. jed."));
    shown.resize(columns.size(), false);
    return {columns, shown};
}

std::vector<ColumnDef> zipFormColumns() {
    std::vector<ColumnDef> columns;
    const char* const categories[] = {"", "1", "2", "3"};
    const char* const categoryNames[] = {"", " - Starozaposleni", " - Novozaposleni", " - Poslovodstvo"};
    const auto measure = [&](const char* name, const char* label) {
        for (int k = 0; k < 4; ++k) {
            ColumnDef c = column((QByteArray(name) + categories[k]).constData(), ColumnType::Integer, "");
            c.label = QString::fromUtf8(label) + QString::fromUtf8(categoryNames[k]);
            c.displayFormat = QStringLiteral("#,##0");
            columns.push_back(c);
        }
    };
#define ZARADE_MEASURE(name, label) measure(#name, label);
    ZARADE_ZIP_FORM_MEASURES(ZARADE_MEASURE)
#undef ZARADE_MEASURE
    return columns;
}

}  // namespace

TPaymentListIndex::TPaymentListIndex(const TDataSet& rows) {
#define ZARADE_RESOLVE(name, type, label) name = rows.fieldByName(QStringLiteral(#name))->index();
    ZARADE_PAYMENT_LIST_FIELDS(ZARADE_RESOLVE)
#undef ZARADE_RESOLVE
}

void DefinePaymentSets(TSalaryDM& dm) {
    using T = ColumnType;
    define(*dm.PaymentListsItemCDS, paymentListColumns());
    define(*dm.PaymentListsItemCreditItemCDS,
           {column("employeeid", T::LargeInt, ""), column("creditname", T::String, "Obustava"),
            column("creditvalue", T::Float, "Iznos"), column("creditbankaccount", T::String, "Račun"),
            column("paymentcode", T::String, "Poziv na broj"), column("creditdescription", T::String, "Opis")});
    define(*dm.PaymentListsItemDifferenceCDS,
           {column("employeeid", T::LargeInt, ""), column("differencename", T::String, "Razlika"),
            column("differencevalue", T::Float, "Iznos")});
    define(*dm.PaymentListsItemCoefficientCDS,
           {column("employeeid", T::LargeInt, ""), column("coefficient", T::Float, "Koeficijent"),
            column("workinghours", T::Float, "Radni sati"), column("nightworkinghours", T::Float, "Noćni rad sati"),
            column("overtimehours", T::Float, "Prekovremeni sati"),
            column("holidayworkinghours", T::Float, "Rad praznikom sati"),
            column("nightholidayworkinghours", T::Float, "Noćni rad praznikom sati")});
    const ShownColumns recapitulation = recapitulationColumns();
    if (dm.RecapitulationCDS->fieldCount() == 0) {
        define(*dm.RecapitulationCDS, recapitulation.columns);
        for (size_t i = 0; i < recapitulation.shown.size(); ++i)
            dm.RecapitulationCDS->field(int(i))->setVisible(recapitulation.shown[i]);
    }
    std::vector<ColumnDef> chambers{column("taxname", T::String, "Komora"), column("taxpercent", T::Float, "Procenat"),
                                    column("paycode", T::String, "Šifra plaćanja"),
                                    column("taxbankaccount", T::String, "Račun"),
                                    column("paymentmodel", T::String, "Model"),
                                    column("paymentcode", T::String, "Poziv na broj"),
                                    column("taxvalue", T::Float, "Iznos"),
                                    column("organizationunit", T::String, "Organizaciona jedinica"),
                                    column("suborganizationunit", T::String, "Pod org. jed.")};
    chambers[1].displayFormat = QStringLiteral("0.00 %");
    define(*dm.ChamberCDS, chambers);
    define(*dm.ZipFormCDS, zipFormColumns());
}
