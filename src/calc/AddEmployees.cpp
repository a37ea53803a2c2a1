// Lines of a document from the employee register: one picked employee or
// every qualifying one, each with the employee's data and the document's
// defaults, then calculated by its type.

#include "CalcResourceStrings.h"
#include "CalcRounding.h"
#include "CalcSupport.h"
#include "Deductions.h"
#include "EmployeeLines.h"
#include "RegularWorkVariants.h"
#include "SalaryDM.h"
#include "SuspendGuard.h"
#include "WorkingYears.h"
#include "db/Connection.h"
#include "db/DbError.h"

#include <QHash>
#include <QSet>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

namespace {

// What adding many employees reads once instead of once per employee.
struct AddContext {
    QHash<qint64, qint64> defaultDeductionSet;  // employee → salarycreditid
    QHash<qint64, double> zonePrice;           // zone → price
    QSet<qint64> present;                      // employees with a line already
};

AddContext loadContext(TSalaryDM& dm) {
    AddContext context;
    Connection& c = *dm.ZConnection();
    QSqlQuery sets = c.exec(
        QStringLiteral("SELECT employeeid, salarycreditid FROM salarycredit WHERE defaultcredit = 'y'"));
    while (sets.next())
        context.defaultDeductionSet.insert(sets.value(0).toLongLong(), sets.value(1).toLongLong());
    QSqlQuery zones = c.exec(QStringLiteral("SELECT employeetransportzoneid, price FROM employeetransportzone"));
    while (zones.next())
        context.zonePrice.insert(zones.value(0).toLongLong(), zones.value(1).toDouble());
    const TDataSet& lines = *dm.SalaryItemZQ;
    const int employee = lines.fieldByName(QStringLiteral("employeeid"))->index();
    for (int row = 0; row < lines.recordCount(); ++row)
        context.present.insert(lines.valueAt(row, employee).toLongLong());
    return context;
}

// The deductions of every default set at once, kept as the calculation keeps
// a set it reads, so that the lines read none of their own.
void loadDeductionSets(TSalaryDM& dm) {
    auto& stored = dm.CalcState().storedDeductions;
    for (auto& [set, deductions] : LoadDefaultDeductionSets(*dm.ZConnection()))
        stored.try_emplace(set, std::move(deductions));
}

// The employee's register columns the line shows.
const char* const CopiedEmployeeColumns[] = {
    "firstname", "lastname", "code", "address", "city", "minsalary", "employer", "account", "paymentcode",
    "community", "communitypaymentcode", "organizationunit", "arrangedsalaryvalue", "arrangedpaymentvalue",
    "voluntarypensionname", "voluntarypensionbankaccount", "voluntarypensionpaymentcode"};

// The employee's columns adding reads besides those: its key, pay basis and service.
const char* const ReadEmployeeColumns[] = {
    "employeeid", "coefficient", "netcoefficient", "workingstateid", "employeetransportzoneid", "workingfromdate",
    "workingtodate", "previousworkingyears", "previousworkingmonths", "previousworkingdays"};

// The columns every employee query of adding selects, each prefixed by `alias`:
// only these, as a company of thousands is read whole.
QString selectedEmployeeColumns(const QString& alias) {
    QStringList columns;
    for (const char* column : ReadEmployeeColumns)
        columns << alias + QLatin1String(column);
    for (const char* column : CopiedEmployeeColumns)
        columns << alias + QLatin1String(column);
    return columns.join(QStringLiteral(", "));
}

const char* const ZeroedLineColumns[] = {
    "increment", "decrement", "difference", "vacationhours", "sickhours", "longsickhours", "nightworkinghours",
    "overtimehours", "holidayworkinghours", "nightholidayworkinghours", "paidleavehours", "publicholidayhours",
    "maternityleavehours", "childcareleavehours", "redistributionhours", "unpaidleavehours", "absencehours",
    "vacationvalue", "sickvalue", "longsickvalue", "nightworkingvalue", "overtimevalue", "holidayworkingvalue",
    "nightholidayworkingvalue", "paidleavevalue", "publicholidayvalue", "maternityleavevalue",
    "childcareleavevalue", "voluntarypension"};

// The positions of the employee query's columns, found once for all its
// rows; a column the query lacks reads as null.
struct EmployeeColumns {
    explicit EmployeeColumns(const QSqlRecord& record) : record_(record) {
        for (const char* column : CopiedEmployeeColumns)
            copied.push_back(at(column));
    }
    int at(const char* column) const { return record_.indexOf(QLatin1String(column)); }

