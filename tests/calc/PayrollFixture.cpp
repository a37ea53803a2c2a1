#include "PayrollFixture.h"

#include "CalcRounding.h"
#include "db/Connection.h"

std::vector<RateSpec> SerbianRates() {
    std::vector<RateSpec> items;
    items.push_back({QStringLiteral("Doprinos za nezaposlenost"), 0.75});
    items.push_back({QStringLiteral("PIO poslodavac"), 10, 0, false});
    items.push_back({QStringLiteral("Porez na zarade"), 10, 28423, true, false, false});
    items.push_back({QStringLiteral("PIO zaposleni"), 14});
    items.push_back({QStringLiteral("Zdravstvo poslodavac"), 5.15, 0, false});
    items.push_back({QStringLiteral("Zdravstvo zaposleni"), 5.15});
    items.push_back({QStringLiteral("Komora"), 0.2, 0, false, true, true, true});
    return items;
}

PayrollFixture::PayrollFixture(TSalaryDM& module) : dm(module), columns_(*module.SalaryItemZQ) {}

PayrollFixture::LineColumns::LineColumns(TDataSet& lines) {
    const auto f = [&](const char* column) { return lines.fieldByName(QLatin1String(column)); };
    workinghours = f("workinghours");
    overtimehours = f("overtimehours");
    coefficient = f("coefficient");
    outturn = f("outturn");
    regularwork = f("regularwork");
    salaryvalue = f("salaryvalue");
    vacationhours = f("vacationhours");
    sickhours = f("sickhours");
    longsickhours = f("longsickhours");
    nightworkinghours = f("nightworkinghours");
    holidayworkinghours = f("holidayworkinghours");
    nightholidayworkinghours = f("nightholidayworkinghours");
    paidleavehours = f("paidleavehours");
    publicholidayhours = f("publicholidayhours");
    nightworkingvalue = f("nightworkingvalue");
    overtimevalue = f("overtimevalue");
    holidayworkingvalue = f("holidayworkingvalue");
    nightholidayworkingvalue = f("nightholidayworkingvalue");
}

namespace {

void Assign(TDataSet& dataSet, const Values& values) {
    for (const auto& [column, value] : values)
        dataSet.fieldByName(column)->setValue(value);
}

// Appends a set row (a rate or deduction set) and opens its items, empty;
// returns the set's key.
qint64 AppendSet(TSqlQuery& sets, const Values& values, TSqlQuery& items, const QString& keyParam) {
    sets.close();
    sets.open();
    sets.append();
    Assign(sets, values);
    sets.post();
    const qint64 key = sets.keyField()->asLargeInt();
    items.close();
    items.setParam(keyParam, key);
    items.open();
    return key;
}

}  // namespace

qint64 PayrollFixture::AddRateSet(const std::vector<RateSpec>& items) {
    TSqlQuery& rates = *dm.SalaryTaxItemZQ;
    const qint64 key = AppendSet(*dm.SalaryTaxZQ, {{QStringLiteral("defaulttax"), true}}, rates,
                                 QStringLiteral("IDSalaryTax"));
    dm.ZConnection()->exec(QStringLiteral("UPDATE salarytax SET defaulttax = 'n' WHERE salarytaxid <> ?"), {key});
    for (const RateSpec& item : items) {
        rates.append();
        Assign(rates, {{QStringLiteral("salarytaxid"), key},
                       {QStringLiteral("taxname"), item.name},
                       {QStringLiteral("taxpercent"), item.percent},
                       {QStringLiteral("taxfreevalue"), item.freeValue},
                       {QStringLiteral("taxstatus"), item.employee ? QStringLiteral("s") : QStringLiteral("a")},
                       {QStringLiteral("minsalary"), item.minBase},
                       {QStringLiteral("maxsalary"), item.maxBase},
                       {QStringLiteral("chamber"), item.chamber},
                       {QStringLiteral("employeecommunitypaymentcode"), false},
                       {QStringLiteral("taxbankaccount"), item.account}});
        rates.post();
    }
    rates.applyUpdates();
    return key;
}

