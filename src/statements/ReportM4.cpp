#include "ReportM4.h"

#include "AnnualLines.h"
#include "AnnualReportFiles.h"
#include "CalcRounding.h"
#include "DBIniFile.h"
#include "SalaryDM.h"
#include "db/DataSet.h"
#include "db/DbError.h"
#include "db/Field.h"
#include "db/SqlQuery.h"

#include <cmath>
#include <unordered_map>

namespace {

const QString Table = QStringLiteral("salaryreportm4");

// Every document of the year names the employees; only the posted
// full-month regular and sick-pay ones count.
const QString EmployeeDocuments = QStringLiteral("s.year = ?");
const QString Documents = QStringLiteral(
    "s.year = ? AND s.partcoefficient = 100 AND s.status = 'p' AND (s.salarytype = 'Z' OR s.salarytype = 'B')");

bool increasedService(qint64 state) { return IncreasedServiceRate(state) > 0; }

// A month of service, or its days out of thirty.
void addService(long double hours, long double fund, long double& months, long double& days, bool roundDays) {
    if (hours >= fund) {
        months += 1;
    } else if (fund > 0) {
        const long double share = hours / fund * 30;
        days += roundDays ? Round(share) : share;
    }
}

QString zeroPadded(long double value, int width) {
    return QStringLiteral("%1").arg(qlonglong(std::llround(double(value))), width, 10, QLatin1Char('0'));
}

}  // namespace

void TM4Amounts::add(const TM4Amounts& o) {
    workingmonths += o.workingmonths;
    workingdays += o.workingdays;
    taxbase += o.taxbase;
    taxvalue += o.taxvalue;
    tax1base += o.tax1base;
    tax1value += o.tax1value;
    contribution4months += o.contribution4months;
    contribution4days += o.contribution4days;
    contribution4value += o.contribution4value;
}

void TM4Amounts::carryDays() {
    while (workingdays >= 30) {
        workingmonths += 1;
        workingdays -= 30;
    }
    while (contribution4days >= 30) {
        contribution4months += 1;
        contribution4days -= 30;
    }
}

TM4Amounts M4AmountsOfLine(const TAnnualLine& annual) {
    const TDocumentValues& d = annual.stored.document;
    const TLineValues& l = annual.stored.line;
    const TLineComponents& c = annual.components;
    // Both sides' pension rate of the line's own document.
    const long double pension = (c.employeePensionRate + c.employerPensionRate) / 100.0L;
    const long double base = c.contributionBase;
    const long double fund = d.workinghours;
    TM4Amounts a;
    if (d.salarytype == QLatin1Char('B')) {
        addService(l.longsickhours + l.maternityleavehours + l.childcareleavehours, fund, a.workingmonths,
                   a.workingdays, true);
        a.taxbase = l.vacationrefund;
        a.taxvalue = RND(l.vacationrefund * pension);
        a.tax1base = base - l.vacationrefund;
        a.tax1value = RND((base - l.vacationrefund) * pension);
        return a;
    }
    const THours h = l.hours();
    addService(h.all(), fund, a.workingmonths, a.workingdays, true);
    a.taxbase = base - l.sickvalue;
    a.taxvalue = RND((base - l.sickvalue) * pension);
    a.tax1base = l.sickvalue;
    a.tax1value = RND(l.sickvalue * pension);
    if (increasedService(l.workingstateid)) {
        // Sick leave is not increased service.
        addService(h.all() - h.sickhours - h.longsickhours, fund, a.contribution4months, a.contribution4days, false);
        a.contribution4value = c.increasedService;
    }
    return a;
}

void OpenReportM4(TSalaryDM& dm, int year) { OpenAnnualReport(*dm.SalaryReportM4ZQ, Table, year); }

int AddAllReportM4(TSalaryDM& dm, int year) {
    CheckReportYear(year);
    TDataSet& rows = *dm.SalaryReportM4ZQ;
    if (!rows.isEmpty())
        return 0;
    const std::vector<TAnnualEmployee> employees = AnnualEmployees(dm, EmployeeDocuments, {year});
    std::unordered_map<qint64, TM4Amounts> amounts;
    ForEachAnnualLine(dm, Documents, {year},
                      [&amounts](const TAnnualLine& line) { amounts[line.employeeid].add(M4AmountsOfLine(line)); });
    std::vector<QVariantMap> values;
    for (const TAnnualEmployee& e : employees) {
        TM4Amounts a = amounts[e.employeeid];
        a.carryDays();
        QVariantMap row{{QStringLiteral("year"), year},
                        {QStringLiteral("employeeid"), e.employeeid},
                        {QStringLiteral("employeename"), e.name()},
                        {QStringLiteral("employeepersonalidentificator"), e.personalidentificator},
                        {QStringLiteral("workingmonths"), double(a.workingmonths)},
                        {QStringLiteral("workingdays"), double(a.workingdays)},
                        {QStringLiteral("taxbase"), double(RND(a.taxbase))},
                        {QStringLiteral("taxvalue"), double(RND(a.taxvalue))},
                        {QStringLiteral("tax1base"), double(RND(a.tax1base))},
                        {QStringLiteral("tax1value"), double(RND(a.tax1value))},
                        {QStringLiteral("contribution4months"), double(a.contribution4months)},
                        {QStringLiteral("contribution4days"), double(a.contribution4days)},
                        {QStringLiteral("contribution4value"), double(RND(a.contribution4value))}};
        if (increasedService(e.workingstateid)) {
            row.insert(QStringLiteral("vocation"), e.vocation);
            row.insert(QStringLiteral("vocationcode"), e.vocationcode);
        }
        values.push_back(std::move(row));
    }
    AppendReportRows(rows, values);
    return int(employees.size());
}

