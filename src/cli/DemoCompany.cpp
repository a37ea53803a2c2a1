#include "DemoCompany.h"

#include "BankAccount.h"
#include "CompanyInfo.h"
#include "DBIniFile.h"
#include "Jmbg.h"
#include "db/Connection.h"
#include "db/DbError.h"

#include <QDate>
#include <QVariantMap>

#include <vector>

namespace {

// --- identifiers with their control digits --------------------------------

// Tax identification number (PIB): eight digits and an ISO 7064 MOD 11,10 check digit.
QString WithPibControl(const QString& eight) {
    int p = 10;
    for (const QChar c : eight) {
        int s = (c.digitValue() + p) % 10;
        if (s == 0)
            s = 10;
        p = (2 * s) % 11;
    }
    return eight + QString::number((11 - p) % 10);
}

// Registration number (matični broj): seven digits and a mod-11 check digit.
QString WithRegistrationControl(const QString& seven) {
    int sum = 0;
    for (int i = 0; i < 7; ++i)
        sum += (8 - i) * seven.at(i).digitValue();
    const int control = 11 - sum % 11;
    return seven + QString::number(control > 9 ? 0 : control);
}

QString Account(const char* bank, qint64 number) {
    const QString digits = QString::number(number).rightJustified(13, QLatin1Char('0'));
    return QStringLiteral("%1-%2-%3")
        .arg(QLatin1String(bank), digits)
        .arg(BankAccountControl(QLatin1String(bank), digits), 2, 10, QLatin1Char('0'));
}

// Reference number of model 97: two control digits (ISO 7064 MOD 97-10) before the rest.
QString Model97Reference(const QString& rest) {
    int remainder = 0;
    for (const QChar c : rest + QStringLiteral("00"))
        remainder = (remainder * 10 + c.digitValue()) % 97;
    return QStringLiteral("%1%2").arg(98 - remainder, 2, 10, QLatin1Char('0')).arg(rest);
}

// JMBG from the date of birth, register area and sex; the serial number is
// the first one from `serial` on that gives a valid control digit.
QString Jmbg(const QDate& born, int area, bool female, int serial) {
    int number = (female ? 500 : 0) + serial;
    for (;; ++number) {
        const QString first = born.toString(QStringLiteral("ddMM")) +
                              QStringLiteral("%1").arg(born.year() % 1000, 3, 10, QLatin1Char('0')) +
                              QString::number(area) + QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'));
        const int control = JmbgControlDigit(first);
        if (control >= 0)
            return first + QString::number(control);
    }
}

// --- the company ------------------------------------------------------------

struct Municipality {
    const char* name;
    const char* code;
    const char* city;
};

const Municipality Municipalities[] = {
    {"Novi Sad", "223", "Novi Sad"},
    {"Petrovaradin", "224", "Petrovaradin"},
    {"Sremski Karlovci", "228", "Sremski Karlovci"},
    {"Temerin", "230", "Temerin"},
    {"Bačka Palanka", "205", "Bačka Palanka"},
    {"Zrenjanin", "232", "Zrenjanin"},
    {"Ruma", "226", "Ruma"},
    {"Inđija", "209", "Inđija"},
};
enum { NoviSad, Petrovaradin, SremskiKarlovci, Temerin, BackaPalanka, Zrenjanin, Ruma, Indjija };

struct Bank {
    const char* code;
    const char* name;
};

const Bank Banks[] = {
    {"160", "Banca Intesa"},  {"170", "UniCredit Bank"}, {"205", "NLB Komercijalna banka"},
    {"265", "Raiffeisen banka"}, {"340", "Erste Bank"},  {"325", "OTP banka"},
};
enum { Intesa, UniCredit, Nlb, Raiffeisen, Erste, Otp };

struct Unit {
    const char* name;
    const char* code;
    int parent;  // index into Units, -1 for none
};

const Unit Units[] = {
    {"Uprava", "01", -1},     {"Proizvodnja", "02", -1}, {"Magacin", "03", -1},
    {"Prodaja", "04", -1},    {"Krojačnica", "0201", 1}, {"Šivara", "0202", 1},
    {"Dorada", "0203", 1},    {"Poslovodstvo", "0101", 0},
};
// The management is a sub-unit of its own, the category of the statistical
// form of earnings that goes by that name.
enum { Uprava, Proizvodnja, Magacin, Prodaja, Krojacnica, Sivara, Dorada, Poslovodstvo };

struct Zone {
    const char* name;
    double price;
};

const Zone Zones[] = {
    {"Zona I - gradski prevoz", 3380},
    {"Zona II - prigradski prevoz", 4760},
    {"Zona III - međumesni prevoz", 5780},
};

// How the monthly pay is agreed.
enum class Basis { Minimum, Gross, Net, Points, NetPoints };

struct Employee {
    const char* first;
    const char* last;
    bool female;
    const char* born;
    int area;  // JMBG register area
    int unit;  // Units index; a sub-unit implies its parent
    const char* vocation;
    const char* vocationCode;
    const char* education;
    Basis basis;
    double amount;  // gross, net or points, by basis
    int state;      // working state: 1 working, 7 long sick leave, 8 maternity leave, 9 working pensioner
    const char* hired;
    int previousYears;
    int previousMonths;
    int bank;
    int zone;
    int municipality;
};

using enum Basis;

const Employee Employees[] = {
    {"Marko", "Petrović", false, "1978-03-14", 80, Poslovodstvo, "Direktor", "1120", "7", Gross, 285000, 1, "2012-02-01", 6, 3, Intesa, 0, NoviSad},
    {"Jelena", "Đorđević", true, "1985-07-22", 80, Poslovodstvo, "Šef računovodstva", "2411", "7", Gross, 168000, 1, "2014-09-01", 4, 0, UniCredit, 0, NoviSad},
    {"Dragana", "Jovanović", true, "1990-11-05", 80, Uprava, "Referent za obračun zarada", "4313", "6", Net, 92000, 1, "2018-03-01", 2, 5, Nlb, 1, Petrovaradin},
    {"Nikola", "Stanković", false, "1982-01-30", 71, Uprava, "Pravnik", "2611", "7", Net, 125000, 1, "2016-06-15", 5, 0, Raiffeisen, 0, NoviSad},
    {"Ivana", "Kovačević", true, "1993-04-18", 80, Prodaja, "Komercijalista", "3322", "6", Points, 24.5, 1, "2019-10-01", 1, 0, Intesa, 0, NoviSad},
    {"Miloš", "Živković", false, "1988-09-09", 80, Prodaja, "Šef prodaje", "1221", "7", Gross, 150000, 1, "2015-01-12", 3, 0, Erste, 2, Temerin},
    {"Ana", "Milošević", true, "1996-12-01", 80, Prodaja, "Komercijalista", "3322", "6", Points, 22.0, 1, "2021-04-01", 0, 0, Otp, 1, SremskiKarlovci},
    {"Stefan", "Nikolić", false, "1991-02-27", 80, Prodaja, "Vozač", "8322", "4", Minimum, 0, 1, "2017-05-08", 3, 0, Intesa, 2, BackaPalanka},
    {"Milica", "Pavlović", true, "1987-06-12", 80, Krojacnica, "Krojač", "7531", "4", Points, 19.8, 1, "2010-03-01", 2, 0, Nlb, 0, NoviSad},
    {"Snežana", "Ilić", true, "1975-08-25", 80, Krojacnica, "Šef krojačnice", "3122", "5", Gross, 118000, 1, "2005-09-01", 8, 0, UniCredit, 1, NoviSad},
    {"Dušan", "Marković", false, "1980-10-10", 85, Krojacnica, "Krojač", "7531", "4", Points, 19.8, 1, "2011-02-14", 4, 0, Raiffeisen, 2, Zrenjanin},
    {"Vesna", "Todorović", true, "1979-05-03", 80, Sivara, "Šivač", "7533", "3", Minimum, 0, 1, "2008-04-01", 6, 0, Intesa, 1, Petrovaradin},
    {"Gordana", "Stojanović", true, "1983-01-19", 80, Sivara, "Šivač", "7533", "3", Minimum, 0, 1, "2013-07-01", 2, 0, Intesa, 2, Temerin},
    {"Željka", "Popović", true, "1992-03-08", 80, Sivara, "Šivač", "7533", "3", NetPoints, 20.5, 1, "2016-02-01", 1, 6, Otp, 0, NoviSad},
    {"Bojana", "Lazić", true, "1994-11-23", 80, Sivara, "Šivač", "7533", "3", Points, 18.5, 1, "2020-02-03", 1, 0, Erste, 0, NoviSad},
    {"Zoran", "Đukić", false, "1970-07-07", 88, Sivara, "Šef šivare", "3122", "5", Gross, 112000, 1, "2003-03-03", 10, 0, Nlb, 2, Ruma},
    {"Slađana", "Radović", true, "1986-02-14", 80, Dorada, "Radnik na doradi", "9329", "2", Minimum, 0, 1, "2016-09-19", 3, 0, Otp, 1, SremskiKarlovci},
    {"Dejan", "Simić", false, "1989-12-12", 80, Dorada, "Kontrolor kvaliteta", "7543", "4", NetPoints, 23.0, 1, "2014-01-06", 2, 0, UniCredit, 0, NoviSad},
    {"Tijana", "Mitrović", true, "1997-05-30", 80, Dorada, "Radnik na doradi", "9329", "2", Minimum, 0, 1, "2022-06-01", 0, 0, Intesa, 1, Petrovaradin},
    {"Goran", "Kostić", false, "1960-09-15", 80, Magacin, "Magacioner", "4321", "4", Points, 20.0, 9, "1999-10-01", 12, 0, Raiffeisen, 0, NoviSad},
    {"Nenad", "Ristić", false, "1984-04-04", 82, Magacin, "Viljuškarista", "8344", "3", Net, 78000, 1, "2012-11-05", 5, 0, Intesa, 2, BackaPalanka},
    {"Aleksandar", "Savić", false, "1995-08-19", 80, Magacin, "Magacinski radnik", "9333", "2", Minimum, 0, 1, "2021-01-11", 1, 0, Erste, 1, Temerin},
    {"Marija", "Vuković", true, "1990-10-28", 80, Uprava, "Administrativni radnik", "4110", "6", Net, 85000, 8, "2017-02-01", 3, 0, Nlb, 0, NoviSad},
    {"Jovana", "Obradović", true, "1988-01-09", 80, Krojacnica, "Krojač", "7531", "4", Points, 19.8, 7, "2015-03-16", 2, 0, UniCredit, 0, NoviSad},
    {"Vladimir", "Đurić", false, "1981-06-06", 80, Prodaja, "Referent nabavke", "3323", "6", Gross, 105000, 1, "2013-08-19", 6, 0, Intesa, 0, NoviSad},
    {"Katarina", "Nedeljković", true, "1999-02-02", 80, Prodaja, "Prodavac", "5223", "4", Minimum, 0, 1, "2023-03-01", 0, 0, Otp, 1, Petrovaradin},
    {"Branislav", "Tomić", false, "1977-11-11", 86, Uprava, "IT administrator", "2522", "7", Net, 140000, 1, "2019-05-06", 12, 0, Raiffeisen, 2, Indjija},
    {"Sanja", "Čolić", true, "1984-09-27", 80, Sivara, "Šivač", "7533", "3", Points, 18.5, 1, "2009-11-02", 1, 0, Intesa, 0, NoviSad},
    {"Predrag", "Šarić", false, "1972-12-24", 80, Magacin, "Šef magacina", "4321", "5", Gross, 98000, 1, "2006-05-15", 9, 0, Nlb, 1, SremskiKarlovci},
    {"Ljiljana", "Bošković", true, "1968-03-31", 80, Uprava, "Blagajnik", "4211", "5", NetPoints, 24.0, 1, "2001-09-03", 10, 0, Erste, 0, NoviSad},
};

struct RateItem {
    const char* name;
    double percent;
    double taxFree;
    const char* status;  // "s" employee, "a" employer
    bool bases;          // the minimum and maximum contribution bases apply
    const char* account;
    bool chamber;
};

// The statutory rates of 2026. Since March 2014 every tax and contribution
// withheld from pay goes to one treasury account with payment code 254, the
// reference being the one the tax administration gives the monthly return;
// the chamber fee keeps its own revenue account.
const char* const UnifiedCollectionAccount = "840-4848-37";
const RateItem RateItems[] = {
    {"PIO na teret zaposlenog", 14.00, 0, "s", true, UnifiedCollectionAccount, false},
    {"Zdravstveno na teret zaposl.", 5.15, 0, "s", true, UnifiedCollectionAccount, false},
    {"Nezaposlenost na teret zaposl.", 0.75, 0, "s", true, UnifiedCollectionAccount, false},
    // The monthly non-taxable amount of pay from 1 January 2026.
    {"Porez na zarade", 10.00, 34221, "s", false, UnifiedCollectionAccount, false},
    {"PIO na teret poslodavca", 10.00, 0, "a", true, UnifiedCollectionAccount, false},
    {"Zdravstveno na teret poslod.", 5.15, 0, "a", true, UnifiedCollectionAccount, false},
    {"Članarina Privrednoj komori", 0.10, 0, "a", false, "840-742341843-24", true},
};

struct Deduction {
    int employee;  // Employees index
    const char* name;
    double percent;  // of the net
    double value;    // fixed monthly amount
    const char* bank;
    qint64 account;     // the recipient's account number at that bank
    qint64 loanNumber;  // the loan's number, the payment reference; 0 for none
    const char* description;
    const char* expiry;  // empty: none
};

const Deduction Deductions[] = {
    {0, "Kredit Banca Intesa", 0, 18500, "160", 52841, 5284101, "Stambeni kredit", "2031-05-31"},
    {8, "Sindikalna članarina", 1, 0, "340", 11012345, 0, "Samostalni sindikat tekstilaca", ""},
    {11, "Sindikalna članarina", 1, 0, "340", 11012345, 0, "Samostalni sindikat tekstilaca", ""},
    {11, "Kredit NLB Komercijalna", 0, 6200, "205", 77310, 7731022, "Potrošački kredit", "2027-12-31"},
    {15, "Sindikalna članarina", 1, 0, "340", 11012345, 0, "Samostalni sindikat tekstilaca", ""},
    // Alimony goes to the other parent's account.
    {20, "Alimentacija", 20, 0, "170", 9012377, 0, "Presuda Osnovnog suda u Novom Sadu", ""},
};

QString Flag(bool value) { return value ? QStringLiteral("y") : QStringLiteral("n"); }

qint64 Insert(Connection& connection, const QString& table, const QVariantMap& values) {
    QStringList columns;
    QStringList params;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        columns << it.key();
        params << QLatin1Char(':') + it.key();
    }
    connection.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                        .arg(table, columns.join(QStringLiteral(", ")), params.join(QStringLiteral(", "))),
                    values);
    return connection.lastInsertId();
}

