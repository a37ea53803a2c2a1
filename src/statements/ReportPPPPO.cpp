#include "ReportPPPPO.h"

#include "CalcFields.h"
#include "RateGlobals.h"
#include "RateItems.h"
#include "ReportEngine.h"
#include "Rounding.h"
#include "SalaryDM.h"
#include "SalaryResourceString.h"
#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlQuery.h"

#include <QDate>
#include <QHash>
#include <QSqlQuery>

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace {

long double hundredths(long double value) { return BetterRoundTo(value, -2); }

void checkYear(int year) {
    if (year < 1900 || year > 9999)
        throw EDatabaseError(QStringLiteral("Godina PPP-PO obrasca je četvorocifrena, a ne %1.").arg(year));
}

// The documents of the report: posted, paying the whole month, paid in the
// year (payment dates may carry a time).
const QString YearDocuments = QStringLiteral(
    "s.paymentdate >= ? AND s.paymentdate < ? AND s.partcoefficient = 100 AND s.status = 'p'");

QVariantList yearSpan(int year) { return {QDate(year, 1, 1), QDate(year + 1, 1, 1)}; }

struct TEmployee {
    qint64 employeeid;
    QString code, name, cityAddress, personalIdentificator;
};

struct TDocument {
    qint64 salaryid;
    qint64 salarytaxid;
};

struct TSource {
    QString incometypecode;
    TPPPPOSource amounts;
};

// The columns are as wide as the employee's own two, so nothing is cut.
QString joined(const QVariant& first, const QString& separator, const QVariant& second) {
    return first.toString().trimmed() + separator + second.toString().trimmed();
}

std::vector<TEmployee> yearEmployees(Connection& connection, int year) {
    QSqlQuery query = connection.exec(
        QStringLiteral("SELECT DISTINCT si.employeeid, e.code, e.lastname, e.firstname, e.city, e.address, "
                       "e.personalidentificator FROM salaryitem AS si INNER JOIN salary AS s ON si.salaryid = "
                       "s.salaryid LEFT JOIN employee AS e ON si.employeeid = e.employeeid WHERE ")
            + YearDocuments + QStringLiteral(" ORDER BY e.code, e.lastname, e.firstname"),
        yearSpan(year));
    std::vector<TEmployee> employees;
    while (query.next())
        employees.push_back({query.value(0).toLongLong(), query.value(1).toString(),
                             joined(query.value(3), QStringLiteral(" "), query.value(2)),
                             joined(query.value(4), QStringLiteral(", "), query.value(5)),
                             query.value(6).toString().trimmed()});
    return employees;
}

// The documents in the order of payment; refused when there are none, or
// when one with lines has no PPP-PD rows (its income would be missing).
std::vector<TDocument> yearDocuments(Connection& connection, int year) {
    QSqlQuery query = connection.exec(
        QStringLiteral("SELECT s.salaryid, s.salarytaxid, s.year, s.month, s.paymentdate, "
                       "CASE WHEN EXISTS (SELECT 1 FROM salaryitem AS si WHERE si.salaryid = s.salaryid) "
                       "AND NOT EXISTS (SELECT 1 FROM salaryreportunifiedcollection AS uc "
                       "WHERE uc.salaryid = s.salaryid) THEN 1 ELSE 0 END AS norows "
                       "FROM salary AS s WHERE ")
            + YearDocuments + QStringLiteral(" ORDER BY s.paymentdate, s.salaryid"),
        yearSpan(year));
    std::vector<TDocument> documents;
    QStringList missing;
    while (query.next()) {
        documents.push_back({query.value(0).toLongLong(), query.value(1).toLongLong()});
        if (query.value(5).toInt() == 1)
            missing << QStringLiteral("%1/%2 isplaćena %3")
                           .arg(query.value(3).toInt(), 2, 10, QLatin1Char('0'))
                           .arg(query.value(2).toInt())
                           .arg(StoredDate(query.value(4)).toString(QStringLiteral("dd.MM.yyyy.")));
    }
    if (documents.empty())
        throw EDatabaseError(
            QStringLiteral("Nema proknjiženih zarada za ceo mesec isplaćenih u %1. godini.").arg(year));
    if (!missing.isEmpty())
        throw EDatabaseError(QStringLiteral("Za zarade %1 nema redova PPP-PD prijave; napravite ih pa ponovite.")
                                 .arg(missing.join(QStringLiteral(", "))));
    return documents;
}

using TSourceKey = std::pair<qint64, qint64>;  // salaryid, employeeid

// The year's PPP-PD rows of those documents, by document and employee.
QHash<TSourceKey, std::vector<TSource>> yearSources(Connection& connection, int year) {
    QSqlQuery query = connection.exec(
        QStringLiteral("SELECT uc.salaryid, uc.employeeid, uc.incometypecode, uc.salaryvalue, uc.taxbase, "
                       "uc.taxvalue, uc.contributionbase, uc.contribution1value, uc.contribution2value, "
                       "uc.contribution3value, uc.contribution4value FROM salaryreportunifiedcollection AS uc "
                       "INNER JOIN salary AS s ON s.salaryid = uc.salaryid WHERE ")
            + YearDocuments + QStringLiteral(" ORDER BY uc.salaryreportunifiedcollectionid"),
        yearSpan(year));
    QHash<TSourceKey, std::vector<TSource>> sources;
    while (query.next()) {
        TPPPPOSource amounts;
        amounts.salaryvalue = query.value(3).toDouble();
        amounts.taxbase = query.value(4).toDouble();
        amounts.taxvalue = query.value(5).toDouble();
        amounts.contributionbase = query.value(6).toDouble();
        amounts.contributions = double(static_cast<long double>(query.value(7).toDouble()) + query.value(8).toDouble()
                                       + query.value(9).toDouble() + query.value(10).toDouble());
        sources[{query.value(0).toLongLong(), query.value(1).toLongLong()}].push_back(
            {query.value(2).toString(), amounts});
    }
    return sources;
}

struct TBuiltRow {
    const TEmployee* employee;
    QString incometypecode;
    TPPPPOAmounts amounts;
};

void reopen(TSqlQuery& rows, const QString& sql, const QString& name, const QVariant& value) {
    rows.close();
    rows.setSQL(sql);
    rows.setParam(name, value);
    rows.open();
}

void checkEmptyYear(const TSqlQuery& rows, int year) {
    if (!rows.isEmpty())
        throw EDatabaseError(
            QStringLiteral("PPP-PO za %1. godinu već ima redove; izbrišite ih pa ponovite.").arg(year));
}

// Appends the rows through the dataset, so that its checks hold; a refusal
// leaves the dataset as it was.
template <class Fill>
void appendRows(TSqlQuery& rows, int count, Fill fill) {
    const DataSetSnapshot before = rows.snapshot();
    ControlsDisabled quiet(rows);
    try {
        for (int i = 0; i < count; ++i) {
            rows.append();
            fill(i);
            rows.post();
        }
    } catch (...) {
        rows.restore(before);
        throw;
    }
}

void setCommon(TSqlQuery& rows, int year, qint64 employeeid, const QString& name, const QString& cityAddress,
               const QString& personalIdentificator, const char* incomeType, const QString& code) {
    rows.fieldByName(QStringLiteral("year"))->setAsInteger(year);
    rows.fieldByName(QStringLiteral("employeeid"))->setAsLargeInt(employeeid);
    rows.fieldByName(QStringLiteral("employeename"))->setAsString(name);
    rows.fieldByName(QStringLiteral("employeecityaddress"))->setAsString(cityAddress);
    rows.fieldByName(QStringLiteral("employeepersonalidentificator"))->setAsString(personalIdentificator);
    rows.fieldByName(QStringLiteral("incometype"))->setAsString(QString::fromUtf8(incomeType));
    rows.fieldByName(QStringLiteral("incometypecode"))->setAsString(code);
}

void setAmounts(TSqlQuery& rows, const TPPPPOAmounts& a) {
    const std::pair<const char*, long double> amounts[] = {
        {"salaryvalue", a.salaryvalue}, {"taxsub", a.taxsub}, {"taxbase", a.taxbase}, {"taxvalue", a.taxvalue},
        {"contributiontotal1value", a.contributiontotal1value},
        {"contributiontotal2value", a.contributiontotal2value}};
    for (const auto& [column, value] : amounts)
        rows.fieldByName(QLatin1String(column))->setAsFloat(double(value));
}

}  // namespace

