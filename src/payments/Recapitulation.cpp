#include "Recapitulation.h"

#include "CalcRounding.h"
#include "CalcSupport.h"
#include "PaymentLists.h"
#include "PaymentSets.h"
#include "SalaryDM.h"
#include "db/Connection.h"

#include <QSqlQuery>

#include <array>
#include <vector>

namespace {

const QString OrganizationUnit = QStringLiteral("organizationunit");
const QString SubOrganizationUnit = QStringLiteral("suborganizationunit");

// The group key of the rows: the unit the lists are ordered by, or none.
QString groupKey(const TSalaryDM& dm) {
    const QString& order = dm.PaymentListsItemCDS->sortFields();
    return order == OrganizationUnit || order == SubOrganizationUnit ? order : QString();
}

bool passes(int mode, const TDataSet& rows, int row, int employer, int state) {
    const qint64 workingState = rows.valueAt(row, state).toLongLong();
    switch (mode) {
    case RecapitulationAll: return true;
    case RecapitulationEmployees: return rows.valueAt(row, employer).toString() != QLatin1String("y");
    case RecapitulationEmployers: return rows.valueAt(row, employer).toString() == QLatin1String("y");
    case 119: return workingState == 19;
    case 19: return workingState == 9;
    default: return workingState == mode - 10;
    }
}

// Pairs of recapitulation and payment list fields summed one into the other.
struct SumPair {
    int to;
    int from;
};

struct GroupSums {
    QString key;
    std::vector<long double> sums;
    long long count = 0, overtime = 0, voluntaryPension = 0, partTime = 0;
};

// Sums the payment list rows passing the mode, group by group.
std::vector<GroupSums> sumGroups(const TSalaryDM& dm, int mode, const std::vector<SumPair>& pairs) {
    const TDataSet& rows = *dm.PaymentListsItemCDS;
    const TPaymentListIndex x(rows);
    const QString key = groupKey(dm);
    const int keyField = key.isEmpty() ? -1 : rows.fieldByName(key)->index();
    const double fund = dm.SalaryZQ->fieldByName(QStringLiteral("workinghours"))->asFloat();
    std::vector<GroupSums> groups(1);
    groups.back().sums.assign(pairs.size(), 0);
    bool started = false;
    for (int r = 0; r < rows.recordCount(); ++r) {
        if (!passes(mode, rows, r, x.employer, x.workingstateid))
            continue;
        const QString rowKey = keyField < 0 ? QString() : rows.valueAt(r, keyField).toString();
        if (started && rowKey != groups.back().key) {
            groups.emplace_back();
            groups.back().sums.assign(pairs.size(), 0);
        }
        started = true;
        GroupSums& g = groups.back();
        g.key = rowKey;
        for (size_t i = 0; i < pairs.size(); ++i)
            g.sums[i] += rows.valueAt(r, pairs[i].from).toDouble();
        ++g.count;
        g.overtime += rows.valueAt(r, x.overtimehours).toDouble() > 0;
        g.voluntaryPension += rows.valueAt(r, x.sub2basesub2).toDouble() > 0;
        g.partTime += rows.valueAt(r, x.totalhours).toDouble() < fund;
    }
    return groups;
}

// A rate item of the document's set with what the recapitulation and the
// chambers fee print of it.
struct TaxItem {
    QString name, paycode, account, model, code, code2;
    double percent = 0;
    bool chamber = false;
};

std::vector<TaxItem> documentTaxItems(TSalaryDM& dm, qint64 salaryTaxId) {
    QSqlQuery query = dm.ZConnection()->exec(
        QStringLiteral("SELECT taxname, taxpercent, paycode, taxbankaccount, paymentmodel, paymentcode, "
                       "paymentcode2, chamber FROM salarytaxitem WHERE salarytaxid = ? "
                       "ORDER BY taxpercent DESC, salarytaxitemid"),
        {salaryTaxId});
    std::vector<TaxItem> items;
    while (query.next())
        items.push_back({query.value(0).toString(), query.value(2).toString(), query.value(3).toString(),
                         query.value(4).toString(), query.value(5).toString(), query.value(6).toString(),
                         query.value(1).toDouble(), query.value(7).toString() == QLatin1String("y")});
    return items;
}

// The payment codes of the item whose percentage is that of the role.
std::pair<QString, QString> codesOf(const std::vector<TaxItem>& items, const TRateItems& rates, TRateRole role) {
    for (const TRateItem& rate : rates) {
        if (rate.role != role)
            continue;
        for (const TaxItem& item : items)
            if (!item.chamber && RND(item.percent) == RND(rate.percent))
                return {item.code, item.code2};
    }
    return {};
}

long double chamberFee(long double gross, long double previousGross, double percent) {
    return RND((gross - previousGross) * percent / 100);
}

}  // namespace