QDate Date(const char* iso) { return QDate::fromString(QLatin1String(iso), Qt::ISODate); }

TCompanyInfo DemoCompany() {
    TCompanyInfo company;
    company.Name = QStringLiteral("Javor Tekstil d.o.o.");
    company.Address = QStringLiteral("Bulevar oslobođenja 112");
    company.City = QStringLiteral("Novi Sad");
    company.Code = WithPibControl(QStringLiteral("10845271"));
    company.Number = WithRegistrationControl(QStringLiteral("0812463"));
    company.BankAccount = Account("160", 456789);
    company.CommunityCode = QLatin1String(Municipalities[NoviSad].code);
    company.Telephone = QStringLiteral("021/455-120");
    company.EMail = QStringLiteral("racunovodstvo@javor-tekstil.rs");
    return company;
}

std::vector<qint64> InsertUnits(Connection& connection) {
    std::vector<qint64> keys;
    for (const Unit& unit : Units) {
        QVariantMap row{{QStringLiteral("name"), QString::fromUtf8(unit.name)},
                        {QStringLiteral("code"), QLatin1String(unit.code)}};
        if (unit.parent >= 0)
            row.insert(QStringLiteral("parentid"), keys[size_t(unit.parent)]);
        keys.push_back(Insert(connection, QStringLiteral("organizationunit"), row));
    }
    return keys;
}