void AddToPPPPO(TPPPPOAmounts& row, const TPPPPOSource& source, double pensionRate, double healthRate,
                double unemploymentRate) {
    const long double base = source.contributionbase;
    const long double employee =
        hundredths(base * pensionRate) + hundredths(base * healthRate) + hundredths(base * unemploymentRate);
    const long double employer = static_cast<long double>(source.contributions) - employee;
    row.salaryvalue += source.salaryvalue;
    row.taxsub += static_cast<long double>(source.salaryvalue) - source.taxbase;
    row.taxbase += source.taxbase;
    row.taxvalue += source.taxvalue;
    row.contributiontotal1value += employee;
    // Rounding leaves a para or two of the employee's contributions over;
    // that is no employer's contribution.
    if (hundredths(employer) >= 0.05L)
        row.contributiontotal2value += employer;
}

void OpenReportPPPPO(TSalaryDM& dm, int year) {
    checkYear(year);
    reopen(*dm.SalaryReportPPPPOZQ,
           QStringLiteral("SELECT * FROM salaryreportppppo WHERE year = :year "
                          "ORDER BY employeename, employeeid, incometype, incometypecode, salaryreportppppoid"),
           QStringLiteral("year"), year);
}

void OpenReportPPPPORow(TSalaryDM& dm, qint64 rowid) {
    reopen(*dm.SalaryReportPPPPOZQ, QStringLiteral("SELECT * FROM salaryreportppppo WHERE salaryreportppppoid = :rowid"),
           QStringLiteral("rowid"), rowid);
    if (dm.SalaryReportPPPPOZQ->isEmpty())
        throw EDatabaseError(QStringLiteral("Red PPP-PO %1 ne postoji.").arg(rowid));
}