int BuildReportM4(TSalaryDM& dm, int year) {
    OpenReportM4(dm, year);
    return BuildAnnualReport(*dm.SalaryReportM4ZQ, QStringLiteral("M4"), year,
                             [&] { return AddAllReportM4(dm, year); });
}

int DeleteReportM4(Connection& connection, int year) { return DeleteAnnualReport(connection, Table, year); }

void PrepareIndividualM4CDS(TSalaryDM& dm, int year) {
    CheckReportYear(year);
    TDataSet& details = *dm.SalaryReportM4CDS;
    if (details.fieldCount() == 0) {
        details.addField(QStringLiteral("employeeid"), FieldType::LargeInt);
        details.addField(QStringLiteral("salaryid"), FieldType::LargeInt);
        details.addField(QStringLiteral("salarytype"), FieldType::String, 1)->setDisplayLabel(QStringLiteral("Vrsta"));
        details.addField(QStringLiteral("salaryperiod"), FieldType::String, 7)->setDisplayLabel(QStringLiteral("Za mesec"));
        const auto number = [&details](const char* name, const char* label, const char* format) {
            TField* field = details.addField(QLatin1String(name), FieldType::Float);
            field->setDisplayLabel(QString::fromUtf8(label));
            field->setDisplayFormat(QLatin1String(format));
        };
        number("workingmonths", "Meseci staža", "0");
        number("workingdays", "Dani staža", "0");
        number("taxbase", "Zarada - osnovica", "#,##0.00");
        number("taxvalue", "PIO", "#,##0.00");
        number("tax1base", "Naknada bolov.", "#,##0.00");
        number("tax1value", "PIO bolov.", "#,##0.00");
        number("contribution4value", "Uveć. PIO", "#,##0.00");
        details.open();
    }
    details.emptyDataSet();
    std::vector<std::vector<QVariant>> rows;
    ForEachAnnualLine(dm, Documents, {year}, [&rows](const TAnnualLine& line) {
        const TM4Amounts a = M4AmountsOfLine(line);
        rows.push_back({line.employeeid, line.stored.document.salaryid, QString(line.stored.document.salarytype),
                        QStringLiteral("%1/%2").arg(line.month, 2, 10, QLatin1Char('0')).arg(line.year),
                        double(a.workingmonths), double(a.workingdays), double(RND(a.taxbase)), double(a.taxvalue),
                        double(RND(a.tax1base)), double(a.tax1value), double(a.contribution4value)});
    });
    details.appendRecords(std::move(rows));
}

QStringList ReportM4FileLines(const TDataSet& rows, const TM4Export& options) {
    bool whole = false;
    const qlonglong first = options.position.trimmed().toLongLong(&whole);
    if (!whole)
        throw EDatabaseError(
            QStringLiteral("Mikrofilmski broj pozicije mora biti ceo broj, a ne \"%1\".").arg(options.position));
    const auto column = [&rows](const char* name) { return size_t(rows.fieldByName(QLatin1String(name))->index()); };
    const size_t year = column("year"), jmbg = column("employeepersonalidentificator"), name = column("employeename"),
                 months = column("workingmonths"), days = column("workingdays");
    const size_t amounts[] = {column("taxbase"), column("taxvalue"), column("tax1base"), column("tax1value")};
    QStringList lines;
    for (int r = 0; r < rows.recordCount(); ++r) {
        const std::vector<QVariant>& v = *rows.recordValues(r);
        const auto [before, after] = SplitAtFirstBlank(v[name].toString());
        QString line = QStringLiteral("6") + v[year].toString() + options.roll + QString::number(first + r / 20)
            + options.code + options.registration + QStringLiteral("00") + options.branchCode + v[jmbg].toString()
            + zeroPadded(v[months].toDouble(), 2) + zeroPadded(v[days].toDouble(), 2) + QStringLiteral("0000");
        for (const size_t amount : amounts)
            line += zeroPadded(v[amount].toDouble() * 100.0L, 10);
        line += QStringLiteral("0000") + QStringLiteral("0000") + QStringLiteral("0000000000") + after
            + QLatin1Char(' ') + before;
        lines << line;
    }
    return lines;
}

int ExportReportM4(Connection& connection, const TDataSet& rows, TM4Export options, const QString& path) {
    const TDBIniFile settings(connection);
    options.code = settings.ReadString(QStringLiteral("CompanyInfo"), QStringLiteral("Code"), QString());
    options.branchCode = settings.ReadString(QStringLiteral("CompanyInfo"), QStringLiteral("BranshCode"), QString());
    const QStringList lines = ReportM4FileLines(rows, options);
    WriteTextLines(lines, path);
    return int(lines.size());
}