std::vector<qint64> InsertZones(Connection& connection) {
    std::vector<qint64> keys;
    for (const Zone& zone : Zones)
        keys.push_back(Insert(connection, QStringLiteral("employeetransportzone"),
                              {{QStringLiteral("name"), QString::fromUtf8(zone.name)},
                               {QStringLiteral("price"), zone.price}}));
    return keys;
}

std::vector<qint64> InsertEmployees(Connection& connection, const std::vector<qint64>& units,
                                    const std::vector<qint64>& zones) {
    std::vector<qint64> keys;
    int index = 0;
    for (const Employee& e : Employees) {
        ++index;
        const Unit& unit = Units[e.unit];
        const bool subUnit = unit.parent >= 0;
        const Municipality& home = Municipalities[e.municipality];
        const Bank& bank = Banks[e.bank];
        const QString first = QString::fromUtf8(e.first);
        const QString last = QString::fromUtf8(e.last);
        QVariantMap row{
            {QStringLiteral("code"), QStringLiteral("%1").arg(index, 3, 10, QLatin1Char('0'))},
            {QStringLiteral("firstname"), first},
            {QStringLiteral("lastname"), last},
            {QStringLiteral("personalidentificator"), Jmbg(Date(e.born), e.area, e.female, 100 + index * 7)},
            {QStringLiteral("active"), Flag(true)},
            {QStringLiteral("workingstateid"), e.state},
            {QStringLiteral("coefficient"), e.basis == Points ? e.amount : 1.0},
            {QStringLiteral("netcoefficient"), e.basis == NetPoints ? e.amount : 1.0},
            {QStringLiteral("minsalary"), Flag(e.basis == Minimum)},
            {QStringLiteral("employer"), Flag(false)},
            {QStringLiteral("arrangedsalaryvalue"), e.basis == Gross ? e.amount : 0.0},
            {QStringLiteral("arrangedpaymentvalue"), e.basis == Net ? e.amount : 0.0},
            {QStringLiteral("employeetransportzoneid"), zones[size_t(e.zone)]},
            {QStringLiteral("previousworkingyears"), e.previousYears},
            {QStringLiteral("previousworkingmonths"), e.previousMonths},
            {QStringLiteral("previousworkingdays"), 0},
            {QStringLiteral("workingfromdate"), Date(e.hired)},
            {QStringLiteral("email"), QStringLiteral("zaposleni%1@javor-tekstil.rs").arg(index, 3, 10, QLatin1Char('0'))},
            {QStringLiteral("address"), QStringLiteral("Ulica %1 %2").arg(QString::fromUtf8(home.name)).arg(index * 3)},
            {QStringLiteral("city"), QString::fromUtf8(home.city)},
            {QStringLiteral("community"), QString::fromUtf8(home.name)},
            {QStringLiteral("communitycode"), QLatin1String(home.code)},
            {QStringLiteral("communitypaymentcode"), Model97Reference(QLatin1String(home.code))},
            {QStringLiteral("communityworkcode"), QLatin1String(Municipalities[NoviSad].code)},
            {QStringLiteral("account"), Account(bank.code, 3200000000LL + index * 104729LL)},
            {QStringLiteral("bankname"), QString::fromUtf8(bank.name)},
            {QStringLiteral("organizationunit"), QString::fromUtf8(subUnit ? Units[unit.parent].name : unit.name)},
            {QStringLiteral("suborganizationunit"), subUnit ? QString::fromUtf8(unit.name) : QString()},
            {QStringLiteral("organizationunitid"), units[size_t(e.unit)]},
            {QStringLiteral("vocation"), QString::fromUtf8(e.vocation)},
            {QStringLiteral("vocationcode"), QLatin1String(e.vocationCode)},
            {QStringLiteral("educationcode"), QLatin1String(e.education)},
            {QStringLiteral("sex"), e.female ? QStringLiteral("f") : QStringLiteral("m")},
            {QStringLiteral("citizenship"), QStringLiteral("RS")},
            {QStringLiteral("employmenttype"), QStringLiteral("1")},
        };
        keys.push_back(Insert(connection, QStringLiteral("employee"), row));
    }
    return keys;
}

