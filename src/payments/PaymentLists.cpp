#include "PaymentLists.h"

#include "BusyCursor.h"
#include "CalcFields.h"
#include "CalcRounding.h"
#include "CalcSupport.h"
#include "Deductions.h"
#include "PaymentSets.h"
#include "PreviousPayments.h"
#include "SalaryDM.h"
#include "TaxRules.h"
#include "db/Connection.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace {

// Line columns copied as they are: the employee's data and the line's keys.
constexpr const char* CopiedColumns[] = {
    "salaryitemid", "salaryid", "employeeid", "code", "firstname", "lastname", "personalidentificator",
    "minsalary", "account", "bankname", "paymentcode", "community", "communitypaymentcode", "communitycode",
    "organizationunit", "suborganizationunit", "employer", "workingstateid", "vocation", "educationcode",
    "address", "city", "salarycreditid", "coefficient", "outturn", "regularwork", "increment", "decrement",
    "incrementperc", "decrementperc", "difference", "workinghours", "overtimehours", "vacationhours", "sickhours",
    "longsickhours", "nightworkinghours", "holidayworkinghours", "nightholidayworkinghours", "paidleavehours",
    "publicholidayhours", "absencehours", "maternityleavehours", "childcareleavehours", "vacationvalue",
    "sickvalue", "longsickvalue", "nightworkingvalue", "overtimevalue", "holidayworkingvalue",
    "nightholidayworkingvalue", "paidleavevalue", "publicholidayvalue", "absencevalue", "maternityleavevalue",
    "childcareleavevalue", "vacationrefund", "workingyears", "voluntarypension", "netcoefficient"};

// The copied columns of the short road of other document types.
constexpr const char* ShortRoadColumns[] = {
    "salaryitemid", "salaryid", "employeeid", "code", "firstname", "lastname", "personalidentificator",
    "minsalary", "account", "bankname", "paymentcode", "community", "communitypaymentcode", "communitycode",
    "organizationunit", "suborganizationunit", "employer", "workingstateid", "vocation", "educationcode",
    "address", "city", "salarycreditid", "workinghours"};

struct Copy {
    int from;
    int to;
};

template <size_t N>
std::vector<Copy> copies(const TDataSet& lines, const TDataSet& rows, const char* const (&names)[N]) {
    std::vector<Copy> result;
    for (const char* name : names)
        result.push_back({lines.fieldByName(QLatin1String(name))->index(), rows.fieldByName(QLatin1String(name))->index()});
    return result;
}

// Amounts summed or subtracted in extended precision are stored to the para.
QVariant money(long double value) { return double(RND(value)); }

// The gross of the minimum net wage for the line's hours.
long double minimumNetGross(const TDocumentValues& d, const TLineValues& l, const TRateItems& items) {
    const long double fund = d.workinghours;
    if (fund == 0)
        return 0;
    const long double hours = l.hours().allButLongSick();
    const TCorrection c = Correction(items, l.workingstateid);
    const long double x = hours * (d.partcoefficient / 100) / fund * d.minnetsalaryvalue;
    return RND((x - hours / fund * c.correction) / (1 - c.percent / 100.0L));
}

// The gross that the decreased net corresponds to: the decrease of the net
// grossed up by the employee's share of the line's working state, taken off
// the gross (the tax-free amount does not change with it).
long double decreasedGross(const TLineValues& l, const TRateItems& items) {
    const long double decrease = l.paymentvalue - l.paymentdecreasedvalue;
    if (decrease == 0)
        return l.salaryvalue;
    const TCorrection c = Correction(items, l.workingstateid);
    return RND(l.salaryvalue - decrease / (1 - c.percent / 100.0L));
}

// The columns a line's components go to: its own, or those of the earlier
// payment of the month ("prev...").
struct ComponentColumns {
    int base, employee, employeePension, employeeHealth, employeeUnemployment, employer, employerPension,
        employerHealth, employerUnemployment, increasedService, taxRelief, pensionRelief, tax, taxSaved;
};

ComponentColumns ownColumns(const TPaymentListIndex& x) {
    return {x.sub1base, x.sub11,  x.sub111, x.sub112,      x.sub113,       x.sub12, x.sub121,
            x.sub122,   x.sub123, x.sub124, x.sub2basesub, x.sub2basesub2, x.sub2,  x.sub2grosscorrection};
}

ComponentColumns previousColumns(const TPaymentListIndex& x) {
    return {x.prevsub1base, x.prevsub11,  x.prevsub111, x.prevsub112,      x.prevsub113,       x.prevsub12, x.prevsub121,
            x.prevsub122,   x.prevsub123, x.prevsub124, x.prevsub2basesub, x.prevsub2basesub2, x.prevsub2,
            x.prevsub2grosscorrection};
}