    QSqlRecord record_;
    const int employeeid = at("employeeid"), coefficient = at("coefficient"), netcoefficient = at("netcoefficient"),
              workingstateid = at("workingstateid"), zone = at("employeetransportzoneid"),
              workingfromdate = at("workingfromdate"), workingtodate = at("workingtodate"),
              previousworkingyears = at("previousworkingyears"), previousworkingmonths = at("previousworkingmonths"),
              previousworkingdays = at("previousworkingdays");
    std::vector<int> copied;  // of CopiedEmployeeColumns, in order
};

// The employee at the query's current row.
struct EmployeeRow {
    const QSqlQuery& query;
    const EmployeeColumns& columns;
    QVariant value(int column) const { return column < 0 ? QVariant() : query.value(column); }
};

// The line's fields adding writes, found once for all the lines added.
struct LineColumns {
    explicit LineColumns(const TDataSet& lines) : lines_(lines) {
        for (const char* column : ZeroedLineColumns)
            zeroed.push_back(find(column));
        for (const char* column : CopiedEmployeeColumns)
            copied.push_back(find(column));
    }
    TField* find(const char* column) const { return lines_.findField(QLatin1String(column)); }

    const TDataSet& lines_;
    TField *const salaryid = find("salaryid"), *const employeeid = find("employeeid"),
                  *const salarycreditid = find("salarycreditid"), *const coefficient = find("coefficient"),
                  *const netcoefficient = find("netcoefficient"), *const outturn = find("outturn"),
                  *const sickpercent = find("sickpercent"), *const workingyears = find("workingyears"),
                  *const workingstateid = find("workingstateid"), *const mealrefund = find("mealrefund"),
                  *const vacationrefund = find("vacationrefund"), *const sort = find("sort"),
                  *const workinghours = find("workinghours");
    std::vector<TField*> zeroed;  // of ZeroedLineColumns, in order
    std::vector<TField*> copied;  // of CopiedEmployeeColumns, in order
};

int yearsOfService(TSalaryDM& dm, const EmployeeRow& employee) {
    const EmployeeColumns& c = employee.columns;
    const auto date = [&](int column) { return employee.value(column).toDate(); };
    const auto number = [&](int column) { return employee.value(column).toInt(); };
    TDataSet& header = *dm.SalaryZQ;
    ServiceInput in;
    in.workingFrom = date(c.workingfromdate);
    in.workingTo = date(c.workingtodate);
    in.previousYears = number(c.previousworkingyears);
    in.previousMonths = number(c.previousworkingmonths);
    in.previousDays = number(c.previousworkingdays);
    in.year = header.fieldByName(QStringLiteral("year"))->asInteger();
    in.month = header.fieldByName(QStringLiteral("month"))->asInteger();
    in.paymentDate = header.fieldByName(QStringLiteral("paymentdate"))->asDate();
    in.accountingDate = header.fieldByName(QStringLiteral("accountingdate"))->asDate();
    in.forcePreviousWork = dm.Options.ForceCalculationWithPreviousWork;
    return WorkingYears(in);
}

void set(TField* field, const QVariant& value) {
    if (field)
        field->setValue(value);
}

// The transport allowance of a new line from the employee's zone.
void priceTransport(TSalaryDM& dm, const AddContext& context, qint64 zone) {
    const TLineFields& f = dm.CalcState().fields.line;
    const auto price = context.zonePrice.constFind(zone);
    if (price == context.zonePrice.cend()) {
        for (TField* amount : {f.salaryvalue, f.paymentvalue, f.paymentnetvalue})
            amount->setAsFloat(0);
        return;
    }
    const TDocumentValues d = CurrentDocument(dm);
    f.paymentvalue->setAsFloat(*price);
    f.paymentnetvalue->setAsFloat(*price);
    const double freeValue = d.workinghours > 0
        ? BetterRoundTo(double(d.taxfreevalue / d.workinghours * f.workinghours->asFloat()), -2)
        : double(d.taxfreevalue);
    const double payment = *price;
    f.salaryvalue->setAsFloat(payment > freeValue
                                  ? BetterRoundTo((payment - freeValue) / (1 - double(d.taxpercent) / 100), -2) + freeValue
                                  : payment);
}

// Appends and calculates the line of the employee at the query's row;
// false when the employee already has one.
bool addLine(TSalaryDM& dm, AddContext& context, const LineColumns& to, const EmployeeRow& employee,
             bool wholeMonthRegularWork) {
    const EmployeeColumns& from = employee.columns;
    const qint64 employeeId = employee.value(from.employeeid).toLongLong();
    if (context.present.contains(employeeId))
        return false;
    TDataSet& lines = *dm.SalaryItemZQ;
    const TDocumentValues d = CurrentDocument(dm);
    const QChar type = d.salarytype;
    const bool transport = type != QLatin1Char('Z') && type != QLatin1Char('B');
    const int count = lines.recordCount();
    lines.append();
    {
        FlagGuard suspend(dm.SuspendRecalculation);
        set(to.salaryid, dm.CalcState().fields.document.salaryid->value());
        set(to.employeeid, employeeId);
        if (type != QLatin1Char('P')) {
            if (const auto credit = context.defaultDeductionSet.constFind(employeeId);
                credit != context.defaultDeductionSet.cend())
                set(to.salarycreditid, *credit);
        }
        set(to.coefficient, employee.value(from.coefficient).toDouble());
        set(to.netcoefficient, employee.value(from.netcoefficient).toDouble());
        set(to.outturn, 100.0);
        for (TField* field : to.zeroed)
            set(field, 0);
        set(to.sickpercent, dm.Options.SickCoef);
        set(to.workingyears, yearsOfService(dm, employee));
        set(to.workingstateid, employee.value(from.workingstateid).toLongLong());
        const bool allowances = type != QLatin1Char('P');
        set(to.mealrefund, allowances ? double(d.mealrefund) : 0.0);
        set(to.vacationrefund, allowances ? double(d.vacationrefund) : 0.0);
        set(to.sort, count + 1);
        for (size_t i = 0; i < to.copied.size(); ++i)
            set(to.copied[i], employee.value(from.copied[i]));
        const bool fund = type == QLatin1Char('Z') || type == QLatin1Char('P');
        set(to.workinghours, fund ? double(d.workinghours) : 0.0);
    }
    double percent = 0, correction = 0;
    dm.CalculateCorrection(percent, correction, employee.value(from.workingstateid).toLongLong(), d.salarytaxid);
    TField* regularWork = dm.CalcState().fields.line.regularwork;
    if (type == QLatin1Char('Z')) {
        const TLineValues& l = CurrentLine(dm);
        regularWork->setAsFloat(wholeMonthRegularWork
                                    ? WholeMonthRegularWork(dm)
                                    : dm.CalculateRegularWork(double(l.workinghours), 0, double(l.coefficient), 0, 0,
                                                              0, 0, 0, 0, 0, 0));
    } else {
        regularWork->setAsFloat(0);
        if (transport)
            priceTransport(dm, context, employee.value(from.zone).toLongLong());
    }
    lines.post();
    context.present.insert(employeeId);
    return true;
}

// Employees are added only to a document with a fund of hours.
bool refuseWithoutFund(TSalaryDM& dm) {
    if (dm.CalcState().fields.document.workinghours->asFloat() > 0)
        return false;
    dm.Messages().warning(QString::fromUtf8(_SAL_HOURS_WRN));
    return true;
}

}  // namespace