int InsertRateSet(Connection& connection) {
    const qint64 set = Insert(connection, QStringLiteral("salarytax"), {{QStringLiteral("defaulttax"), Flag(true)}});
    for (const RateItem& item : RateItems)
        Insert(connection, QStringLiteral("salarytaxitem"),
               {{QStringLiteral("salarytaxid"), set},
                {QStringLiteral("taxname"), QString::fromUtf8(item.name)},
                {QStringLiteral("taxpercent"), item.percent},
                {QStringLiteral("taxfreevalue"), item.taxFree},
                {QStringLiteral("paycode"), item.chamber ? QStringLiteral("253") : QStringLiteral("254")},
                {QStringLiteral("taxbankaccount"), QLatin1String(item.account)},
                {QStringLiteral("taxstatus"), QLatin1String(item.status)},
                {QStringLiteral("maxsalary"), Flag(item.bases)},
                {QStringLiteral("minsalary"), Flag(item.bases)},
                {QStringLiteral("paymentmodel"), QStringLiteral("97")},
                {QStringLiteral("paymentcode"), QString()},
                {QStringLiteral("employeecommunitypaymentcode"), Flag(false)},
                {QStringLiteral("chamber"), Flag(item.chamber)},
                {QStringLiteral("paymentcode2"), QString()}});
    return int(std::size(RateItems));
}

