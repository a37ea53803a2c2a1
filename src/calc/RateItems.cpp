#include "RateItems.h"

#include "CalcFields.h"
#include "db/Connection.h"
#include "db/DataSet.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace {

bool isYes(const QVariant& flag) { return flag.toString().compare(QLatin1String("y"), Qt::CaseInsensitive) == 0; }

TRateItem rateItem(double percent, double freeValue, const QVariant& status, const QVariant& minBase,
                   const QVariant& maxBase, const QVariant& account) {
    TRateItem item;
    item.percent = percent;
    item.rate = percent / 100;
    item.freeValue = freeValue;
    item.employee = status.toString() == QLatin1String("s");
    item.minBase = isYes(minBase);
    item.maxBase = isYes(maxBase);
    item.account = account.toString();
    return item;
}

}  // namespace

void AssignRateRoles(TRateItems& items) {
    int employee = 0;
    int employer = 0;
    for (TRateItem& item : items) {
        if (item.employee && item.hasContributionBase()) {
            constexpr TRateRole roles[] = {TRateRole::EmployeePension, TRateRole::EmployeeHealth,
                                           TRateRole::EmployeeUnemployment};
            item.role = employee < 3 ? roles[employee++] : TRateRole::Other;
        } else if (item.employee) {
            item.role = TRateRole::IncomeTax;
        } else if (item.hasContributionBase()) {
            constexpr TRateRole roles[] = {TRateRole::EmployerPension, TRateRole::EmployerHealth,
                                           TRateRole::EmployerUnemployment};
            item.role = employer < 3 ? roles[employer++] : TRateRole::Other;
        } else {
            item.role = TRateRole::Other;
        }
    }
}

QString RateItemsSql() {
    return QStringLiteral("SELECT * FROM salarytaxitem WHERE chamber = 'n' AND salarytaxid = :IDSalaryTax  "
                          "ORDER BY taxpercent DESC, salarytaxitemid");
}

TRateItems ReadRateItems(const TDataSet& items, const TRateItemFields& f) {
    TRateItems result;
    if (!items.active())
        return result;
    result.reserve(size_t(items.recordCount()));
    for (int row = 0; row < items.recordCount(); ++row) {
        const auto value = [&](const TField* field) -> const QVariant& { return items.valueAt(row, field->index()); };
        if (isYes(value(f.chamber)))
            continue;
        result.push_back(rateItem(value(f.taxpercent).toDouble(), value(f.taxfreevalue).toDouble(),
                                  value(f.taxstatus), value(f.minsalary), value(f.maxsalary),
                                  value(f.taxbankaccount)));
    }
    AssignRateRoles(result);
    return result;
}

namespace {

// Reads the items of a query over salarytaxitem, each under its set's key.
template <class Add>
void readRateItems(QSqlQuery& query, Add add) {
    const QSqlRecord columns = query.record();
    const int set = columns.indexOf(QStringLiteral("salarytaxid"));
    const int percent = columns.indexOf(QStringLiteral("taxpercent"));
    const int freeValue = columns.indexOf(QStringLiteral("taxfreevalue"));
    const int status = columns.indexOf(QStringLiteral("taxstatus"));
    const int minBase = columns.indexOf(QStringLiteral("minsalary"));
    const int maxBase = columns.indexOf(QStringLiteral("maxsalary"));
    const int account = columns.indexOf(QStringLiteral("taxbankaccount"));
    while (query.next())
        add(query.value(set).toLongLong(),
            rateItem(query.value(percent).toDouble(), query.value(freeValue).toDouble(), query.value(status),
                     query.value(minBase), query.value(maxBase), query.value(account)));
}

}  // namespace

TRateItems LoadRateItems(Connection& connection, qint64 salaryTaxId) {
    QSqlQuery query = connection.exec(RateItemsSql(), QVariantMap{{QStringLiteral("IDSalaryTax"), salaryTaxId}});
    TRateItems result;
    readRateItems(query, [&](qint64, TRateItem item) { result.push_back(std::move(item)); });
    AssignRateRoles(result);
    return result;
}

std::unordered_map<qint64, TRateItems> LoadRateItemsOfSets(Connection& connection, const QString& setKeysSql,
                                                           const QVariantList& values) {
    QSqlQuery query = connection.exec(
        QStringLiteral("SELECT * FROM salarytaxitem WHERE chamber = 'n' AND salarytaxid IN (%1) "
                       "ORDER BY salarytaxid, taxpercent DESC, salarytaxitemid")
            .arg(setKeysSql),
        values);
    std::unordered_map<qint64, TRateItems> sets;
    readRateItems(query, [&](qint64 set, TRateItem item) { sets[set].push_back(std::move(item)); });
    for (auto& [set, items] : sets)
        AssignRateRoles(items);
    return sets;
}
