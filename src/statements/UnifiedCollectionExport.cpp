#include "UnifiedCollectionExport.h"

#include "CalcFields.h"
#include "CompanyInfo.h"
#include "DBIniFile.h"
#include "PPPPDSchema.h"
#include "SalaryDM.h"
#include "Transliteration.h"
#include "XmlText.h"
#include "db/Connection.h"
#include "db/DataSet.h"
#include "db/DbError.h"
#include "db/Field.h"
#include "db/SqlQuery.h"

#include <QRegularExpression>
#include <QSaveFile>
#include <QSqlQuery>

#include <set>

namespace {

QChar firstChar(const QVariant& value) {
    const QString text = value.toString();
    return text.isEmpty() ? QChar() : text.at(0);
}

const QString Namespace = QStringLiteral("http://pid.purs.gov.rs");

QString element(const char* name, const QString& value) {
    const QLatin1String tag(name);
    return QLatin1String("<tns:") + tag + QLatin1Char('>') + XmlEscaped(value.trimmed()) + QLatin1String("</tns:") + tag
        + QLatin1Char('>');
}

// Amounts with a decimal point whatever the locale: QString::number never localises.
QString amount(double value) { return QString::number(value, 'f', 2); }

QString twoDigits(int month) { return QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0')); }

std::pair<QDate, QDate> monthSpan(int year, int month) {
    const QDate first(year, month, 1);
    return {first, first.addMonths(1)};
}

// An MFP label is set when it names one of the labels 1 to 7 (a new row holds none, or 0).
bool labelSet(const TField* label) { return !label->isNull() && label->asInteger() > 0; }

bool passes(const QString& code, const TUnifiedCollectionExport& options) {
    if (options.incomeType.trimmed().isEmpty())
        return true;
    return (code.trimmed() == options.incomeType.trimmed()) != options.exclude;
}

// What a row lacks that the declaration requires; empty when nothing.
QString rowFault(const TDataSet& rows) {
    const auto text = [&rows](const char* name) { return rows.fieldByName(QLatin1String(name))->asString().trimmed(); };
    static const QRegularExpression jmbg(QStringLiteral("^[0-9]{13}$"));
    static const QRegularExpression svp(QStringLiteral("^[0-9]{9}$"));
    if (!jmbg.match(text("personalidentificator")).hasMatch())
        return QStringLiteral("JMBG mora imati tačno 13 cifara");
    if (text("lastname").isEmpty())
        return QStringLiteral("nedostaje prezime");
    if (text("firstname").isEmpty())
        return QStringLiteral("nedostaje ime");
    if (text("communitycode").isEmpty())
        return QStringLiteral("nedostaje šifra opštine");
    if (!svp.match(text("incometypecode")).hasMatch())
        return QStringLiteral("šifra vrste prihoda mora imati tačno 9 cifara");
    return {};
}

// What the company data lack that the declaration requires; empty when nothing.
QString companyFault(const TCompanyInfo& company) {
    static const QRegularExpression pib(QStringLiteral("^[0-9]{9}$"));
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (!pib.match(company.Code.trimmed()).hasMatch())
        return QStringLiteral("PIB preduzeća (CompanyInfo Code) mora imati tačno 9 cifara");
    if (!digits.match(company.Number.trimmed()).hasMatch())
        return QStringLiteral("matični broj preduzeća (CompanyInfo Number) mora biti broj");
    if (company.Name.trimmed().isEmpty())
        return QStringLiteral("nedostaje naziv preduzeća (CompanyInfo Name)");
    if (company.CommunityCode.trimmed().isEmpty())
        return QStringLiteral("nedostaje šifra opštine sedišta (CompanyInfo CommunityCode)");
    return {};
}

}  // namespace

TUnifiedCollectionHeader ReadUnifiedCollectionHeader(TSalaryDM& dm, const TUnifiedCollectionSelection& selection) {
    Connection& connection = *dm.ZConnection();
    TUnifiedCollectionHeader header;
    header.year = selection.year;
    header.month = selection.month;
    QString documents;
    QVariantList values;
    if (selection.salaryid > 0) {
        documents = QStringLiteral("s.salaryid = ? AND s.status = 'p'");
        values = {selection.salaryid};
    } else {
        const auto [from, to] = monthSpan(selection.year, selection.month);
        documents = QStringLiteral("s.paymentdate >= ? AND s.paymentdate < ? AND s.status = 'p'");
        values = {from, to};
    }
    // The last document paid gives the header.
    QSqlQuery salary = connection.exec(
        QStringLiteral("SELECT s.salarytype, s.partcoefficient, s.paymentdate FROM salary AS s WHERE %1 "
                       "ORDER BY s.paymentdate, s.salaryid")
            .arg(documents),
        values);
    bool any = false;
    while (salary.next()) {
        any = true;
        header.salaryType = firstChar(salary.value(0));
        header.partCoefficient = salary.value(1).toDouble();
        header.paymentDate = StoredDate(salary.value(2));
    }
    if (!any)
        throw EDatabaseError(selection.salaryid > 0
                                 ? QStringLiteral("Zarada %1 ne postoji ili nije proknjižena.").arg(selection.salaryid)
                                 : QStringLiteral("Nema proknjiženih zarada isplaćenih %1/%2.")
                                       .arg(twoDigits(selection.month))
                                       .arg(selection.year));
    if (selection.salaryid > 0) {
        header.year = header.paymentDate.year();
        header.month = header.paymentDate.month();
    }
    // Employees paid below the lowest base: a gross for fewer hours (sick,
    // maternity or child-care leave) is compared as if for the whole fund.
    QSqlQuery lines = connection.exec(
        QStringLiteral("SELECT si.employeeid, si.salaryvalue, si.sickhours + si.longsickhours + "
                       "si.maternityleavehours + si.childcareleavehours, s.workinghours, s.minsalaryvalue "
                       "FROM salaryitem AS si INNER JOIN salary AS s ON s.salaryid = si.salaryid WHERE %1")
            .arg(documents),
        values);
    std::set<qint64> below;
    while (lines.next()) {
        long double gross = lines.value(1).toDouble();
        const double absent = lines.value(2).toDouble();
        const double fund = lines.value(3).toDouble();
        if (absent > 0 && fund > absent)
            gross = gross * fund / (fund - absent);
        else if (absent > 0)
            continue;  // nothing but leave: no earnings to compare
        if (gross < lines.value(4).toDouble())
            below.insert(lines.value(0).toLongLong());
    }
    header.belowLowestBase = int(below.size());
    return header;
}

QString GetReportUnifiedCollection(TSalaryDM& dm, const TCompanyInfo& company, const TUnifiedCollectionHeader& header,
                                   const TUnifiedCollectionExport& options) {
    TDataSet& rows = *dm.SalaryReportUnifiedCollectionZQ;
    const QString month = twoDigits(header.month);
    const QString year = QString::number(header.year);
    QString report = element("KlijentskaOznakaDeklaracije", year + month + QStringLiteral("01"))
        + element("VrstaPrijave", QStringLiteral("1"));
    const bool regular = header.salaryType == QLatin1Char('Z');
    const bool sickPay = header.salaryType == QLatin1Char('B');
    if (regular || sickPay)
        report += element("ObracunskiPeriod", year + QLatin1Char('-') + month);
    if (sickPay || (regular && header.partCoefficient == 100))
        report += element("OznakaZaKonacnu", QStringLiteral("K"));
    report += element("DatumPlacanja", header.paymentDate.toString(QStringLiteral("yyyy-MM-dd")))
        + element("NajnizaOsnovica", QString::number(header.belowLowestBase));
    const QString declaration = QLatin1String("<tns:PodaciOPrijavi>") + report + QLatin1String("</tns:PodaciOPrijavi>");

    QString incomes;
    int written = 0;
    for (rows.first(); !rows.eof(); rows.next()) {
        const auto text = [&rows](const char* name) { return rows.fieldByName(QLatin1String(name))->asString(); };
        const auto number = [&rows](const char* name) {
            return QString::number(rows.fieldByName(QLatin1String(name))->asLargeInt());
        };
        const auto money = [&rows](const char* name) { return amount(rows.fieldByName(QLatin1String(name))->asFloat()); };
        if (!passes(text("incometypecode"), options))
            continue;
        ++written;
        QString income = element("RedniBroj", QString::number(written))
            + element("VrstaIdentifikatoraPrimaoca", QStringLiteral("1"))
            + element("IdentifikatorPrimaoca", text("personalidentificator"))
            + element("Prezime", Convert1250To1252(text("lastname"))) + element("Ime", Convert1250To1252(text("firstname")))
            + element("OznakaPrebivalista", text("communitycode")) + element("SVP", text("incometypecode"))
            + element("BrojKalendarskihDana", number("salaryworkingdays"))
            + element("BrojEfektivnihSati", number("workinghours"))
            + element("MesecniFondSati", number("salaryworkinghours")) + element("Bruto", money("salaryvalue"))
            + element("OsnovicaPorez", money("taxbase")) + element("Porez", money("taxvalue"))
            + element("OsnovicaDoprinosi", money("contributionbase")) + element("PIO", money("contribution1value"))
            + element("ZDR", money("contribution2value")) + element("NEZ", money("contribution3value"))
            + element("PIOBen", money("contribution4value"));
        if (labelSet(rows.fieldByName(QStringLiteral("mfflabel")))) {
            QString mfp;
            for (int i = 1; i <= 7; ++i) {
                const QString suffix = i == 1 ? QString() : QString::number(i);
                const TField* label = rows.fieldByName(QStringLiteral("mfflabel") + suffix);
                if (!labelSet(label))
                    continue;
                mfp += QLatin1String("<tns:MFP>") + element("Oznaka", QStringLiteral("MFP.") + label->asString())
                    + element("Vrednost",
                              QString::number(rows.fieldByName(QStringLiteral("mffvalue") + suffix)->asFloat(), 'f', 0))
                    + QLatin1String("</tns:MFP>");
            }
            income += QLatin1String("<tns:DeklarisaniMFP>") + mfp + QLatin1String("</tns:DeklarisaniMFP>");
        }
        incomes += QLatin1String("<tns:PodaciOPrihodima>") + income + QLatin1String("</tns:PodaciOPrihodima>");
    }

    const QString payer = element("TipIsplatioca", QString::number(options.payerType))
        + element("PoreskiIdentifikacioniBroj", company.Code) + element("BrojZaposlenih", QString::number(written))
        + element("MaticniBrojisplatioca", company.Number)
        + element("NazivPrezimeIme", Convert1250To1252(company.Name))
        + element("SedistePrebivaliste", company.CommunityCode) + element("Telefon", company.Telephone)
        + element("UlicaIBroj", Convert1250To1252(company.Address)) + element("eMail", company.EMail);

    return QLatin1String("<?xml version=\"1.0\" encoding=\"UTF-8\" ?> ")
        + QLatin1String("<tns:PodaciPoreskeDeklaracije xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                        "xmlns:tns=\"")
        + Namespace + QLatin1String("\" xsi:schemaLocation=\"") + Namespace + QLatin1String("\">") + declaration
        + QLatin1Char(' ') + QLatin1String("<tns:PodaciOIsplatiocu>") + payer + QLatin1String("</tns:PodaciOIsplatiocu>")
        + QLatin1Char(' ') + QLatin1String("<tns:DeklarisaniPrihodi>") + incomes
        + QLatin1String("</tns:DeklarisaniPrihodi>") + QLatin1String("</tns:PodaciPoreskeDeklaracije>");
}

QString UnifiedCollectionFileName(const QDateTime& now, const QString& companyCode, int year, int month) {
    return QStringLiteral("ppp_pd_") + now.toString(QStringLiteral("yyyyMMddHHmmss")) + QLatin1Char('_')
        + companyCode.trimmed() + QLatin1Char('_') + QString::number(year) + QLatin1Char('_') + twoDigits(month);
}

int ExportUnifiedCollection(TSalaryDM& dm, const TUnifiedCollectionSelection& selection,
                            const TUnifiedCollectionExport& options, const QString& path) {
    OpenReportUnifiedCollection(dm, selection);
    return ExportLoadedUnifiedCollection(dm, selection, options, path);
}

int ExportLoadedUnifiedCollection(TSalaryDM& dm, const TUnifiedCollectionSelection& selection,
                                  const TUnifiedCollectionExport& options, const QString& path) {
    if (options.payerType < 1 || options.payerType > 7)
        throw EDatabaseError(QStringLiteral("Tip isplatioca je od 1 do 7, a ne %1.").arg(options.payerType));
    TDataSet& rows = *dm.SalaryReportUnifiedCollectionZQ;
    if (rows.isEditing() || rows.updatesPending())
        throw EDatabaseError(QStringLiteral("PPP-PD nije izvezen: izmene redova nisu sačuvane."));
    const TUnifiedCollectionHeader header = ReadUnifiedCollectionHeader(dm, selection);
    int number = 0;
    for (rows.first(); !rows.eof(); rows.next()) {
        if (!passes(rows.fieldByName(QStringLiteral("incometypecode"))->asString(), options))
            continue;
        ++number;
        const QString fault = rowFault(rows);
        if (!fault.isEmpty())
            throw EDatabaseError(QStringLiteral("PPP-PD nije izvezen: red %1 (%2 %3, JMBG \"%4\"): %5.")
                                     .arg(number)
                                     .arg(rows.fieldByName(QStringLiteral("lastname"))->asString().trimmed(),
                                          rows.fieldByName(QStringLiteral("firstname"))->asString().trimmed(),
                                          rows.fieldByName(QStringLiteral("personalidentificator"))->asString().trimmed(),
                                          fault));
    }
    const TCompanyInfo company = ReadCompanyInfo(TDBIniFile(*dm.ZConnection()));
    if (const QString fault = companyFault(company); !fault.isEmpty())
        throw EDatabaseError(QStringLiteral("PPP-PD nije izvezen: %1.").arg(fault));
    const QByteArray text = GetReportUnifiedCollection(dm, company, header, options).toUtf8();
    if (const QString fault = ValidatePPPPD(text); !fault.isEmpty())
        throw EDatabaseError(QStringLiteral("PPP-PD nije izvezen, prijava ne odgovara šemi: %1").arg(fault));
    // Written whole under a temporary name, so a failed write leaves no file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        throw EDatabaseError(QStringLiteral("Datoteku \"%1\" nije moguće upisati: %2").arg(path, file.errorString()));
    return number;
}
