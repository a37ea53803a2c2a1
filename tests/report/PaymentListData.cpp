#include "PaymentListData.h"

#include <QDate>

#include <tuple>

namespace {

const QStringList TextFields{
    "code", "firstname", "lastname", "personalidentificator", "account", "bankname", "paymentcode", "community",
    "communitypaymentcode", "communitycode", "organizationunit", "suborganizationunit", "vocation", "educationcode",
    "address", "city"};
const QStringList KeyFields{"salaryitemid", "salaryid", "employeeid", "workingstateid", "salarycreditid"};
const QStringList HourFields{
    "salaryworkinghours", "vacationhours", "sickhours", "longsickhours", "nightworkinghours", "holidayworkinghours",
    "nightholidayworkinghours", "paidleavehours", "publicholidayhours", "absencehours", "maternityleavehours",
    "childcareleavehours", "totalhours", "mealrefundhours", "workingyears"};
const QStringList MoneyFields{
    "coefficient", "outturn", "regularwork", "increment", "decrement", "incdec", "incrementperc", "decrementperc",
    "difference", "workinghours", "overtimehours", "vacationvalue", "sickvalue", "longsickvalue", "nightworkingvalue",
    "overtimevalue", "holidayworkingvalue", "nightholidayworkingvalue", "paidleavevalue", "publicholidayvalue",
    "absencevalue", "maternityleavevalue", "childcareleavevalue", "mealrefund", "vacationrefund",
    "workingyearspercent", "workingyearsvalue", "voluntarypension", "arrangedvalue", "netcoefficient", "baudvalue",
    "baudvaluedecreased", "salaryvalue", "paymentvalue", "credits", "paymentnetvalue", "cash",
    "calculatedminnetsalarygross", "comparegross", "comparedecreasedgross", "sub1base", "sub11", "sub111", "sub112",
    "sub113", "sub12", "sub121", "sub122", "sub123", "sub124", "sub2basesub", "sub2basesub2", "sub2",
    "contributioncoef11", "contributioncoef12", "contributioncoef13", "contributioncoef21", "contributioncoef22",
    "contributioncoef23", "taxcoef", "prevsalaryvalue", "prevtaxvalue", "prevpaymentvalue", "prevcredits",
    "prevpaymentnetvalue", "prevsub11", "prevsub12", "prevsub1base", "prevsub124base", "prevsub2", "prevsub2basesub",
    "prevsub2basesub2"};

QList<QPair<QString, FieldType>> RowFields() {
    QList<QPair<QString, FieldType>> fields;
    for (const QString& name : KeyFields)
        fields.append({name, FieldType::LargeInt});
    for (const QString& name : TextFields)
        fields.append({name, FieldType::String});
    fields.append({QStringLiteral("minsalary"), FieldType::Flag});
    fields.append({QStringLiteral("employer"), FieldType::Flag});
    for (const QString& name : HourFields)
        fields.append({name, FieldType::Integer});
    for (const QString& name : MoneyFields)
        fields.append({name, FieldType::Float});
    return fields;
}

// A month's line as the calculation leaves it: contributions 14 + 5.15 +
// 0.75 % of the gross, tax 10 % above the relief, employer 10 + 5.15 %.
QVariantMap Line(qint64 id, const QString& code, const QString& last, const QString& first, const QString& unit,
                 const QString& subUnit, const QString& account, double regular, double gross, double credits) {
    const double employee111 = gross * 0.14;
    const double employee112 = gross * 0.0515;
    const double employee113 = gross * 0.0075;
    const double contributions = employee111 + employee112 + employee113;
    const double relief = 28423;
    const double tax = (gross - relief) * 0.10;
    const double net = gross - contributions - tax;
    return {{"salaryitemid", id * 10},
            {"salaryid", 7},
            {"employeeid", id},
            {"code", code},
            {"lastname", last},
            {"firstname", first},
            {"personalidentificator", QStringLiteral("01019857100%1").arg(id)},
            {"organizationunit", unit},
            {"suborganizationunit", subUnit},
            {"vocation", QStringLiteral("Krojač")},
            {"account", account},
            {"bankname", account.startsWith(QLatin1String("160")) ? QStringLiteral("Banca Intesa")
                                                                   : QStringLiteral("Poštanska štedionica")},
            {"city", QStringLiteral("Niš")},
            {"minsalary", "n"},
            {"salaryworkinghours", 160},
            {"workinghours", 152.0},
            {"vacationhours", 8},
            {"totalhours", 160},
            {"regularwork", regular},
            {"vacationvalue", gross - regular},
            {"salaryvalue", gross},
            {"sub1base", gross},
            {"sub111", employee111},
            {"sub112", employee112},
            {"sub113", employee113},
            {"sub11", contributions},
            {"contributioncoef11", 14.0},
            {"contributioncoef12", 5.15},
            {"contributioncoef13", 0.75},
            {"sub2basesub", relief},
            {"sub2", tax},
            {"taxcoef", 10.0},
            {"paymentvalue", net},
            {"credits", credits},
            {"paymentnetvalue", net - credits},
            {"cash", net - credits},
            {"sub121", gross * 0.10},
            {"sub122", gross * 0.0515},
            {"sub12", gross * 0.1515},
            {"contributioncoef21", 10.0},
            {"contributioncoef22", 5.15}};
}

}  // namespace

