#include "DemoRecapitulation.h"

#include "CalcRounding.h"
#include "CalcSupport.h"
#include "RateItems.h"
#include "SalaryDM.h"
#include "TaxRules.h"
#include "db/Connection.h"

#include <QSqlQuery>

#include <vector>

namespace {

// A column of the lines summed under its label.
struct Sum {
    long double TLineValues::*column;
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
    const TDocumentValues document = CurrentDocument(dm);
    // The parts of the gross, shown when somebody earned them (regular work always).
    std::vector<Sum> parts = {
        {&TLineValues::regularwork, "Redovan rad"},
        {&TLineValues::nightworkingvalue, "Noćni rad"},
        {&TLineValues::overtimevalue, "Prekovremeni rad"},
        {&TLineValues::holidayworkingvalue, "Rad državnim praznikom"},
        {&TLineValues::nightholidayworkingvalue, "Noćni rad državnim praznikom"},
        {&TLineValues::paidleavevalue, "Plaćeno odsustvo"},
        {&TLineValues::publicholidayvalue, "Državni praznik"},
        {&TLineValues::vacationvalue, "Godišnji odmor"},
        {&TLineValues::sickvalue, "Bolovanje do 30 dana"},
        {&TLineValues::longsickvalue, "Bolovanje preko 30 dana"},
        {&TLineValues::maternityleavevalue, "Porodiljsko bolovanje"},
        {&TLineValues::difference, "Razlika"},
        {&TLineValues::mealrefund, "Topli obrok"},
        {&TLineValues::vacationrefund, "Regres"},
    };
    long double gross = 0;
    long double net = 0;
    long double forPayment = 0;
    std::vector<NamedItem> items = DocumentItems(*dm.ZConnection(), document.salarytaxid);
    int count = 0;
    TSqlQuery& lines = *dm.SalaryItemZQ;
    for (lines.first(); !lines.eof(); lines.next()) {
        const TLineValues& line = CurrentLine(dm);
        ++count;
        for (Sum& part : parts)
            part.total += line.*part.column;
        gross += line.salaryvalue;
        net += line.paymentvalue;
        forPayment += line.paymentnetvalue;
        const long double hours = line.hours().allButLongSick();
        const TGrossStatus status =
            GrossStatus(line.salaryvalue, document.minsalaryvalue, document.maxsalaryvalue, hours, document.workinghours);
        for (NamedItem& named : items) {
            if (named.chamber)
                named.total += RND(line.salaryvalue * named.percent / 100);
            else if (named.employer)
                named.total +=
                    RND(ContributionBase(named.item, status, line.salaryvalue, document, hours) * named.percent / 100);
        }
    }

    PrintRow(out, QStringLiteral("Broj zaposlenih"), QString::number(count));
    for (const Sum& part : parts)
        if (part.total != 0 || part.column == &TLineValues::regularwork)
            PrintRow(out, QString::fromUtf8(part.label), Money(part.total));
    PrintRow(out, QStringLiteral("Bruto vrednost zarade"), Money(gross));
    PrintRow(out, QStringLiteral("Porezi i doprinosi na teret zaposlenog"), Money(gross - net));
    PrintRow(out, QStringLiteral("Neto vrednost zarade"), Money(net));
    PrintRow(out, QStringLiteral("Obustave"), Money(net - forPayment));
    PrintRow(out, QStringLiteral("Ukupno za isplatu"), Money(forPayment));
    long double employer = 0;
    for (const NamedItem& named : items) {
        if (!named.employer || named.chamber)
            continue;
        employer += named.total;
        PrintRow(out, QStringLiteral("%1 (%2 %)").arg(named.name).arg(named.percent), Money(named.total));
    }
    for (const NamedItem& named : items)
        if (named.chamber)
            PrintRow(out, QStringLiteral("%1 (%2 %)").arg(named.name).arg(named.percent), Money(named.total));
    // Chamber fees are the company's, not a cost of the salary.
    PrintRow(out, QStringLiteral("Ukupan trošak zarade"), Money(gross + employer));
}
