#include "TreasuryExport.h"

#include "CalcRounding.h"
#include "CalcSupport.h"
#include "CompanyInfo.h"
#include "DBIniFile.h"
#include "ReturnPeriod.h"
#include "SalaryDM.h"
#include "StoredLines.h"
#include "StatementFile.h"
#include "TaxRules.h"
#include "Transliteration.h"
#include "XmlText.h"
#include "db/Connection.h"
#include "db/DataSet.h"
#include "db/DbError.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <unordered_map>

namespace {

const QString ReturnName = QStringLiteral("Izvoz za trezor - MZ");

// The month's final regular and sick-pay documents, as both queries select them.
const char* const Documents =
    "s.year = ? AND s.month = ? AND s.status = 'p' AND s.partcoefficient = 100 "
    "AND (s.salarytype = 'Z' OR s.salarytype = 'B')";

ColumnDef column(const char* name, ColumnType type, int size, const char* label) {
    ColumnDef c{QString::fromLatin1(name), type, size, QString::fromUtf8(label)};
    if (type == ColumnType::Float)
        c.displayFormat = QStringLiteral("0.00");
    return c;
}

void defineFields(TDataSet& rows) {
    if (rows.fieldCount() > 0)
        return;
    using T = ColumnType;
    for (const ColumnDef& c :
         {column("firstname", T::String, 50, "Ime"), column("lastname", T::String, 30, "Prezime"),
          column("personalidentificator", T::String, 20, "JMBG"),
          column("vocationcode", T::String, 10, "Šifra radnog mesta"),
          column("educationcode", T::String, 10, "Šifra stručne spreme"), column("regularnet", T::Float, 0, "Zarada"),
          column("workingyearsnet", T::Float, 0, "Uvećana zarada"),
          column("varpart", T::Float, 0, "Varijabilni deo"), column("paymentvalue", T::Float, 0, "Neto"),
          column("salaryvalue", T::Float, 0, "Bruto"), column("employeeid", T::LargeInt, 0, "")})
        rows.addField(c);
}

// Where the amounts stand in a row of ExportTreasuryCDS.
enum Column { FirstName, LastName, Jmbg, Vocation, Education, RegularNet, WorkingYearsNet, VarPart, Net, Gross,
              EmployeeId };

QString element(const char* name, const QString& value) {
    const QLatin1String tag(name);
    return QLatin1Char('<') + tag + QLatin1Char('>') + XmlEscaped(value) + QLatin1String("</") + tag + QLatin1Char('>');
}

QString amount(const QVariant& value) { return QString::number(value.toDouble(), 'f', 2); }

}  // namespace

TTreasurySplit TreasurySplit(const TDocumentValues& d, const TLineValues& l, const TRateItems& items) {
    const long double decreased = RND(l.paymentdecreasedvalue);
    // A marginal amount of gross keeps this share as net (the tax-free amount
    // is already spent on the line as a whole).
    const long double netShare = 1 - Correction(items, l.workingstateid).percent / 100.0L;
    const bool reduced = d.netdecreasepercent > 0 && decreased < RND(l.paymentvalue);
    const long double kept = reduced ? 1 - d.netdecreasepercent / 100.0L : 1;
    const long double yearsGross = GrossParts(l.regularwork, d, l).workingYears;
    const long double variableGross = l.otherValues() + l.maternityleavevalue + l.childcareleavevalue + l.increment
        - l.decrement + l.difference;
    long double varpart = std::clamp<long double>(RND(variableGross * netShare), 0, std::max<long double>(decreased, 0));
    long double years =
        std::clamp<long double>(RND(yearsGross * netShare * kept), 0, std::max<long double>(decreased - varpart, 0));
    TTreasurySplit split;
    split.varpart = double(varpart);
    split.workingyearsnet = double(years);
    // The rest is regular pay: the three parts are the decreased net to the para.
    split.regularnet = double(RND(decreased - years - varpart));
    return split;
}

