#include "RegisterEmployee.h"

#include "CompanyInfo.h"
#include "DBIniFile.h"
#include "ReturnPeriod.h"
#include "Rounding.h"
#include "SalaryDM.h"
#include "StatementFile.h"
#include "Transliteration.h"
#include "XmlText.h"
#include "db/Connection.h"
#include "db/DataSet.h"
#include "db/DbError.h"
#include "db/Field.h"
#include "db/SqlQuery.h"

#include <QSqlQuery>

namespace {

const QString ReturnName = QStringLiteral("Registar zaposlenih");

// The month's final regular and sick-pay documents by payment date.
const char* const Documents =
    "s.paymentdate >= ? AND s.paymentdate < ? AND s.status = 'p' AND s.partcoefficient = 100 "
    "AND (s.salarytype = 'Z' OR s.salarytype = 'B')";

// Each employee's first line of the month: of the document paid first.
QString firstLines() {
    return QStringLiteral("(SELECT si.employeeid, si.workingyears, si.coefficient, s.salaryid, "
                          "s.workingyearsincrementpercent AS yearspercent, ROW_NUMBER() OVER (PARTITION BY si.employeeid "
                          "ORDER BY s.paymentdate, s.salaryid, si.salaryitemid) AS n FROM salaryitem AS si "
                          "INNER JOIN salary AS s ON s.salaryid = si.salaryid WHERE %1) AS l")
        .arg(QLatin1String(Documents));
}

// The register's "m" or "f" of the employee's sex, as registers write it
// ("M"/"Ž" as well); NULL when it says neither.
const char* const Sex =
    "CASE WHEN e.sex IN ('m', 'M') THEN 'm' WHEN e.sex IN ('f', 'F', 'z', 'Z', 'ž', 'Ž') THEN 'f' END";

// The employees whose row would lack a required value, for the message (the first ten).
QString employeesLackingData(Connection& connection, const QVariantList& span) {
    QSqlQuery query = connection.exec(
        QStringLiteral("SELECT e.code, e.lastname, e.firstname FROM %1 INNER JOIN employee AS e "
                       "ON e.employeeid = l.employeeid WHERE l.n = 1 AND (e.workingfromdate IS NULL OR (%2) IS NULL "
                       "OR e.firstname IS NULL OR e.firstname = '' OR e.lastname IS NULL OR e.lastname = '') "
                       "ORDER BY e.code")
            .arg(firstLines(), QString::fromUtf8(Sex)),
        span);
    constexpr int Shown = 10;
    QStringList names;
    int count = 0;
    while (query.next())
        if (++count <= Shown)
            names << QStringLiteral("%1 %2 (%3)").arg(query.value(1).toString().trimmed(),
                                                       query.value(2).toString().trimmed(), query.value(0).toString());
    if (count > Shown)
        names << QStringLiteral("i još %1").arg(count - Shown);
    return names.join(QStringLiteral(", "));
}

QString element(const char* name, const QString& value) {
    const QLatin1String tag(name);
    return QLatin1Char('<') + tag + QLatin1Char('>') + XmlEscaped(value) + QLatin1String("</") + tag + QLatin1Char('>');
}

}  // namespace

