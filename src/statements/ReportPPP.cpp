#include "ReportPPP.h"

#include "AnnualLines.h"
#include "AnnualReportFiles.h"
#include "CalcRounding.h"
#include "DBIniFile.h"
#include "SalaryDM.h"
#include "db/DataSet.h"
#include "db/DbError.h"
#include "db/Field.h"
#include "db/SqlQuery.h"

#include <QDate>

#include <cmath>
#include <unordered_map>

namespace {

const QString Table = QStringLiteral("salaryreportppp");

// Posted documents paying the whole month, paid in the year.
const QString Documents =
    QStringLiteral("s.paymentdate >= ? AND s.paymentdate < ? AND s.partcoefficient = 100 AND s.status = 'p'");

QVariantList documentValues(int year) { return {QDate(year, 1, 1), QDate(year + 1, 1, 1)}; }

// A sum of amounts in hundredths, stored as such.
double money(long double value) { return double(RND(value)); }

// A plain number: no separators of thousands, a point, no trailing zeros.
QString plain(double value) { return QString::number(value, 'g', 15); }

}  // namespace

void TPPPAmounts::add(const TPPPAmounts& other) {
    taxbase += other.taxbase;
    taxvalue += other.taxvalue;
    tax1value += other.tax1value;
    tax2value += other.tax2value;
    tax3value += other.tax3value;
}

TPPPAmounts PPPAmountsOfLine(const TAnnualLine& annual) {
    const TDocumentValues& d = annual.stored.document;
    const TLineValues& l = annual.stored.line;
    TPPPAmounts a;
    if (d.salarytype == QLatin1Char('P')) {
        const long double tax = l.salaryvalue - l.paymentvalue;
        a.taxvalue = RND(tax);
        a.taxbase = d.taxpercent > 0 ? RND(tax / d.taxpercent * 100) : 0;
        return a;
    }
    const TLineComponents& c = annual.components;
    a.taxbase = c.taxBase;
    a.taxvalue = c.incomeTax;
    a.tax1value = c.employeePension;
    a.tax2value = c.employeeHealth;
    // Unemployment and any further employee contribution.
    a.tax3value = RND(c.employeeContributions - c.employeePension - c.employeeHealth);
    return a;
}

void OpenReportPPP(TSalaryDM& dm, int year) { OpenAnnualReport(*dm.SalaryReportPPPZQ, Table, year); }

int AddAllReportPPP(TSalaryDM& dm, int year) {
    CheckReportYear(year);
    TDataSet& rows = *dm.SalaryReportPPPZQ;
    if (!rows.isEmpty())
        return 0;
    const std::vector<TAnnualEmployee> employees = AnnualEmployees(dm, Documents, documentValues(year));
    std::unordered_map<qint64, TPPPAmounts> amounts;
    ForEachAnnualLine(dm, Documents, documentValues(year),
                      [&amounts](const TAnnualLine& line) { amounts[line.employeeid].add(PPPAmountsOfLine(line)); });
    std::vector<QVariantMap> values;
    for (const TAnnualEmployee& e : employees) {
        const TPPPAmounts& a = amounts[e.employeeid];
        values.push_back({{QStringLiteral("year"), year},
                          {QStringLiteral("employeeid"), e.employeeid},
                          {QStringLiteral("employeename"), e.name()},
                          {QStringLiteral("employeecityaddress"), e.city + QStringLiteral(", ") + e.address},
                          {QStringLiteral("employeepersonalidentificator"), e.personalidentificator},
                          {QStringLiteral("taxbase"), money(a.taxbase)},
                          {QStringLiteral("taxvalue"), money(a.taxvalue)},
                          {QStringLiteral("tax1value"), money(a.tax1value)},
                          {QStringLiteral("tax2value"), money(a.tax2value)},
                          {QStringLiteral("tax3value"), money(a.tax3value)}});
    }
    AppendReportRows(rows, values);
    return int(employees.size());
}

int BuildReportPPP(TSalaryDM& dm, int year) {
    OpenReportPPP(dm, year);
    return BuildAnnualReport(*dm.SalaryReportPPPZQ, QStringLiteral("PPP"), year,
                             [&] { return AddAllReportPPP(dm, year); });
}