void SetPaymentListsIndex(TSalaryDM& dm, const QString& index) {
    DefinePaymentSets(dm);
    if (index == OrganizationUnitIndex)
        dm.PaymentListsItemCDS->setSortFields(OrganizationUnit);
    else if (index == SubOrganizationUnitIndex)
        dm.PaymentListsItemCDS->setSortFields(SubOrganizationUnit);
    else if (index == AccountIndex)
        dm.PaymentListsItemCDS->setSortFields(QStringLiteral("account"));
    else
        dm.PaymentListsItemCDS->setSortFields(QString());
}

bool ValidRecapitulationMode(int mode) {
    return mode == 0 || mode == 1 || mode == 2 || (mode >= 12 && mode <= 16) || mode == 19 || mode == 119;
}

void PrepareRecapitulation(TSalaryDM& dm, int mode, bool decreased) {
    DefinePaymentSets(dm);
    TDataSet& recapitulation = *dm.RecapitulationCDS;
    const TDataSet& rows = *dm.PaymentListsItemCDS;
    std::vector<SumPair> pairs;
    for (int i = 0; i < recapitulation.fieldCount(); ++i)
        if (const TField* from = rows.findField(recapitulation.field(i)->fieldName());
            from && IsNumericType(from->dataType()) && recapitulation.field(i)->dataType() == FieldType::Float)
            pairs.push_back({i, from->index()});
    const auto costOf = [&](const GroupSums& g) {
        long double cost = 0;
        for (size_t i = 0; i < pairs.size(); ++i) {
            const QString& name = recapitulation.field(pairs[i].to)->fieldName();
            if (name == QLatin1String("salaryvalue") || name == QLatin1String("sub12") || name == QLatin1String("sub124"))
                cost += g.sums[i];
        }
        return cost;
    };
    // Without the decrease first, so that the lists are left as printed; a
    // document that decreases nothing is the same both ways.
    decreased = decreased && dm.SalaryZQ->fieldByName(QStringLiteral("netdecreasepercent"))->asFloat() > 0;
    std::vector<long double> notDecreased;
    if (decreased) {
        PreparePaymentLists(dm, false, 0);
        for (const GroupSums& g : sumGroups(dm, mode, pairs))
            notDecreased.push_back(costOf(g));
    }
    PreparePaymentLists(dm, decreased, 0);
    const std::vector<GroupSums> groups = sumGroups(dm, mode, pairs);

    const TDocumentValues d = CurrentDocument(dm);
    const std::vector<TaxItem> taxItems = documentTaxItems(dm, d.salarytaxid);
    const TRateItems& rates = RateItemsOfSet(dm, d.salarytaxid);
    const auto codes = std::array{codesOf(taxItems, rates, TRateRole::EmployeePension),
                                  codesOf(taxItems, rates, TRateRole::EmployeeHealth),
                                  codesOf(taxItems, rates, TRateRole::EmployeeUnemployment)};
    const bool chambers = d.salarytype == QLatin1Char('Z') || d.salarytype == QLatin1Char('B');
    const QString key = groupKey(dm);
    const auto at = [&](const char* name) { return recapitulation.fieldByName(QLatin1String(name))->index(); };

    std::vector<std::vector<QVariant>> built;
    for (size_t gi = 0; gi < groups.size(); ++gi) {
        const GroupSums& g = groups[gi];
        std::vector<QVariant> row(size_t(recapitulation.fieldCount()));
        long double gross = 0, previousGross = 0;
        for (size_t i = 0; i < pairs.size(); ++i) {
            row[size_t(pairs[i].to)] = double(RND(g.sums[i]));
            const QString& name = recapitulation.field(pairs[i].to)->fieldName();
            if (name == QLatin1String("salaryvalue"))
                gross = g.sums[i];
            else if (name == QLatin1String("prevsalaryvalue"))
                previousGross = g.sums[i];
        }
        // Child care is summed by no list column: it stays empty.
        row[size_t(at("childcarevalue"))] = QVariant();
        row[size_t(at("childcarehours"))] = QVariant();
        row[size_t(at("count"))] = qlonglong(g.count);
        row[size_t(at("countovertime"))] = qlonglong(g.overtime);
        row[size_t(at("countsub2basesub2"))] = qlonglong(g.voluntaryPension);
        row[size_t(at("countparttime"))] = qlonglong(g.partTime);
        const char* const codeFields[3][2] = {{"sub11paymentcode", "sub11paymentcode2"},
                                              {"sub12paymentcode", "sub12paymentcode2"},
                                              {"sub13paymentcode", "sub13paymentcode2"}};
        for (int k = 0; k < 3; ++k) {
            row[size_t(at(codeFields[k][0]))] = codes[size_t(k)].first;
            row[size_t(at(codeFields[k][1]))] = codes[size_t(k)].second;
        }
        long double fee = 0;
        if (chambers)
            for (const TaxItem& item : taxItems)
                if (item.chamber)
                    fee += chamberFee(gross, previousGross, item.percent);
        row[size_t(at("chambersfee"))] = double(RND(fee));
        const long double cost = costOf(g);
        const long double full = decreased && gi < notDecreased.size() ? notDecreased[gi] : cost;
        row[size_t(at("totalcost"))] = double(RND(cost));
        row[size_t(at("totalnotdecreased"))] = double(RND(full));
        row[size_t(at("totaldecrease"))] = double(RND(full - cost));
        if (!key.isEmpty())
            row[size_t(at(key.toLatin1().constData()))] = g.key;
        built.push_back(std::move(row));
    }
    recapitulation.emptyDataSet();
    recapitulation.appendRecords(std::move(built));
}