void putComponents(std::vector<QVariant>& row, const ComponentColumns& to, const TLineComponents& c) {
    const auto put = [&row](int column, long double value) { row[size_t(column)] = money(value); };
    put(to.base, c.contributionBase);
    put(to.employee, c.employeeContributions);
    put(to.employeePension, c.employeePension);
    put(to.employeeHealth, c.employeeHealth);
    put(to.employeeUnemployment, c.employeeUnemployment);
    put(to.employer, c.employerContributions);
    put(to.employerPension, c.employerPension);
    put(to.employerHealth, c.employerHealth);
    put(to.employerUnemployment, c.employerUnemployment);
    put(to.increasedService, c.increasedService);
    put(to.taxRelief, c.taxRelief);
    put(to.pensionRelief, c.pensionRelief);
    put(to.tax, c.incomeTax);
    // The tax that the tax-free amount saves.
    put(to.taxSaved, c.taxRate / 100 * (c.taxRelief - c.pensionRelief));
}

void putRates(std::vector<QVariant>& row, const TPaymentListIndex& x, const TLineComponents& c) {
    row[size_t(x.contributioncoef11)] = c.employeePensionRate;
    row[size_t(x.contributioncoef12)] = c.employeeHealthRate;
    row[size_t(x.contributioncoef13)] = c.employeeUnemploymentRate;
    row[size_t(x.contributioncoef21)] = c.employerPensionRate;
    row[size_t(x.contributioncoef22)] = c.employerHealthRate;
    row[size_t(x.contributioncoef23)] = c.employerUnemploymentRate;
    row[size_t(x.taxcoef)] = c.taxRate;
}

// The earlier payment of the month, its contributions and tax recomputed
// with its own document's rate set.
void putPrevious(TSalaryDM& dm, std::vector<QVariant>& row, const TPaymentListIndex& x, const TPreviousPayment& p) {
    const TLineValues& l = p.line;
    row[size_t(x.prevsalaryvalue)] = money(l.salaryvalue);
    row[size_t(x.prevpaymentvalue)] = money(l.paymentvalue);
    row[size_t(x.prevtaxvalue)] = money(l.salaryvalue - l.paymentvalue);
    row[size_t(x.prevcredits)] = money(l.paymentvalue - l.paymentnetvalue);
    row[size_t(x.prevpaymentnetvalue)] = money(l.paymentnetvalue);
    const TLineComponents c = LineComponents(p.document, l, RateItemsOfSet(dm, p.document.salarytaxid), l.salaryvalue,
                                             dm.Options.RoundTaxes, p.document.salarytype == QLatin1Char('B'));
    putComponents(row, previousColumns(x), c);
    row[size_t(x.prevsub124base)] = money(c.increasedService != 0 ? c.contributionBase - l.sickvalue : 0);
}

// Restricts a detail query to the document, or to one of its lines.
QString scope(qint64 salaryItemId) {
    return salaryItemId > 0 ? QStringLiteral("si.salaryid = ? AND si.salaryitemid = ?") : QStringLiteral("si.salaryid = ?");
}

QVariantList scopeValues(qint64 salaryId, qint64 salaryItemId) {
    return salaryItemId > 0 ? QVariantList{salaryId, salaryItemId} : QVariantList{salaryId};
}

std::vector<std::vector<QVariant>> detailRows(Connection& connection, const QString& sql, qint64 salaryId,
                                              qint64 salaryItemId) {
    QSqlQuery query = connection.exec(sql.arg(scope(salaryItemId)), scopeValues(salaryId, salaryItemId));
    std::vector<std::vector<QVariant>> rows;
    const int columns = query.record().count();
    while (query.next()) {
        std::vector<QVariant> row(static_cast<size_t>(columns));
        for (int c = 0; c < columns; ++c)
            row[size_t(c)] = query.value(c);
        rows.push_back(std::move(row));
    }
    return rows;
}