int BuildReportRegisterEmployee(Connection& connection, int year, int month) {
    CheckReturnPeriod(ReturnName, year, month);
    const auto [from, to] = ReturnMonthSpan(year, month);
    const QVariantList span{from, to};
    Transaction transaction(connection);
    if (connection.scalar(QStringLiteral("SELECT COUNT(*) FROM salaryreportregisteremployee WHERE year = ? AND month = ?"),
                          {year, month})
            .toInt()
        > 0)
        throw EDatabaseError(QStringLiteral("Registar zaposlenih za %1/%2 već ima redove; izbrišite ih pre nego što "
                                            "ih ponovo dodate.")
                                 .arg(month)
                                 .arg(year));
    // The point value of each document, rounded as the register shows it.
    QSqlQuery documents = connection.exec(
        QStringLiteral("SELECT s.salaryid, s.baudvalue FROM salary AS s WHERE %1").arg(QLatin1String(Documents)), span);
    QString gross, net;
    QVariantList grossValues, netValues;
    while (documents.next()) {
        const QVariant id = documents.value(0);
        const long double point = documents.value(1).toDouble();
        gross += QStringLiteral(" WHEN ? THEN ?");
        net += QStringLiteral(" WHEN ? THEN ?");
        grossValues << id << double(BetterRoundTo(point, -2));
        netValues << id << double(BetterRoundTo(point * 0.701L, -2));
    }
    if (grossValues.isEmpty())
        return 0;
    if (const QString lacking = employeesLackingData(connection, span); !lacking.isEmpty())
        throw EDatabaseError(QStringLiteral("Registar zaposlenih nije napravljen: zaposlenima %1 nedostaje pol "
                                            "(m ili f), datum zaposlenja, ime ili prezime.")
                                 .arg(lacking));
    const QSqlQuery insert = connection.exec(
        QStringLiteral(
            "INSERT INTO salaryreportregisteremployee (year, month, employeeid, personalidentificator, firstname, "
            "lastname, sex, citizenship, city, communitycode, communityworkcode, educationcode, employmenttype, "
            "vocationcode, workpercent, workingyears, contribution4status, workingyearsincrementpercent, coefficient, "
            "salaryvalue, paymentvalue, workingfromdate, workingtodate) "
            "SELECT ?, ?, l.employeeid, e.personalidentificator, e.firstname, e.lastname, "
            "%4, e.citizenship, e.city, e.communitycode, e.communityworkcode, e.educationcode, e.employmenttype, "
            "e.vocationcode, 100, l.workingyears, CASE (e.workingstateid + 0) WHEN 11 THEN '12/14' WHEN 12 THEN "
            "'12/15' WHEN 13 THEN '12/16' WHEN 14 THEN '12/18' ELSE '' END, l.yearspercent * l.workingyears, "
            "l.coefficient, CASE l.salaryid%1 END, CASE l.salaryid%2 END, e.workingfromdate, "
            "CASE WHEN e.workingtodate > e.workingfromdate THEN e.workingtodate END "
            "FROM %3 INNER JOIN employee AS e ON e.employeeid = l.employeeid WHERE l.n = 1 "
            "ORDER BY e.code, e.lastname, e.firstname")
            .arg(gross, net, firstLines(), QString::fromUtf8(Sex)),
        QVariantList{year, month} + grossValues + netValues + span);
    const int added = insert.numRowsAffected();
    transaction.commit();
    return added;
}

int DeleteReportRegisterEmployee(Connection& connection, int year, int month) {
    CheckReturnPeriod(ReturnName, year, month);
    Transaction transaction(connection);
    const QSqlQuery query = connection.exec(
        QStringLiteral("DELETE FROM salaryreportregisteremployee WHERE year = ? AND month = ?"), {year, month});
    const int deleted = query.numRowsAffected();
    transaction.commit();
    return deleted;
}

void OpenReportRegisterEmployee(TSalaryDM& dm, int year, int month) {
    CheckReturnPeriod(ReturnName, year, month);
    TSqlQuery& rows = *dm.SalaryReportRegisterEmployeeZQ;
    rows.close();
    rows.setSQL(QStringLiteral("SELECT * FROM salaryreportregisteremployee WHERE year = :year AND month = :month "
                               "ORDER BY salaryreportregisteremployeeid"));
    rows.setParam(QStringLiteral("year"), year);
    rows.setParam(QStringLiteral("month"), month);
    rows.open();
}