struct TEmployeeLineAdder::Context {
    AddContext added;
    LineColumns lines;
    std::unique_ptr<EmployeeColumns> employees;
};

TEmployeeLineAdder::TEmployeeLineAdder(TSalaryDM& dm)
    : dm_(dm), context_(new Context{loadContext(dm), LineColumns(*dm.SalaryItemZQ), nullptr}) {
    loadDeductionSets(dm);
}

TEmployeeLineAdder::~TEmployeeLineAdder() = default;

bool TEmployeeLineAdder::Present(qint64 employeeId) const { return context_->added.present.contains(employeeId); }

bool TEmployeeLineAdder::Add(const QSqlQuery& employee) {
    if (!context_->employees)
        context_->employees = std::make_unique<EmployeeColumns>(employee.record());
    return addLine(dm_, context_->added, context_->lines, {employee, *context_->employees}, false);
}

bool TEmployeeLineAdder::RefuseWithoutFund(TSalaryDM& dm) { return refuseWithoutFund(dm); }

int TSalaryDM::AddOneEmployee(qint64 EmployeeID) {
    if (refuseWithoutFund(*this))
        return 0;
    QSqlQuery employee =
        ZConnection()->exec(QStringLiteral("SELECT * FROM employee WHERE employeeid = ?"), {EmployeeID});
    if (!employee.next())
        return 0;
    AddContext context = loadContext(*this);
    ControlsDisabled quiet(*SalaryItemZQ);
    const EmployeeColumns columns(employee.record());
    const int added = addLine(*this, context, LineColumns(*SalaryItemZQ), {employee, columns}, false) ? 1 : 0;
    SalaryItemZQ->first();
    return added;
}