int AddAllReportPPPPO(TSalaryDM& dm, int year) {
    checkYear(year);
    TSqlQuery& rows = *dm.SalaryReportPPPPOZQ;
    rows.checkBrowseMode();
    checkEmptyYear(rows, year);
    Connection& connection = *dm.ZConnection();
    // Everything is read, set-based, before the first row is appended.
    const std::vector<TDocument> documents = yearDocuments(connection, year);
    const std::vector<TEmployee> employees = yearEmployees(connection, year);
    const std::unordered_map<qint64, TRateItems> rateSets = LoadRateItemsOfSets(
        connection, QStringLiteral("SELECT s.salarytaxid FROM salary AS s WHERE ") + YearDocuments, yearSpan(year));
    const QHash<TSourceKey, std::vector<TSource>> sources = yearSources(connection, year);

    QStringList withoutJmbg;
    for (const TEmployee& employee : employees)
        if (employee.personalIdentificator.isEmpty())
            withoutJmbg << (employee.code + QLatin1Char(' ') + employee.name).trimmed();
    if (!withoutJmbg.isEmpty())
        throw EDatabaseError(QStringLiteral("Zaposleni bez JMBG ne mogu u PPP-PO: %1.")
                                 .arg(withoutJmbg.join(QStringLiteral(", "))));

    const TRateItems noItems;
    std::vector<TBuiltRow> built;
    for (const TEmployee& employee : employees) {
        const size_t first = built.size();  // this employee's rows, one per income type code
        for (const TDocument& document : documents) {
            // The rates are filled, never reset: those the last opened
            // document left stay in force for every document of the year,
            // and a document's own rate counts only where none is held. The
            // certificates employees already hold were computed so; a
            // certificate printed again must give the same figures.
            const auto items = rateSets.find(document.salarytaxid);
            FillFreeRateGlobals(items == rateSets.end() ? noItems : items->second);
            const auto found = sources.constFind({document.salaryid, employee.employeeid});
            if (found == sources.constEnd())
                continue;
            for (const TSource& source : *found) {
                auto row = std::find_if(built.begin() + std::ptrdiff_t(first), built.end(), [&](const TBuiltRow& r) {
                    return r.incometypecode == source.incometypecode;
                });
                if (row == built.end()) {
                    built.push_back({&employee, source.incometypecode, {}});
                    row = built.end() - 1;
                }
                AddToPPPPO(row->amounts, source.amounts, PIO_COEF1, ZO_COEF1, ON_COEF1);
            }
        }
    }

    appendRows(rows, int(built.size()), [&](int i) {
        const TBuiltRow& row = built[size_t(i)];
        setCommon(rows, year, row.employee->employeeid, row.employee->name, row.employee->cityAddress,
                  row.employee->personalIdentificator, _SALARY_PPPPO_RW_TYPE_CAP, row.incometypecode);
        setAmounts(rows, row.amounts);
    });
    rows.first();
    return int(built.size());
}

