#pragma once

#include <QString>

#include <QVariantList>

#include <unordered_map>
#include <vector>

class Connection;
class TDataSet;
struct TRateItemFields;

// What an item of a rate set is, by its flags and its place among the items
// ordered by descending percentage: the largest employee contribution is the
// pension, the next health, the third unemployment; the same for the
// employer's. Reports find an amount by its role, never by the rates of the
// document opened last.
enum class TRateRole {
    EmployeePension, EmployeeHealth, EmployeeUnemployment, IncomeTax,
    EmployerPension, EmployerHealth, EmployerUnemployment,
    Other  // a fourth contribution, or an employer item without a base
};

// One tax or contribution of a rate set, as the calculation reads it.
struct TRateItem {
    double percent = 0;     // taxpercent: 14 means 14 %
    double rate = 0;        // percent / 100, computed as the rate globals are
    double freeValue = 0;   // taxfreevalue: the monthly tax-free amount
    bool employee = false;  // taxstatus "s": deducted from the gross
    bool minBase = false;   // the minimum contribution base applies
    bool maxBase = false;   // the maximum contribution base applies
    QString account;        // taxbankaccount
    TRateRole role = TRateRole::Other;

    bool hasContributionBase() const { return minBase || maxBase; }
    // The employee-borne item without a contribution base is the income tax.
    bool incomeTax() const { return employee && !hasContributionBase(); }
};

// The items of a rate set without chamber fees, by descending percentage and
// then by key: the order the rate globals and the calculation rely on.
using TRateItems = std::vector<TRateItem>;

// Gives each item its role by its flags and place (items in the order above).
void AssignRateRoles(TRateItems& items);

// The items the dataset holds now, chamber items left out, without moving it.
TRateItems ReadRateItems(const TDataSet& items, const TRateItemFields& fields);
// The items of a stored rate set.
TRateItems LoadRateItems(Connection& connection, qint64 salaryTaxId);
// The items of every set whose key `setKeysSql` selects (a subquery with its
// bound values), by set key, in one statement: a year's documents read
// their sets at once.
std::unordered_map<qint64, TRateItems> LoadRateItemsOfSets(Connection& connection, const QString& setKeysSql,
                                                           const QVariantList& values);

// The query of the rate items the calculation works with (":IDSalaryTax").
QString RateItemsSql();