QVariantMap DeductionColumns(const QString& name, double percent, double value, const QString& account,
                             const QString& reference, const QString& description, const QDate& expiry) {
    return {{QStringLiteral("creditname"), name},
            {QStringLiteral("creditpercent"), percent},
            {QStringLiteral("creditgrosspercent"), 0.0},
            {QStringLiteral("creditvalue"), value},
            {QStringLiteral("paycode"), QStringLiteral("290")},
            {QStringLiteral("creditbankaccount"), account},
            {QStringLiteral("paymentmodel"), reference.isEmpty() ? QString() : QStringLiteral("97")},
            {QStringLiteral("paymentcode"), reference},
            {QStringLiteral("creditdescription"), description},
            {QStringLiteral("expirydate"), expiry.isValid() ? QVariant(expiry) : QVariant()}};
}

int InsertDeductions(Connection& connection, const std::vector<qint64>& employees) {
    std::vector<std::pair<int, qint64>> sets;
    const auto setOf = [&](int employee) {
        for (const auto& [index, key] : sets)
            if (index == employee)
                return key;
        const qint64 key = Insert(connection, QStringLiteral("salarycredit"),
                                  {{QStringLiteral("employeeid"), employees[size_t(employee)]},
                                   {QStringLiteral("defaultcredit"), Flag(true)}});
        sets.emplace_back(employee, key);
        return key;
    };
    for (const Deduction& d : Deductions) {
        const QString reference = d.loanNumber ? Model97Reference(QString::number(d.loanNumber)) : QString();
        QVariantMap row = DeductionColumns(QString::fromUtf8(d.name), d.percent, d.value, Account(d.bank, d.account),
                                           reference, QString::fromUtf8(d.description), Date(d.expiry));
        row.insert(QStringLiteral("salarycreditid"), setOf(d.employee));
        Insert(connection, QStringLiteral("salarycredititem"), row);
    }
    // Templates the deduction editor offers.
    const Deduction& unionFee = Deductions[1];
    Insert(connection, QStringLiteral("salarycredititemframe"),
           DeductionColumns(QString::fromUtf8(unionFee.name), unionFee.percent, 0,
                            Account(unionFee.bank, unionFee.account), QString(),
                            QString::fromUtf8(unionFee.description), QDate()));
    Insert(connection, QStringLiteral("salarycredititemframe"),
           DeductionColumns(QStringLiteral("Kredit banke"), 0, 0, QString(), QString(), QString(), QDate()));
    Insert(connection, QStringLiteral("salarycredititemframe"),
           DeductionColumns(QStringLiteral("Alimentacija"), 0, 0, QString(), QString(), QString(), QDate()));
    return int(sets.size());
}

}  // namespace