void PrepareChambers(TSalaryDM& dm) {
    PrepareRecapitulation(dm, RecapitulationAll, true);
    TDataSet& chambers = *dm.ChamberCDS;
    chambers.emptyDataSet();
    const TDataSet& recapitulation = *dm.RecapitulationCDS;
    const TDocumentValues d = CurrentDocument(dm);
    const int gross = recapitulation.fieldByName(QStringLiteral("salaryvalue"))->index();
    const int previous = recapitulation.fieldByName(QStringLiteral("prevsalaryvalue"))->index();
    const int unit = recapitulation.fieldByName(OrganizationUnit)->index();
    const int subUnit = recapitulation.fieldByName(SubOrganizationUnit)->index();
    const std::vector<TaxItem> items = documentTaxItems(dm, d.salarytaxid);
    std::vector<std::vector<QVariant>> built;
    for (int r = 0; r < recapitulation.recordCount(); ++r) {
        for (const TaxItem& item : items) {
            if (!item.chamber)
                continue;
            built.push_back({item.name, item.percent, item.paycode, item.account, item.model, item.code,
                             double(chamberFee(recapitulation.valueAt(r, gross).toDouble(),
                                               recapitulation.valueAt(r, previous).toDouble(), item.percent)),
                             recapitulation.valueAt(r, unit), recapitulation.valueAt(r, subUnit)});
        }
    }
    chambers.appendRecords(std::move(built));
}