// The deductions taken from each line, with the amount each took: the
// voluntary pension by its fund's name, then the set's items (an expired
// one took nothing and is left out).
std::vector<std::vector<QVariant>> deductionRows(TSalaryDM& dm, const TDocumentValues& d,
                                                 const std::unordered_map<qint64, std::pair<long double, long double>>& nets,
                                                 const std::vector<std::vector<QVariant>>& pensions,
                                                 qint64 salaryItemId) {
    std::vector<std::vector<QVariant>> rows;
    for (const std::vector<QVariant>& p : pensions)
        rows.push_back({p[0], p[1].toString().isEmpty() ? QStringLiteral("Dobrovoljno penzijsko osiguranje") : p[1],
                        p[2], p[3], p[4], QString()});
    QSqlQuery items = dm.ZConnection()->exec(
        QStringLiteral("SELECT si.employeeid, si.salaryitemid, sci.creditname, sci.creditpercent, "
                       "sci.creditgrosspercent, sci.creditvalue, sci.creditbankaccount, sci.paymentcode, "
                       "sci.creditdescription, sci.expirydate FROM salaryitem AS si "
                       "INNER JOIN salarycredititem AS sci ON sci.salarycreditid = si.salarycreditid "
                       "WHERE %1 ORDER BY si.salaryitemid, sci.salarycredititemid")
            .arg(scope(salaryItemId)),
        scopeValues(d.salaryid, salaryItemId));
    while (items.next()) {
        const auto found = nets.find(items.value(1).toLongLong());
        if (found == nets.end())
            continue;
        TDeduction deduction;
        deduction.netPercent = items.value(3).toDouble();
        deduction.grossPercent = items.value(4).toDouble();
        deduction.value = items.value(5).toDouble();
        if (!items.value(9).isNull())
            deduction.expiryDate = StoredDate(items.value(9));
        const long double amount =
            DeductionAmount(deduction, found->second.first, found->second.second, d.paymentdate);
        if (amount == 0)
            continue;
        rows.push_back({items.value(0), items.value(2), money(amount), items.value(6), items.value(7), items.value(8)});
    }
    return rows;
}

}  // namespace