qint64 PayrollFixture::AddEmployee(const EmployeeSpec& e) {
    Connection& c = *dm.ZConnection();
    c.exec(QStringLiteral("INSERT INTO employee (code, lastname, firstname, active, minsalary, arrangedsalaryvalue, "
                          "arrangedpaymentvalue, workingstateid) VALUES (?, ?, ?, 'y', ?, ?, ?, ?)"),
           {e.code, e.lastname, e.firstname, e.minsalary ? QStringLiteral("y") : QStringLiteral("n"),
            e.arrangedsalaryvalue, e.arrangedpaymentvalue, e.workingstateid});
    return c.lastInsertId();
}

qint64 PayrollFixture::AddDeductionSet(qint64 employeeId, const QList<Values>& deductions) {
    TSqlQuery& items = *dm.SalaryCreditItemZQ;
    const qint64 key = AppendSet(*dm.SalaryCreditZQ,
                                 {{QStringLiteral("employeeid"), employeeId}, {QStringLiteral("defaultcredit"), true}},
                                 items, QStringLiteral("IDSalaryCredit"));
    for (const Values& deduction : deductions) {
        items.append();
        Assign(items, {{QStringLiteral("salarycreditid"), key},
                       {QStringLiteral("creditname"), QStringLiteral("Kredit")},
                       {QStringLiteral("creditpercent"), 0},
                       {QStringLiteral("creditgrosspercent"), 0},
                       {QStringLiteral("creditvalue"), 0},
                       {QStringLiteral("creditbankaccount"), QStringLiteral("160-0000000000000-00")}});
        Assign(items, deduction);
        items.post();
    }
    items.applyUpdates();
    return key;
}

void PayrollFixture::OpenNewDocument(const Values& changes) {
    TSqlQuery& doc = *dm.SalaryZQ;
    if (!doc.active())
        doc.open();
    doc.append();
    const Values defaults{
        {QStringLiteral("salarytype"), QStringLiteral("Z")},
        {QStringLiteral("month"), 3},
        {QStringLiteral("year"), 2025},
        {QStringLiteral("salarynumber"), dm.GetSalaryIndex(2025, 3, QStringLiteral("Z"))},
        {QStringLiteral("paymentdate"), QDate(2025, 4, 10)},
        {QStringLiteral("accountingdate"), QDate(2025, 4, 10)},
        {QStringLiteral("partcoefficient"), 100},
        {QStringLiteral("workinghours"), MonthHours},
        {QStringLiteral("baudvalue"), 2500},
        // 271 dinars an hour net.
        {QStringLiteral("minnetsalaryprice"), 271},
        {QStringLiteral("minnetsalaryvalue"), 271 * MonthHours},
        {QStringLiteral("minsalaryvalue"), 45950},
        {QStringLiteral("maxsalaryvalue"), 656425},
        {QStringLiteral("workingyearsincrementpercent"), 0.4},
        {QStringLiteral("mealrefund"), 0},
        {QStringLiteral("vacationrefund"), 0},
        {QStringLiteral("voluntarypensiontaxfreevalue"), 8183},
        {QStringLiteral("netdecreasepercent"), 0},
        {QStringLiteral("netdecreaseminvalue"), 0},
        {QStringLiteral("taxpercent"), 10},
        {QStringLiteral("taxfreevalue"), 0},
    };
    Assign(doc, defaults);
    Assign(doc, changes);
    dm.SalaryTaxItemsOpen();
    doc.post();
    dm.SalaryItemsOpen();
}