QString DemoCompanyRefusal(Connection& connection) {
    const int employees = connection.scalar(QStringLiteral("SELECT COUNT(*) FROM employee")).toInt();
    const int salaries = connection.scalar(QStringLiteral("SELECT COUNT(*) FROM salary")).toInt();
    if (employees == 0 && salaries == 0)
        return {};
    return QStringLiteral("Baza već sadrži podatke (zaposlenih: %1, obračuna zarada: %2); demo preduzeće se "
                          "upisuje samo u praznu bazu.")
        .arg(employees)
        .arg(salaries);
}

DemoCompanySummary SeedDemoCompany(Connection& connection) {
    Transaction transaction(connection);
    if (const QString refusal = DemoCompanyRefusal(connection); !refusal.isEmpty())
        throw EDatabaseError(refusal);

    DemoCompanySummary summary;
    const TCompanyInfo company = DemoCompany();
    TDBIniFile store(connection);
    WriteCompanyInfo(store, company);
    summary.company = company.Name;

    Insert(connection, QStringLiteral("currency"),
           {{QStringLiteral("code"), QStringLiteral("RSD")},
            {QStringLiteral("name"), QStringLiteral("Srpski dinar")},
            {QStringLiteral("status"), QStringLiteral("primary")}});
    Insert(connection, QStringLiteral("currency"),
           {{QStringLiteral("code"), QStringLiteral("EUR")},
            {QStringLiteral("name"), QStringLiteral("Evro")},
            {QStringLiteral("status"), QString()}});

    const std::vector<qint64> units = InsertUnits(connection);
    const std::vector<qint64> zones = InsertZones(connection);
    const std::vector<qint64> employees = InsertEmployees(connection, units, zones);
    summary.organizationUnits = int(units.size());
    summary.transportZones = int(zones.size());
    summary.employees = int(employees.size());
    summary.rateItems = InsertRateSet(connection);
    summary.deductionSets = InsertDeductions(connection, employees);
    transaction.commit();
    return summary;
}