void PreparePaymentLists(TSalaryDM& dm, bool decreased, int count) {
    BusyCursor busy;
    DefinePaymentSets(dm);
    for (TDataSet* set : {dm.PaymentListsItemCDS, dm.PaymentListsItemCreditItemCDS, dm.PaymentListsItemDifferenceCDS,
                          dm.PaymentListsItemCoefficientCDS})
        set->emptyDataSet();
    const TDataSet& lines = *dm.SalaryItemZQ;
    if (dm.SalaryZQ->isEmpty() || !lines.active() || lines.isEmpty())
        return;
    TDataSet& rows = *dm.PaymentListsItemCDS;
    const TPaymentListIndex x(rows);
    const ComponentColumns own = ownColumns(x);
    const TLineFields& f = dm.CalcState().fields.line;
    const TDocumentValues d = CurrentDocument(dm);
    const int year = dm.SalaryZQ->fieldByName(QStringLiteral("year"))->asInteger();
    const int month = dm.SalaryZQ->fieldByName(QStringLiteral("month"))->asInteger();
    const TRateItems& items = RateItemsOfSet(dm, d.salarytaxid);
    const bool fullRoad = d.salarytype == QLatin1Char('Z') || d.salarytype == QLatin1Char('B');
    const std::vector<Copy> copied =
        fullRoad ? copies(lines, rows, CopiedColumns) : copies(lines, rows, ShortRoadColumns);
    const auto previous = fullRoad ? LoadPreviousPayments(dm, d, year, month)
                                   : std::unordered_map<qint64, TPreviousPayment>{};
    const int employeeColumn = lines.fieldByName(QStringLiteral("employeeid"))->index();
    const int pensionName = lines.fieldByName(QStringLiteral("voluntarypensionname"))->index();
    const int pensionAccount = lines.fieldByName(QStringLiteral("voluntarypensionbankaccount"))->index();
    const int pensionCode = lines.fieldByName(QStringLiteral("voluntarypensionpaymentcode"))->index();
    const int arranged = lines.fieldByName(QStringLiteral("arrangedsalaryvalue"))->index();

    // Amounts a line has none of are 0, not empty.
    std::vector<QVariant> zeros(size_t(rows.fieldCount()));
    for (int i = 0; i < rows.fieldCount(); ++i)
        if (IsNumericType(rows.field(i)->dataType()))
            zeros[size_t(i)] = rows.field(i)->dataType() == FieldType::Float ? QVariant(0.0) : QVariant(qlonglong(0));

    const int first = count > 0 ? lines.currentIndex() : 0;
    const int last = count > 0 ? lines.currentIndex() : lines.recordCount() - 1;
    std::vector<std::vector<QVariant>> built;
    built.reserve(size_t(last - first + 1));
    // Decreased net and gross of each line, for the deductions taken by percentage.
    std::unordered_map<qint64, std::pair<long double, long double>> deductionBases;
    std::vector<std::vector<QVariant>> pensions;
    for (int r = first; r <= last; ++r) {
        const std::vector<QVariant>* values = lines.recordValues(r);
        const TLineValues l = ReadLine(f, values);
        std::vector<QVariant> row = zeros;
        for (const Copy& c : copied)
            row[size_t(c.to)] = (*values)[size_t(c.from)];
        row[size_t(x.salaryworkinghours)] = qlonglong(d.workinghours);
        if (!fullRoad) {
            row[size_t(x.salaryvalue)] = money(l.salaryvalue);
            row[size_t(x.paymentvalue)] = money(l.paymentvalue);
            row[size_t(x.paymentnetvalue)] = money(l.paymentnetvalue);
            row[size_t(x.cash)] = money(l.paymentnetvalue);
            built.push_back(std::move(row));
            continue;
        }
        const THours h = l.hours();
        const TGrossParts parts = GrossParts(l.regularwork, d, l);
        row[size_t(x.incdec)] = money(l.increment - l.decrement);
        row[size_t(x.totalhours)] = double(h.all() + l.maternityleavehours + l.childcareleavehours);
        row[size_t(x.mealrefundhours)] = qlonglong(h.meal());
        row[size_t(x.mealrefund)] = money(RND(parts.meal));
        row[size_t(x.workingyearspercent)] = double(d.workingyearsincrementpercent * l.workingyears);
        row[size_t(x.workingyearsvalue)] = money(RND(parts.workingYears));
        row[size_t(x.arrangedvalue)] = (*values)[size_t(arranged)];
        row[size_t(x.baudvalue)] = money(d.baudvalue);
        row[size_t(x.baudvaluedecreased)] = money(d.baudvalue * 0.9L);
        row[size_t(x.calculatedminnetsalarygross)] = money(minimumNetGross(d, l, items));

        const long double credits = l.paymentdecreasedvalue - l.paymentnetvalue;
        const long double net = decreased ? l.paymentdecreasedvalue : l.paymentvalue;
        const long double gross = decreased ? decreasedGross(l, items) : l.salaryvalue;
        const TLineComponents components =
            LineComponents(d, l, items, gross, dm.Options.RoundTaxes, d.salarytype == QLatin1Char('B'));
        putComponents(row, own, components);
        putRates(row, x, components);
        row[size_t(x.salaryvalue)] = money(gross);
        row[size_t(x.comparegross)] = money(l.salaryvalue);
        row[size_t(x.comparedecreasedgross)] = money(decreasedGross(l, items));
        row[size_t(x.paymentvalue)] = money(net);
        row[size_t(x.credits)] = money(credits);
        row[size_t(x.paymentnetvalue)] = money(net - credits);
        long double previousNet = 0;
        if (const auto p = previous.find((*values)[size_t(employeeColumn)].toLongLong()); p != previous.end()) {
            putPrevious(dm, row, x, p->second);
            previousNet = p->second.line.paymentvalue;
        }
        row[size_t(x.cash)] = money(net - credits - previousNet);
        deductionBases[l.salaryitemid] = {l.paymentdecreasedvalue, l.salaryvalue};
        if (l.voluntarypension > 0)
            pensions.push_back({(*values)[size_t(employeeColumn)], (*values)[size_t(pensionName)],
                                money(l.voluntarypension), (*values)[size_t(pensionAccount)],
                                (*values)[size_t(pensionCode)]});
        built.push_back(std::move(row));
    }
    rows.appendRecords(std::move(built));

    const qint64 onlyLine = count > 0 ? ReadLine(f, lines.recordValues(first)).salaryitemid : 0;
    Connection& connection = *dm.ZConnection();
    if (fullRoad)
        dm.PaymentListsItemCreditItemCDS->appendRecords(deductionRows(dm, d, deductionBases, pensions, onlyLine));
    dm.PaymentListsItemDifferenceCDS->appendRecords(detailRows(
        connection,
        QStringLiteral("SELECT si.employeeid, sid.differencename, sid.differencevalue FROM salaryitemdifference AS "
                       "sid INNER JOIN salaryitem AS si ON sid.salaryitemid = si.salaryitemid WHERE %1 "
                       "ORDER BY si.salaryitemid, sid.salaryitemdifferenceid"),
        d.salaryid, onlyLine));
    dm.PaymentListsItemCoefficientCDS->appendRecords(detailRows(
        connection,
        QStringLiteral("SELECT si.employeeid, sic.coefficient, sic.workinghours, sic.nightworkinghours, "
                       "sic.overtimehours, sic.holidayworkinghours, sic.nightholidayworkinghours FROM "
                       "salaryitemcoefficient AS sic INNER JOIN salaryitem AS si ON sic.salaryitemid = "
                       "si.salaryitemid WHERE %1 ORDER BY si.salaryitemid, sic.salaryitemcoefficientid"),
        d.salaryid, onlyLine));
}
