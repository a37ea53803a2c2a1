#include "DemoRecapitulation.h"

#include "CalcRounding.h"
#include "RateItems.h"
#include "SalaryDM.h"
#include "TaxRules.h"
#include "db/Connection.h"

#include <QSqlQuery>

#include <vector>

namespace {

struct Sum {
    const char* column;
    const char* label;
    long double total = 0;
};

// A rate item of the document's set with the name it is printed by.
struct NamedItem {
    QString name;
    double percent = 0;
    bool employer = false;
    bool chamber = false;
    TRateItem item;
    long double total = 0;
};

std::vector<NamedItem> DocumentItems(Connection& connection, qint64 salaryTaxId) {
    QSqlQuery rows = connection.exec(QStringLiteral(
        "SELECT taxname, taxpercent, taxstatus, minsalary, maxsalary, chamber FROM salarytaxitem "
        "WHERE salarytaxid = ? ORDER BY taxpercent DESC, salarytaxitemid"), {salaryTaxId});
    std::vector<NamedItem> items;
    while (rows.next()) {
        NamedItem named;
        named.name = rows.value(0).toString();
        named.percent = rows.value(1).toDouble();
        named.employer = rows.value(2).toString() == QLatin1String("a");
        named.chamber = rows.value(5).toString() == QLatin1String("y");
        named.item.percent = named.percent;
        named.item.employee = !named.employer;
        named.item.minBase = rows.value(3).toString() == QLatin1String("y");
        named.item.maxBase = rows.value(4).toString() == QLatin1String("y");
        items.push_back(named);
    }
    return items;
}

QString Money(long double value) { return QString::number(double(RND(value)), 'f', 2); }

void PrintRow(QTextStream& out, const QString& label, const QString& value) {
    out << "  " << label.leftJustified(44, QLatin1Char('.')) << " " << value.rightJustified(16) << "\n";
}

}  // namespace

void PrintRecapitulation(TSalaryDM& dm, QTextStream& out) {
    TSqlQuery& header = *dm.SalaryZQ;
    TSqlQuery& lines = *dm.SalaryItemZQ;
    const auto headerValue = [&](const char* column) { return header.fieldByName(QLatin1String(column))->asFloat(); };
    TDocumentValues document;
    document.workinghours = headerValue("workinghours");
    document.minsalaryvalue = headerValue("minsalaryvalue");
    document.maxsalaryvalue = headerValue("maxsalaryvalue");

    std::vector<Sum> sums = {
        {"regularwork", "Redovan rad"},
        {"nightworkingvalue", "Noćni rad"},
        {"overtimevalue", "Prekovremeni rad"},
        {"holidayworkingvalue", "Rad državnim praznikom"},
        {"nightholidayworkingvalue", "Noćni rad državnim praznikom"},
        {"paidleavevalue", "Plaćeno odsustvo"},
        {"publicholidayvalue", "Državni praznik"},
        {"vacationvalue", "Godišnji odmor"},
        {"sickvalue", "Bolovanje do 30 dana"},
        {"longsickvalue", "Bolovanje preko 30 dana"},
        {"maternityleavevalue", "Porodiljsko bolovanje"},
        {"difference", "Razlika"},
        {"mealrefund", "Topli obrok"},
        {"vacationrefund", "Regres"},
        {"salaryvalue", "Bruto vrednost zarade"},
        {"paymentvalue", "Neto vrednost zarade"},
        {"paymentnetvalue", "Ukupno za isplatu"},
    };
    std::vector<NamedItem> items =
        DocumentItems(*dm.ZConnection(), header.fieldByName(QStringLiteral("salarytaxid"))->asLargeInt());
    static const char* const paidHours[] = {"workinghours", "vacationhours", "sickhours", "nightworkinghours",
                                            "overtimehours", "holidayworkinghours", "nightholidayworkinghours",
                                            "paidleavehours", "publicholidayhours"};
    int count = 0;
    for (lines.first(); !lines.eof(); lines.next()) {
        ++count;
        for (Sum& sum : sums)
            sum.total += lines.fieldByName(QLatin1String(sum.column))->asFloat();
        const long double gross = lines.fieldByName(QStringLiteral("salaryvalue"))->asFloat();
        long double hours = 0;
        for (const char* column : paidHours)
            hours += lines.fieldByName(QLatin1String(column))->asFloat();
        const TGrossStatus status =
            GrossStatus(gross, document.minsalaryvalue, document.maxsalaryvalue, hours, document.workinghours);
        for (NamedItem& named : items) {
            if (named.chamber)
                named.total += RND(gross * named.percent / 100);
            else if (named.employer)
                named.total += RND(ContributionBase(named.item, status, gross, document, hours) * named.percent / 100);
        }
    }

    const auto total = [&](const char* column) {
        for (const Sum& sum : sums)
            if (qstrcmp(sum.column, column) == 0)
                return sum.total;
        return 0.0L;
    };
    PrintRow(out, QStringLiteral("Broj zaposlenih"), QString::number(count));
    for (const Sum& sum : sums) {
        if (qstrcmp(sum.column, "paymentvalue") == 0)
            PrintRow(out, QStringLiteral("Porezi i doprinosi na teret zaposlenog"),
                     Money(total("salaryvalue") - total("paymentvalue")));
        if (qstrcmp(sum.column, "paymentnetvalue") == 0)
            PrintRow(out, QStringLiteral("Obustave"), Money(total("paymentvalue") - total("paymentnetvalue")));
        // Parts of the gross nobody earned this month are left out.
        if (sum.total != 0 || qstrcmp(sum.column, "regularwork") == 0)
            PrintRow(out, QString::fromUtf8(sum.label), Money(sum.total));
    }
    long double employer = 0;
    for (const NamedItem& named : items) {
        if (!named.employer || named.chamber)
            continue;
        employer += named.total;
        PrintRow(out, QStringLiteral("%1 (%2 %)").arg(named.name).arg(named.percent),
                 Money(named.total));
    }
    for (const NamedItem& named : items)
        if (named.chamber)
            PrintRow(out, QStringLiteral("%1 (%2 %)").arg(named.name).arg(named.percent), Money(named.total));
    // Chamber fees are the company's, not a cost of the salary.
    PrintRow(out, QStringLiteral("Ukupan trošak zarade"), Money(total("salaryvalue") + employer));
}