void PayrollFixture::AddLine(qint64 employeeId, const EmployeeSpec& e, const Values& changes) {
    TSqlQuery& lines = *dm.SalaryItemZQ;
    lines.append();
    static const char* const zeroColumns[] = {
        "regularwork", "decrement", "increment", "difference", "salaryvalue", "paymentvalue", "overtimehours",
        "vacationhours", "sickhours", "longsickhours", "nightworkinghours", "holidayworkinghours",
        "nightholidayworkinghours", "paidleavehours", "publicholidayhours", "maternityleavehours",
        "childcareleavehours", "redistributionhours", "unpaidleavehours", "absencehours", "vacationvalue",
        "sickvalue", "longsickvalue", "nightworkingvalue", "holidayworkingvalue", "overtimevalue",
        "nightholidayworkingvalue", "paidleavevalue", "publicholidayvalue", "maternityleavevalue",
        "childcareleavevalue", "absencevalue", "mealrefund", "vacationrefund", "voluntarypension",
        "paymentdecreasedvalue", "paymentnetvalue", "salarycreditid", "workingyears"};
    for (const char* column : zeroColumns)
        lines.fieldByName(QLatin1String(column))->setAsFloat(0);
    const Values defaults{
        {QStringLiteral("salaryid"), dm.SalaryZQ->fieldByName(QStringLiteral("salaryid"))->value()},
        {QStringLiteral("employeeid"), employeeId},
        {QStringLiteral("sort"), lines.recordCount()},
        {QStringLiteral("workinghours"), MonthHours},
        {QStringLiteral("coefficient"), 1},
        {QStringLiteral("netcoefficient"), 1},
        {QStringLiteral("sickpercent"), 65},
        {QStringLiteral("outturn"), 100},
        {QStringLiteral("code"), e.code},
        {QStringLiteral("lastname"), e.lastname},
        {QStringLiteral("firstname"), e.firstname},
        {QStringLiteral("minsalary"), e.minsalary},
        {QStringLiteral("arrangedsalaryvalue"), e.arrangedsalaryvalue},
        {QStringLiteral("arrangedpaymentvalue"), e.arrangedpaymentvalue},
        {QStringLiteral("workingstateid"), e.workingstateid},
    };
    SetLine(defaults);
    SetLine(changes);
}

void PayrollFixture::SetLine(const Values& changes) {
    TSqlQuery& lines = *dm.SalaryItemZQ;
    if (!lines.isEditing())
        lines.edit();
    Assign(lines, changes);
}

void PayrollFixture::Apply() {
    dm.SalaryApply();
    dm.SalaryItemsOpen();
}

double PayrollFixture::Line(const char* column) const {
    return dm.SalaryItemZQ->fieldByName(QLatin1String(column))->asFloat();
}

double PayrollFixture::RegularWork() {
    const LineColumns& c = columns_;
    return dm.CalculateRegularWork(c.workinghours->asFloat(), c.overtimehours->asFloat(), c.coefficient->asFloat(),
                                   c.vacationhours->asInteger(), c.sickhours->asInteger(),
                                   c.longsickhours->asInteger(), c.nightworkinghours->asInteger(),
                                   c.holidayworkinghours->asInteger(), c.nightholidayworkinghours->asInteger(),
                                   c.paidleavehours->asInteger(), c.publicholidayhours->asInteger());
}

void PayrollFixture::CalculateLine() {
    const LineColumns& c = columns_;
    SetLine({});
    c.regularwork->setAsFloat(double(RND(RegularWork() * c.outturn->asFloat() / 100)));
    // Supplements are priced at the regular hour price; without regular
    // work, at the price of one working hour.
    double price = c.regularwork->asFloat();
    double base = c.workinghours->asFloat();
    if (price == 0) {
        price = dm.CalculateRegularWork(1, 0, c.coefficient->asFloat(), 0, 0, 0, 0, 0, 0, 0, 0);
        base = 1;
    }
    c.nightworkingvalue->setAsFloat(dm.CalculateNightWorking(price, c.nightworkinghours->asFloat(), base));
    c.overtimevalue->setAsFloat(dm.CalculateNightWorking(price, c.overtimehours->asFloat(), base));
    c.holidayworkingvalue->setAsFloat(dm.CalculateHolidayWorking(price, base, c.holidayworkinghours->asInteger()));
    c.nightholidayworkingvalue->setAsFloat(
        dm.CalculateNightHolidayWorking(price, base, c.nightholidayworkinghours->asInteger()));
    c.salaryvalue->setAsFloat(dm.CalculateGross(c.regularwork->asFloat()));
    dm.CalculateNet();
    dm.CalculateDecreasedNet();
}