std::unique_ptr<TDataSet> MemoryData(const QString& name, const QList<QPair<QString, FieldType>>& fields,
                                     const QList<QVariantMap>& records) {
    auto data = std::make_unique<TDataSet>(name);
    for (const auto& [field, type] : fields)
        data->addField(field, type, type == FieldType::String ? 100 : 0);
    data->open();
    for (const QVariantMap& record : records) {
        data->append();
        for (auto it = record.begin(); it != record.end(); ++it)
            data->fieldByName(it.key())->setValue(it.value());
        data->post();
    }
    data->first();
    return data;
}

PaymentListData NovemberPaymentList() {
    QVariantMap petrovic = Line(1, "101", QStringLiteral("Petrović"), QStringLiteral("Petar"),
                                QStringLiteral("Proizvodnja"), QStringLiteral("Krojačnica"),
                                QStringLiteral("325-9500700012345-67"), 100000, 120000, 5000);
    petrovic["difference"] = 2000.0;
    petrovic["workingyears"] = 12;
    petrovic["workingyearspercent"] = 4.8;
    petrovic["workingyearsvalue"] = 4800.0;
    QVariantMap saric = Line(2, "102", QStringLiteral("Šarić"), QStringLiteral("Željka"),
                             QStringLiteral("Proizvodnja"), QStringLiteral("Šivenje"),
                             QStringLiteral("160-0000000123456-78"), 60000, 64000, 0);
    saric["minsalary"] = "y";
    QVariantMap djordjevic = Line(3, "A/7", QStringLiteral("Đorđević"), QStringLiteral("Živko"),
                                  QStringLiteral("Uprava"), QString(), QStringLiteral("205-0000000000777-11"),
                                  140000, 150000, 0);
    // Half was paid as an advance earlier in the month.
    djordjevic["prevpaymentnetvalue"] = 50000.0;
    djordjevic["prevsalaryvalue"] = 70000.0;
    djordjevic["cash"] = djordjevic["paymentnetvalue"].toDouble() - 50000.0;

    PaymentListData data;
    data.rows = MemoryData(QStringLiteral("PaymentListsItemCDS"), RowFields(), {petrovic, saric, djordjevic});
    data.credits = MemoryData(QStringLiteral("PaymentListsItemCreditItemCDS"),
                              {{"employeeid", FieldType::LargeInt},
                               {"creditname", FieldType::String},
                               {"creditvalue", FieldType::Float},
                               {"creditbankaccount", FieldType::String},
                               {"paymentcode", FieldType::String},
                               {"creditdescription", FieldType::String}},
                              {{{"employeeid", 1},
                                {"creditname", QStringLiteral("Kredit Komercijalna banka")},
                                {"creditvalue", 3800.0}},
                               {{"employeeid", 1}, {"creditname", QStringLiteral("Sindikat")}, {"creditvalue", 1200.0}}});
    data.differences = MemoryData(QStringLiteral("PaymentListsItemDifferenceCDS"),
                                  {{"employeeid", FieldType::LargeInt},
                                   {"differencename", FieldType::String},
                                   {"differencevalue", FieldType::Float}},
                                  {{{"employeeid", 1},
                                    {"differencename", QStringLiteral("Razlika za oktobar")},
                                    {"differencevalue", 2000.0}}});
    data.coefficients = MemoryData(QStringLiteral("PaymentListsItemCoefficientCDS"),
                                   {{"employeeid", FieldType::LargeInt},
                                    {"coefficient", FieldType::Float},
                                    {"workinghours", FieldType::Float},
                                    {"nightworkinghours", FieldType::Integer},
                                    {"overtimehours", FieldType::Float},
                                    {"holidayworkinghours", FieldType::Integer},
                                    {"nightholidayworkinghours", FieldType::Integer}},
                                   {});
    data.document = MemoryData(QStringLiteral("SalaryZQ"),
                               {{"salaryid", FieldType::LargeInt},
                                {"year", FieldType::SmallInt},
                                {"month", FieldType::SmallInt},
                                {"salarynumber", FieldType::Integer},
                                {"salarytype", FieldType::String},
                                {"paymentdate", FieldType::Date}},
                               {{{"salaryid", 7},
                                 {"year", 2026},
                                 {"month", 11},
                                 {"salarynumber", 14},
                                 {"salarytype", "Z"},
                                 {"paymentdate", QDate(2026, 12, 10)}}});
    return data;
}