void AddReportPPPPOEmployee(TSalaryDM& dm, int year, qint64 employeeid) {
    checkYear(year);
    TSqlQuery& rows = *dm.SalaryReportPPPPOZQ;
    rows.checkBrowseMode();
    QSqlQuery employee = dm.ZConnection()->exec(
        QStringLiteral("SELECT firstname, lastname, city, address, personalidentificator FROM employee "
                       "WHERE employeeid = ?"),
        {employeeid});
    if (!employee.next())
        throw EDatabaseError(QStringLiteral("Zaposleni %1 ne postoji.").arg(employeeid));
    appendRows(rows, 1, [&](int) {
        setCommon(rows, year, employeeid, joined(employee.value(0), QStringLiteral(" "), employee.value(1)),
                  joined(employee.value(2), QStringLiteral(", "), employee.value(3)),
                  employee.value(4).toString().trimmed(), _SALARY_PPPPO_NRW_TYPE_CAP, QStringLiteral("1"));
        setAmounts(rows, {});
    });
}

void DeleteAllReportPPPPO(TSalaryDM& dm) {
    TSqlQuery& rows = *dm.SalaryReportPPPPOZQ;
    rows.checkBrowseMode();
    ControlsDisabled quiet(rows);
    rows.first();
    while (!rows.isEmpty())
        rows.remove();
}

void PrintReportPPPPO(TSalaryDM& dm, TReportEngine& engine, const QDate& issueDate) {
    TSqlQuery& rows = *dm.SalaryReportPPPPOZQ;
    rows.checkBrowseMode();
    if (!rows.active() || rows.isEmpty())
        throw EDatabaseError(QStringLiteral("PPP-PO nema redova za štampu."));
    engine.ExecuteSalaryPPPPOReport(&rows, issueDate.toString(QStringLiteral("dd.MM.yyyy")));
}

int BuildReportPPPPO(TSalaryDM& dm, int year) {
    OpenReportPPPPO(dm, year);
    TSqlQuery& rows = *dm.SalaryReportPPPPOZQ;
    const int count = AddAllReportPPPPO(dm, year);
    try {
        rows.applyUpdates();
    } catch (...) {
        rows.cancelUpdates();
        throw;
    }
    return count;
}

int DeleteReportPPPPO(Connection& connection, int year) {
    checkYear(year);
    Transaction transaction(connection);
    const QSqlQuery query = connection.exec(QStringLiteral("DELETE FROM salaryreportppppo WHERE year = ?"), {year});
    const int deleted = query.numRowsAffected();
    transaction.commit();
    return deleted;
}