int LoadExportTreasury(TSalaryDM& dm, int year, int month) {
    CheckReturnPeriod(ReturnName, year, month);
    Connection& connection = *dm.ZConnection();
    TDataSet& rows = *dm.ExportTreasuryCDS;
    defineFields(rows);
    if (!rows.active())
        rows.open();

    QSqlQuery lines = connection.exec(
        QStringLiteral("SELECT %1, e.firstname AS employeefirstname, e.lastname AS employeelastname, "
                       "e.personalidentificator AS employeejmbg, e.vocationcode AS employeevocationcode, "
                       "e.educationcode AS employeeeducationcode FROM salaryitem AS si "
                       "INNER JOIN salary AS s ON s.salaryid = si.salaryid "
                       "LEFT JOIN employee AS e ON e.employeeid = si.employeeid WHERE %2 "
                       "ORDER BY s.paymentdate, s.salaryid, si.sort, si.salaryitemid")
            .arg(StoredLineColumns(), QLatin1String(Documents)),
        {year, month});
    const QSqlRecord record = lines.record();
    const TStoredLineReader reader(record);
    const auto index = [&record](const char* name) { return record.indexOf(QLatin1String(name)); };
    const int texts[] = {index("employeefirstname"), index("employeelastname"), index("employeejmbg"),
                         index("employeevocationcode"), index("employeeeducationcode")};
    std::vector<std::vector<QVariant>> built;
    std::unordered_map<qint64, size_t> rowOf;
    while (lines.next()) {
        const TEarlierLine stored = reader.read(lines);
        const TLineValues& l = stored.line;
        const TDocumentValues& d = stored.document;
        const TTreasurySplit split = TreasurySplit(d, l, RateItemsOfSet(dm, d.salarytaxid));
        const qint64 employee = lines.value(reader.employeeColumn()).toLongLong();
        auto [found, added] = rowOf.try_emplace(employee, built.size());
        if (added) {
            std::vector<QVariant> row;
            for (int text : texts)
                row.push_back(lines.value(text).toString());
            row.insert(row.end(), {0.0, 0.0, 0.0, 0.0, 0.0, employee});
            built.push_back(std::move(row));
        }
        std::vector<QVariant>& row = built[found->second];
        const auto add = [&row](Column c, long double value) {
            row[size_t(c)] = double(RND(row[size_t(c)].toDouble() + RND(value)));
        };
        add(RegularNet, split.regularnet);
        add(WorkingYearsNet, split.workingyearsnet);
        add(VarPart, split.varpart);
        add(Net, l.paymentvalue);
        add(Gross, l.salaryvalue);
    }
    rows.emptyDataSet();
    const int count = int(built.size());
    rows.appendRecords(std::move(built));
    rows.first();
    return count;
}

QString GetExportTreasury(TSalaryDM& dm, const QString& name, const QString& code, const QString& uniqueNumber,
                          int year, int month, const QDate& today) {
    const QString header = element("DatumSlanja", today.toString(QStringLiteral("yyyy-MM-dd")))
        + element("JBBK", uniqueNumber) + element("JBBKNaziv", Convert1250To1252(name)) + element("PIB", code)
        + element("Godina", QString::number(year)) + element("Mesec", QString::number(month));
    QString records;
    const TDataSet& rows = *dm.ExportTreasuryCDS;
    for (int r = 0; r < rows.recordCount(); ++r) {
        const std::vector<QVariant>& v = *rows.recordValues(r);
        const auto text = [&v](Column c) { return v[size_t(c)].toString(); };
        records += QLatin1String("<ZaradaSlog>") + element("Ime", Convert1250To1252(text(FirstName)))
            + element("Prezime", Convert1250To1252(text(LastName))) + element("JMBG", text(Jmbg))
            + element("SifraZanimanja", text(Vocation)) + element("SifraStrucneSpreme", text(Education))
            + element("Zarada", amount(v[RegularNet])) + element("UvecanaZarada", amount(v[WorkingYearsNet]))
            + element("VarijabilniDeo", amount(v[VarPart])) + element("UkupnoNeto", amount(v[Net]))
            + element("UkupnoBruto", amount(v[Gross])) + QLatin1String("</ZaradaSlog>");
    }
    return QLatin1String("<Zarade>") + header + QLatin1Char(' ') + records + QLatin1String("</Zarade>");
}

QString ExportTreasuryFileName(const QDateTime& now, const QString& uniqueNumber, const QString& code, int year,
                               int month) {
    return QStringLiteral("Zarade_") + now.toString(QStringLiteral("yyyyMMddHHmmss")) + QLatin1Char('_')
        + uniqueNumber.trimmed() + QLatin1Char('_') + code.trimmed() + QLatin1Char('_') + QString::number(year)
        + QLatin1Char('_') + QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0'));
}

int WriteExportTreasury(TSalaryDM& dm, int year, int month, const QString& path) {
    CheckReturnPeriod(ReturnName, year, month);
    const TCompanyInfo company = ReadCompanyInfo(TDBIniFile(*dm.ZConnection()));
    const QString uniqueNumber = RequiredUniqueNumber(company.UniqueNumber);
    WriteStatementFile(path, TreasuryFileBytes(GetExportTreasury(dm, company.Name, company.Code, uniqueNumber, year,
                                                                 month, QDate::currentDate())));
    return dm.ExportTreasuryCDS->recordCount();
}