int DeleteReportPPP(Connection& connection, int year) { return DeleteAnnualReport(connection, Table, year); }

void PrepareReportPPPDetails(TSalaryDM& dm, int year, qint64 employeeId, TDataSet& details) {
    CheckReportYear(year);
    if (details.fieldCount() == 0) {
        details.addField(QStringLiteral("employeeid"), FieldType::LargeInt);
        details.addField(QStringLiteral("salaryid"), FieldType::LargeInt);
        details.addField(QStringLiteral("salarytype"), FieldType::String, 1)->setDisplayLabel(QStringLiteral("Vrsta"));
        details.addField(QStringLiteral("salaryperiod"), FieldType::String, 7)->setDisplayLabel(QStringLiteral("Za mesec"));
        details.addField(QStringLiteral("salarydate"), FieldType::Date)->setDisplayLabel(QStringLiteral("Isplaćeno"));
        const auto money = [&details](const char* name, const char* label) {
            TField* field = details.addField(QLatin1String(name), FieldType::Float);
            field->setDisplayLabel(QString::fromUtf8(label));
            field->setDisplayFormat(QStringLiteral("#,##0.00"));
        };
        money("salaryvalue", "Bruto");
        money("taxbase", "Oporezivi prihod");
        money("taxvalue", "Porez");
        money("tax1value", "PIO");
        money("tax2value", "ZO");
        money("tax3value", "ON");
        details.open();
    }
    details.emptyDataSet();
    std::vector<std::vector<QVariant>> rows;
    ForEachAnnualLine(
        dm, Documents, documentValues(year),
        [&rows](const TAnnualLine& line) {
            const TDocumentValues& d = line.stored.document;
            const TPPPAmounts a = PPPAmountsOfLine(line);
            rows.push_back({line.employeeid, d.salaryid, QString(d.salarytype),
                            QStringLiteral("%1/%2").arg(line.month, 2, 10, QLatin1Char('0')).arg(line.year),
                            d.paymentdate, double(RND(d.salarytype == QLatin1Char('P') ? line.stored.line.salaryvalue
                                                                                          : line.gross)),
                            double(a.taxbase), double(a.taxvalue), double(a.tax1value), double(a.tax2value),
                            double(a.tax3value)});
        },
        employeeId);
    details.appendRecords(std::move(rows));
}

QStringList ReportPPPFileLines(const TDataSet& rows, const QString& code, const QString& number, int year) {
    const auto column = [&rows](const char* name) { return rows.fieldByName(QLatin1String(name))->index(); };
    const int jmbg = column("employeepersonalidentificator"), name = column("employeename");
    const int amounts[] = {column("taxbase"), column("taxvalue"), column("tax1value"), column("tax2value"),
                           column("tax3value")};
    long double bases = 0;
    QStringList lines{QString()};
    for (int r = 0; r < rows.recordCount(); ++r) {
        const std::vector<QVariant>& v = *rows.recordValues(r);
        // The header sums each row's base taken as a whole number.
        bases += std::llround(v[size_t(amounts[0])].toDouble());
        const auto [first, rest] = SplitAtFirstBlank(v[size_t(name)].toString());
        QStringList fields{v[size_t(jmbg)].toString(), first, rest};
        for (const int amount : amounts)
            fields << plain(v[size_t(amount)].toDouble());
        lines << fields.join(QLatin1Char(';'));
    }
    lines[0] = QStringList{code, QString(), number, QString::number(year), QString::number(rows.recordCount()),
                           plain(double(bases))}
                   .join(QLatin1Char(';'));
    return lines;
}

int ExportReportPPP(Connection& connection, const TDataSet& rows, int year, const QString& path) {
    const TDBIniFile settings(connection);
    const QString section = QStringLiteral("CompanyInfo");
    WriteTextLines(ReportPPPFileLines(rows, settings.ReadString(section, QStringLiteral("Code"), QString()),
                                      settings.ReadString(section, QStringLiteral("Number"), QString()), year),
                   path);
    return rows.recordCount();
}