std::unique_ptr<TDataSet> ManyPaymentRows(int count) {
    QList<QVariantMap> records;
    for (int i = 0; i < count; ++i)
        records << Line(i + 1, QString::number(1000 + i), QStringLiteral("Jovanović"), QStringLiteral("Milica"),
                        QStringLiteral("Proizvodnja"), QStringLiteral("Šivenje"),
                        QStringLiteral("160-0000000123456-78"), 90000, 96000 + i, 1500);
    return MemoryData(QStringLiteral("PaymentListsItemCDS"), RowFields(), records);
}

std::unique_ptr<TDataSet> Recapitulation(bool perUnit) {
    auto data = std::make_unique<TDataSet>(QStringLiteral("RecapitulationCDS"));
    const QList<QPair<const char*, const char*>> money{
        {"regularwork", "Redovan rad"},       {"vacationvalue", "Godišnji odmor"},
        {"salaryvalue", "Bruto zarada"},      {"sub11", "Doprinosi na teret zaposlenog"},
        {"sub2", "Porez"},                    {"paymentvalue", "Neto zarada"},
        {"credits", "Obustave"},              {"paymentnetvalue", "Za isplatu"}};
    data->addField(QStringLiteral("employeecount"), FieldType::Float)->setDisplayLabel(QStringLiteral("Broj zaposlenih"));
    for (const auto& [name, label] : money)
        data->addField(QString::fromLatin1(name), FieldType::Float)->setDisplayLabel(QString::fromUtf8(label));
    data->addField(QStringLiteral("workinghourssum"), FieldType::Float)->setDisplayLabel(QStringLiteral("Radni časovi"));
    data->addField(QStringLiteral("minsalarycount"), FieldType::Integer)->setDisplayLabel(QStringLiteral("Na minimalcu"));
    data->addField(QStringLiteral("taxpaymentcode"), FieldType::String, 40)->setDisplayLabel(QStringLiteral("Poziv PIO"));
    data->addField(QStringLiteral("organizationunit"), FieldType::String, 40);
    data->addField(QStringLiteral("suborganizationunit"), FieldType::String, 40);
    data->open();
    struct Unit {
        const char* name;
        double count, regular, gross, net, credits;
    };
    const QList<Unit> units = perUnit ? QList<Unit>{{"Proizvodnja", 2, 160000, 184000, 129000.5, 5000},
                                                    {"Uprava", 1, 140000, 150000, 110000.25, 0}}
                                      : QList<Unit>{{"", 3, 300000, 334000, 239000.75, 5000}};
    for (const Unit& unit : units) {
        data->append();
        data->fieldByName("employeecount")->setAsFloat(unit.count);
        data->fieldByName("regularwork")->setAsFloat(unit.regular);
        data->fieldByName("vacationvalue")->setAsFloat(unit.gross - unit.regular);
        data->fieldByName("salaryvalue")->setAsFloat(unit.gross);
        data->fieldByName("sub11")->setAsFloat(unit.gross * 0.199);
        data->fieldByName("sub2")->setAsFloat(unit.gross - unit.gross * 0.199 - unit.net);
        data->fieldByName("paymentvalue")->setAsFloat(unit.net);
        data->fieldByName("credits")->setAsFloat(unit.credits);
        data->fieldByName("paymentnetvalue")->setAsFloat(unit.net - unit.credits);
        data->fieldByName("workinghourssum")->setAsFloat(unit.count * 152);
        data->fieldByName("minsalarycount")->setAsInteger(1);
        data->fieldByName("taxpaymentcode")->setAsString(QStringLiteral("97 12-345-6789"));
        data->fieldByName("organizationunit")->setAsString(QString::fromUtf8(unit.name));
        data->post();
    }
    data->first();
    return data;
}

