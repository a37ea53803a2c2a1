#include "PaymentListTables.h"

#include "ListTable.h"
#include "db/DataSet.h"

namespace {

QString S(const char* text) { return QString::fromUtf8(text); }

TListColumn Code() { return {QStringLiteral("Šifra"), {QStringLiteral("code")}, TValueKind::Text}; }

TListColumn Name() {
    return {QStringLiteral("Prezime i ime"), {QStringLiteral("lastname"), QStringLiteral("firstname")},
            TValueKind::Text, true};
}

TListColumn Money(const char* caption, std::initializer_list<const char*> fields, bool optional = false) {
    QStringList names;
    for (const char* field : fields)
        names << QString::fromLatin1(field);
    return {S(caption), names, TValueKind::Money, false, optional};
}

std::vector<TListColumn> Results() {
    return {Money("Bruto", {"salaryvalue"}),       Money("Doprinosi", {"sub11"}),
            Money("Porez", {"sub2"}),              Money("Neto", {"paymentvalue"}),
            Money("Obustave", {"credits"}),        Money("Za isplatu", {"paymentnetvalue"})};
}

std::vector<TListColumn> Joined(std::vector<TListColumn> first, const std::vector<TListColumn>& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

// Hours of a kind and their amount, as an evidence column.
TListColumn Evidence(const char* caption, const char* hours, const char* value) {
    return {S(caption), {QString::fromLatin1(hours), QString::fromLatin1(value)}, TValueKind::HoursAndMoney, false,
            true};
}

}  // namespace

TTable SalaryListTable(const TDataSet* rows, TUnitGrouping grouping) {
    std::vector<TListGroup> groups;
    if (grouping != TUnitGrouping::None)
        groups.push_back({QStringLiteral("organizationunit"), QStringLiteral("Organizaciona jedinica")});
    if (grouping == TUnitGrouping::SubOrgUnit)
        groups.push_back({QStringLiteral("suborganizationunit"), QStringLiteral("Podorganizaciona jedinica")});
    return ListTable(rows,
                     Joined({Code(), Name(), {QStringLiteral("Časova"), {QStringLiteral("totalhours")}, TValueKind::Hours},
                             Money("Redovan rad", {"regularwork"})},
                            Results()),
                     groups);
}

TTable ExtendedSalaryListTable(const TDataSet* rows) {
    return ListTable(
        rows, Joined({Code(), Name(), {QStringLiteral("Časova"), {QStringLiteral("totalhours")}, TValueKind::Hours},
                      Money("Redovan\nrad", {"regularwork"}),
                      Money("Minuli\nrad", {"workingyearsvalue"}, true),
                      Money("Prekovr.\nrad", {"overtimevalue"}, true),
                      Money("Noćni\nrad", {"nightworkingvalue"}, true),
                      Money("Rad na\npraznik", {"holidayworkingvalue", "nightholidayworkingvalue"}, true),
                      Money("Godišnji\nodmor", {"vacationvalue"}, true),
                      Money("Bolovanje", {"sickvalue", "longsickvalue"}, true),
                      Money("Druge\nnaknade",
                            {"paidleavevalue", "publicholidayvalue", "maternityleavevalue", "childcareleavevalue",
                             "absencevalue"},
                            true),
                      Money("Uvećanja\numanjenja", {"incdec"}, true),
                      Money("Razlike", {"difference"}, true),
                      Money("Topli\nobrok", {"mealrefund"}, true),
                      Money("Regres", {"vacationrefund"}, true)},
                     Results()));
}

TTable EvidenceTable(const TDataSet* rows) {
    return ListTable(rows,
                     {Code(), Name(),
                      {QStringLiteral("Fond\nčasova"), {QStringLiteral("salaryworkinghours")}, TValueKind::Hours},
                      Evidence("Redovan\nrad", "workinghours", "regularwork"),
                      Evidence("Prekovr.\nrad", "overtimehours", "overtimevalue"),
                      Evidence("Noćni\nrad", "nightworkinghours", "nightworkingvalue"),
                      Evidence("Rad na\npraznik", "holidayworkinghours", "holidayworkingvalue"),
                      Evidence("Noćni rad\nna praznik", "nightholidayworkinghours", "nightholidayworkingvalue"),
                      Evidence("Godišnji\nodmor", "vacationhours", "vacationvalue"),
                      Evidence("Plaćeno\nodsustvo", "paidleavehours", "paidleavevalue"),
                      Evidence("Državni\npraznik", "publicholidayhours", "publicholidayvalue"),
                      Evidence("Bolovanje\ndo 30 dana", "sickhours", "sickvalue"),
                      Evidence("Bolovanje\npreko 30", "longsickhours", "longsickvalue"),
                      Evidence("Porodiljsko\nodsustvo", "maternityleavehours", "maternityleavevalue"),
                      Evidence("Nega\ndeteta", "childcareleavehours", "childcareleavevalue"),
                      Evidence("Odsustvo", "absencehours", "absencevalue"),
                      {QStringLiteral("Ukupno\nbruto"),
                       {QStringLiteral("totalhours"), QStringLiteral("salaryvalue")},
                       TValueKind::HoursAndMoney}});
}

TTable TransportListTable(const TDataSet* rows) {
    return ListTable(rows, {Code(), Name(), {QStringLiteral("Tekući račun"), {QStringLiteral("account")}},
                            Money("Neto", {"paymentvalue"}), Money("Za isplatu", {"paymentnetvalue"})});
}

TTable ForPaymentTable(const TDataSet* rows) {
    // Lines without a cash column (older transport lists) pay what is due.
    const bool cash = rows && rows->findField(QStringLiteral("cash"));
    return ListTable(rows,
                     {Code(), Name(), {QStringLiteral("Banka"), {QStringLiteral("bankname")}},
                      {QStringLiteral("Tekući račun"), {QStringLiteral("account")}},
                      Money("Iznos", {cash ? "cash" : "paymentnetvalue"})},
                     {}, OrderedBy(rows, QStringLiteral("account")));
}