int TSalaryDM::AddAllActiveEmployees() {
    if (refuseWithoutFund(*this))
        return 0;
    Connection& c = *ZConnection();
    const QString type = CalcState().fields.document.salarytype->asString();
    QSqlQuery employees;
    if (type == QLatin1String("B")) {
        employees = c.exec(QStringLiteral("SELECT %1 FROM employee WHERE active = 'y' AND workingstateid = 7 ORDER BY code")
                               .arg(selectedEmployeeColumns({})));
    } else {
        const QVariant last = Options.LoadEmployeesFromLastCalculation
            ? c.scalar(QStringLiteral("SELECT salaryid FROM salary WHERE status = 'p' AND ((salarytype = 'Z') OR "
                                      "(salarytype = 'P')) ORDER BY paymentdate DESC, salaryid DESC LIMIT 1"))
            : QVariant();
        if (last.isValid() && !last.isNull())
            employees = c.exec(
                QStringLiteral("SELECT %1, si.salaryitemid FROM employee AS e LEFT JOIN salaryitem AS si "
                               "ON ((si.salaryid = ?) AND (si.employeeid = e.employeeid)) "
                               "WHERE e.active = 'y' AND e.workingstateid != 7 AND e.workingstateid != 8 "
                               "AND e.workingstateid != 15 AND NOT(si.salaryitemid IS NULL) "
                               "ORDER BY si.salaryitemid, e.code")
                    .arg(selectedEmployeeColumns(QStringLiteral("e."))),
                {last});
        else
            employees = c.exec(QStringLiteral("SELECT %1 FROM employee WHERE active = 'y' AND workingstateid != 7 AND "
                                              "workingstateid != 8 AND workingstateid != 15 ORDER BY code")
                                   .arg(selectedEmployeeColumns({})));
    }
    AddContext context = loadContext(*this);
    loadDeductionSets(*this);
    ControlsDisabled quiet(*SalaryItemZQ);
    const EmployeeColumns columns(employees.record());
    const LineColumns lineColumns(*SalaryItemZQ);
    int added = 0;
    while (employees.next())
        added += addLine(*this, context, lineColumns, {employees, columns}, true) ? 1 : 0;
    SalaryItemZQ->first();
    return added;
}