std::unique_ptr<TDataSet> Chambers() {
    QList<QVariantMap> records;
    for (const char* unit : {"Proizvodnja", "Uprava"})
        for (const auto& [name, percent, value] :
             {std::tuple{"Privredna komora Srbije", 0.06, 110.4}, std::tuple{"Komora Niš", 0.1, 184.0}})
            records << QVariantMap{{"taxname", QString::fromUtf8(name)},
                                   {"taxpercent", percent},
                                   {"paycode", "253"},
                                   {"taxbankaccount", "840-742221843-57"},
                                   {"paymentmodel", "97"},
                                   {"paymentcode", "12-345"},
                                   {"taxvalue", value},
                                   {"organizationunit", QString::fromUtf8(unit)},
                                   {"suborganizationunit", QString()}};
    return MemoryData(QStringLiteral("ChamberCDS"),
                      {{"taxname", FieldType::String},
                       {"taxpercent", FieldType::Float},
                       {"paycode", FieldType::String},
                       {"taxbankaccount", FieldType::String},
                       {"paymentmodel", FieldType::String},
                       {"paymentcode", FieldType::String},
                       {"taxvalue", FieldType::Float},
                       {"organizationunit", FieldType::String},
                       {"suborganizationunit", FieldType::String}},
                      records);
}

std::unique_ptr<TDataSet> ZipForm() {
    const QStringList measures{"count", "totalworkinghours", "overtimecount", "overtimehours", "salaryvalue",
                               "regularwork", "workingyearsvalue", "overtimevalue", "holidayworkingvalue",
                               "nightworkingvalue", "mealrefund", "vacationrefund", "othervalue", "averagevalue"};
    QList<QPair<QString, FieldType>> fields;
    QVariantMap record;
    int seed = 1;
    for (const QString& measure : measures)
        for (const char* suffix : {"", "1", "2", "3"}) {
            const QString name = measure + QLatin1String(suffix);
            fields.append({name, FieldType::Integer});
            record[name] = seed++ * 1000;
        }
    return MemoryData(QStringLiteral("ZipFormCDS"), fields, {record});
}