QString GetReportRegisterEmployee(const TDataSet& rows, const QString& uniqueNumber, const QString& functionalClass,
                                  int year, int month, const QDate& today) {
    const auto index = [&rows](const char* name) { return rows.fieldByName(QLatin1String(name))->index(); };
    const int jmbg = index("personalidentificator"), first = index("firstname"), last = index("lastname"),
              sex = index("sex"), citizenship = index("citizenship"), city = index("city"),
              community = index("communitycode"), communityWork = index("communityworkcode"),
              education = index("educationcode"), employment = index("employmenttype"), vocation = index("vocationcode"),
              percent = index("workpercent"), years = index("workingyears"), status = index("contribution4status"),
              increment = index("workingyearsincrementpercent"), coefficient = index("coefficient"),
              gross = index("salaryvalue"), net = index("paymentvalue"), from = index("workingfromdate"),
              to = index("workingtodate");
    QString employees;
    for (int r = 0; r < rows.recordCount(); ++r) {
        const std::vector<QVariant>& v = *rows.recordValues(r);
        const auto text = [&v](int c) { return v[size_t(c)].toString(); };
        const auto number = [&v](int c) { return QString::number(v[size_t(c)].toDouble(), 'f', 2); };
        const auto date = [&v](int c) {
            const QVariant& value = v[size_t(c)];
            return value.isNull() ? QString() : value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
        };
        const QString empty;
        employees += QLatin1String("<ZaposleniNO>") + element("JBKJS", uniqueNumber)
            + element("FunkcionalnaKlas", functionalClass) + element("Identifikacija", text(jmbg))
            + element("Ime", Convert1250To1252(text(first))) + element("Prezime", Convert1250To1252(text(last)))
            + element("Pol", text(sex) == QLatin1String("f") ? QStringLiteral("1") : QStringLiteral("2"))
            + element("Drzavljanstvo", Convert1250To1252(text(citizenship)))
            + element("MestoPrebivalista", Convert1250To1252(text(city))) + element("Opstina", text(community))
            + element("OpstinaRada", text(communityWork)) + element("StrucnaSprema", text(education))
            + element("VrstaZaposlenja", text(employment)) + element("TipSluzbenika", empty)
            + element("PlatnaGrupa", empty) + element("GodinaNapredovanja", empty)
            + element("GrupaNamestenika", empty) + element("SifraZanimanja", text(vocation))
            + element("ProcenatAngazovanja", number(percent)) + element("UkupanStaz", text(years))
            + element("StazJubilarna", empty) + element("BeneficiraniStaz", text(status))
            + element("MinuliRad", number(increment)) + element("Koeficijent", number(coefficient))
            + element("DodKoeficijent", empty) + element("UkupniKoeficijent", number(coefficient))
            + element("Osnovica", number(net)) + element("OsnovicaBruto", number(gross))
            + element("ProcenatUvecanja", empty) + element("NaknadaZaZaposleneNaKosovu", empty)
            + element("DatumPocetkaAngazovanja", date(from)) + element("DatumZavrsetkaAngazovanja", date(to))
            + element("SifraOrganizacioneJedinice", empty) + QLatin1String("</ZaposleniNO>");
    }
    const QString general = QLatin1String("<OpstiPodaci>") + element("Korisnik", uniqueNumber)
        + element("Mesec", QString::number(month)) + element("Godina", QString::number(year))
        + element("DatumSlanja", today.toString(QStringLiteral("yyyy-MM-dd"))) + QLatin1String("</OpstiPodaci>");
    return QLatin1String("<dsRegZ>") + general + QLatin1Char(' ') + employees + QLatin1String("</dsRegZ>");
}

QString RegisterEmployeeFileName(const QDateTime& now, const QString& uniqueNumber, int year, int month) {
    return QStringLiteral("dsRegZ_ZapNO_1_") + now.toString(QStringLiteral("yyyyMMddHHmmss")) + QLatin1Char('_')
        + uniqueNumber.trimmed() + QLatin1Char('_') + QString::number(year) + QLatin1Char('_') + QString::number(month);
}

int WriteReportRegisterEmployee(TSalaryDM& dm, int year, int month, const QString& path) {
    CheckReturnPeriod(ReturnName, year, month);
    const TCompanyInfo company = ReadCompanyInfo(TDBIniFile(*dm.ZConnection()));
    const QString uniqueNumber = RequiredUniqueNumber(company.UniqueNumber);
    const TDataSet& rows = *dm.SalaryReportRegisterEmployeeZQ;
    WriteStatementFile(path, TreasuryFileBytes(GetReportRegisterEmployee(rows, uniqueNumber, company.FunctionalClass,
                                                                         year, month, QDate::currentDate())));
    return rows.recordCount();
}
