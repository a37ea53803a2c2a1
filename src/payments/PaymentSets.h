#pragma once

#include "db/SchemaDef.h"

#include <QVariant>

#include <vector>

class TDataSet;
class TSalaryDM;

// The fields of the payment list rows (PaymentListsItemCDS), each once:
// X(name, type, label). Money is shown "0.00".
#define ZARADE_PAYMENT_LIST_IDENTITY(X)                                                                             \
    X(salaryitemid, LargeInt, "") X(salaryid, LargeInt, "") X(employeeid, LargeInt, "") X(code, String, "Kod")     \
    X(firstname, String, "Ime") X(lastname, String, "Prezime") X(personalidentificator, String, "JMBG")            \
    X(minsalary, String, "Min.") X(account, String, "Račun") X(bankname, String, "Banka")                         \
    X(paymentcode, String, "Poziv na broj") X(community, String, "Opština")                                       \
    X(communitypaymentcode, String, "Poziv na broj opš.") X(communitycode, String, "Šifra opš.")                  \
    X(organizationunit, String, "Organizaciona jedinica") X(suborganizationunit, String, "Pod org. jed.")         \
    X(employer, Flag, "Poslodavac") X(workingstateid, LargeInt, "Radni status") X(vocation, String, "Zanimanje")  \
    X(educationcode, String, "Stručna sprema") X(address, String, "Adresa") X(city, String, "Mesto")              \
    X(salarycreditid, LargeInt, "") X(salaryworkinghours, Integer, "Fond sati")

#define ZARADE_PAYMENT_LIST_WORK(X)                                                                                  \
    X(coefficient, Float, "Koeficijent") X(outturn, Float, "Učinak") X(regularwork, Float, "Redovan rad")          \
    X(increment, Float, "Povećanje") X(decrement, Float, "Umanjenje") X(incdec, Float, "Stimulacija")              \
    X(incrementperc, Float, "Pov. proc.") X(decrementperc, Float, "Odb. proc.") X(difference, Float, "Razlika")    \
    X(workinghours, Float, "Radni sati") X(overtimehours, Float, "Prekovremeni sati")                             \
    X(vacationhours, Integer, "Godišnji odmor sati") X(sickhours, Integer, "Bolovanje sati")                      \
    X(longsickhours, Integer, "Bolovanje preko 30 dana sati") X(nightworkinghours, Integer, "Noćni rad sati")      \
    X(holidayworkinghours, Integer, "Rad praznikom sati") X(nightholidayworkinghours, Integer, "Noćni rad praznikom sati") \
    X(paidleavehours, Integer, "Plaćeno odsustvo sati") X(publicholidayhours, Integer, "Državni praznik sati")     \
    X(absencehours, Integer, "Odsustvo sati") X(maternityleavehours, Integer, "Porodiljsko sati")                 \
    X(childcareleavehours, Integer, "Nega deteta sati") X(totalhours, Float, "Ukupno sati")                       \
    X(vacationvalue, Float, "Godišnji odmor") X(sickvalue, Float, "Bolovanje do 30 dana")                         \
    X(longsickvalue, Float, "Bolovanje preko 30 dana") X(nightworkingvalue, Float, "Noćni rad")                   \
    X(overtimevalue, Float, "Prekovremeni rad") X(holidayworkingvalue, Float, "Rad državnim praznikom")           \
    X(nightholidayworkingvalue, Float, "Noćni rad državnim praznikom") X(paidleavevalue, Float, "Plaćeno odsustvo") \
    X(publicholidayvalue, Float, "Državni praznik") X(absencevalue, Float, "Odsustvo")                            \
    X(maternityleavevalue, Float, "Porodiljsko bolovanje") X(childcareleavevalue, Float, "Nega deteta")           \
    X(mealrefundhours, Integer, "Sati za topli obrok") X(mealrefund, Float, "Topli obrok")                        \
    X(vacationrefund, Float, "Regres") X(workingyears, Integer, "Godine staža")                                   \
    X(workingyearspercent, Float, "Proc. minulog rada") X(workingyearsvalue, Float, "Minuli rad")                 \
    X(voluntarypension, Float, "Dobrovoljno penzijsko") X(arrangedvalue, Float, "Ugovorena zarada")               \
    X(netcoefficient, Float, "Neto koeficijent") X(baudvalue, Float, "Vrednost boda")                             \
    X(baudvaluedecreased, Float, "Umanjena vrednost boda")

#define ZARADE_PAYMENT_LIST_RESULTS(X)                                                                               \
    X(salaryvalue, Float, "Bruto") X(paymentvalue, Float, "Neto") X(credits, Float, "Obustave")                    \
    X(paymentnetvalue, Float, "Za isplatu") X(cash, Float, "Isplata sada")                                        \
    X(calculatedminnetsalarygross, Float, "Bruto minimalne zarade") X(comparegross, Float, "Bruto obračuna")      \
    X(comparedecreasedgross, Float, "Umanjeni bruto") X(sub1base, Float, "Osnovica za doprinose")                 \
    X(sub11, Float, "Doprinosi zaposlenog") X(sub111, Float, "PIO") X(sub112, Float, "ZO") X(sub113, Float, "ON") \
    X(sub12, Float, "Doprinosi poslodavca") X(sub121, Float, "PIO poslodavca") X(sub122, Float, "ZO poslodavca")  \
    X(sub123, Float, "ON poslodavca") X(sub124, Float, "Doprinos za uvećani staž")                               \
    X(sub2basesub, Float, "Umanjenje osnovice za porez") X(sub2basesub2, Float, "Umanjenje za dobrovoljno penzijsko") \
    X(sub2, Float, "Porez") X(contributioncoef11, Float, "Stopa PIO") X(contributioncoef12, Float, "Stopa ZO")     \
    X(contributioncoef13, Float, "Stopa ON") X(contributioncoef21, Float, "Stopa PIO poslodavca")                 \
    X(contributioncoef22, Float, "Stopa ZO poslodavca") X(contributioncoef23, Float, "Stopa ON poslodavca")       \
    X(taxcoef, Float, "Stopa poreza") X(prevsalaryvalue, Float, "Prethodni bruto")                                \
    X(prevtaxvalue, Float, "Prethodni porezi i doprinosi") X(prevpaymentvalue, Float, "Prethodni neto")           \
    X(prevcredits, Float, "Prethodne obustave") X(prevpaymentnetvalue, Float, "Prethodno za isplatu")             \
    X(prevsub11, Float, "Prethodni doprinosi zaposlenog") X(prevsub12, Float, "Prethodni doprinosi poslodavca")   \
    X(prevsub1base, Float, "Prethodna osnovica") X(prevsub124base, Float, "Prethodna osnovica za uvećani staž")   \
    X(prevsub2, Float, "Prethodni porez") X(prevsub2basesub, Float, "Prethodno umanjenje osnovice")               \
    X(prevsub2basesub2, Float, "Prethodno umanjenje za dobrovoljno penzijsko")                                    \
    /* the previous payments by item and the tax the tax-free amount saves, for the recapitulation */             \
    X(prevsub111, Float, "Prethodni PIO") X(prevsub112, Float, "Prethodni ZO") X(prevsub113, Float, "Prethodni ON") \
    X(prevsub121, Float, "Prethodni PIO poslodavca") X(prevsub122, Float, "Prethodni ZO poslodavca")              \
    X(prevsub123, Float, "Prethodni ON poslodavca") X(prevsub124, Float, "Prethodni doprinos za uvećani staž")    \
    X(sub2grosscorrection, Float, "Porez ušteđen neoporezivim iznosom")                                           \
    X(prevsub2grosscorrection, Float, "Prethodni porez ušteđen neoporezivim iznosom")

#define ZARADE_PAYMENT_LIST_FIELDS(X) \
    ZARADE_PAYMENT_LIST_IDENTITY(X) ZARADE_PAYMENT_LIST_WORK(X) ZARADE_PAYMENT_LIST_RESULTS(X)

#define ZARADE_FIELD_INDEX(name, type, label) int name = -1;

// Where each field of a payment list row stands, resolved once.
struct TPaymentListIndex {
    ZARADE_PAYMENT_LIST_FIELDS(ZARADE_FIELD_INDEX)
    explicit TPaymentListIndex(const TDataSet& rows);
};

// The recapitulation's summed fields: the money lines in their printed
// order, then the hour sums and the other sums. X(name, label).
#define ZARADE_RECAPITULATION_MONEY(X)                                                                               \
    X(regularwork, "Redovan rad") X(nightworkingvalue, "Noćni rad") X(overtimevalue, "Prekovremeni rad")          \
    X(holidayworkingvalue, "Rad državnim praznikom") X(nightholidayworkingvalue, "Noćni rad državnim praznikom")   \
    X(paidleavevalue, "Plaćeno odsustvo") X(publicholidayvalue, "Državni praznik") X(absencevalue, "Odsustvo")    \
    X(vacationvalue, "Godišnji odmor") X(sickvalue, "Bolovanje do 30 dana")                                       \
    X(longsickvalue, "Bolovanje preko 30 dana") X(maternityleavevalue, "Porodiljsko bolovanje")                   \
    X(childcarevalue, "Child care value") X(workingyearsvalue, "Minuli rad") X(incdec, "Stimulacija")             \
    X(difference, "Razlika") X(mealrefund, "Topli obrok") X(vacationrefund, "Regres")                             \
    X(salaryvalue, "Bruto vrednost zarade") X(sub1base, "Bruto osnovica za doprinose")                            \
    X(sub11, "Socijalni doprinosi") X(sub111, "PIO") X(sub112, "ZO") X(sub113, "ON")                             \
    X(sub2basesub, "Umanjenje osnovice za porez") X(sub2, "Porez na zaradu") X(paymentvalue, "Neto vrednost zarade") \
    X(sub121, "PIO na teret poslodavca") X(sub122, "ZO na teret poslodavca") X(sub123, "ON na teret poslodavca")  \
    X(sub12, "Socijalni doprinosi na teret poslodavca") X(sub124, "Socijalni doprinosi za uvećani radni staž")    \
    X(totalcost, "Ukupan trošak zarade") X(totalnotdecreased, "Ukupan trošak zarade bez umanjenja")               \
    X(totaldecrease, "Ukupno umanjenje") X(chambersfee, "Komore") X(credits, "Obustave")                          \
    X(paymentnetvalue, "Ukupno za isplatu") X(prevsalaryvalue, "Prethodna bruto zarada")                          \
    X(prevtaxvalue, "Akontacioni porezi i doprinosi") X(prevcredits, "Akontacione obustave") X(cash, "Za isplatu")

#define ZARADE_RECAPITULATION_HOURS(X)                                                                               \
    X(workinghours, "Radni sati") X(nightworkinghours, "Noćni rad sati") X(overtimehours, "Prekovremeni sati")    \
    X(holidayworkinghours, "Rad praznikom sati") X(nightholidayworkinghours, "Noćni rad praznikom sati")          \
    X(paidleavehours, "Plaćeno odsustvo sati") X(publicholidayhours, "Državni praznik sati")                      \
    X(absencehours, "Odsustvo sati") X(vacationhours, "Godišnji odmor sati") X(sickhours, "Bolovanje sati")       \
    X(longsickhours, "Bolovanje preko 30 dana sati") X(maternityleavehours, "Porodiljsko sati")                   \
    X(childcarehours, "Nega deteta sati")

#define ZARADE_RECAPITULATION_OTHER_SUMS(X)                                                                          \
    X(decrement, "Umanjenje") X(increment, "Povećanje") X(sub2basesub2, "Umanjenje za dobrovoljno penzijsko")     \
    X(prevsub11, "Prethodni doprinosi zaposlenog") X(prevsub12, "Prethodni doprinosi poslodavca")                 \
    X(prevsub1base, "Prethodna osnovica") X(prevsub2, "Prethodni porez")                                          \
    X(prevsub2basesub, "Prethodno umanjenje osnovice") X(prevsub2basesub2, "Prethodno umanjenje za dobr. penz.")  \
    X(prevsub111, "Prethodni PIO") X(prevsub112, "Prethodni ZO") X(prevsub113, "Prethodni ON")                    \
    X(prevsub121, "Prethodni PIO poslodavca") X(prevsub122, "Prethodni ZO poslodavca")                            \
    X(prevsub123, "Prethodni ON poslodavca") X(prevsub124, "Prethodni doprinos za uvećani staž")                  \
    X(sub2grosscorrection, "Porez ušteđen neoporezivim iznosom")                                                  \
    X(prevsub2grosscorrection, "Prethodni porez ušteđen neoporezivim iznosom")

// The statistical form's measures, each in four columns (no suffix for the
// total, 1 to 3 for the categories). X(name, label).
#define ZARADE_ZIP_FORM_MEASURES(X)                                                                                  \
    X(count, "Broj zaposlenih") X(totalworkinghours, "Ukupno sati rada") X(overtimecount, "Broj sa prekovremenim") \
    X(overtimehours, "Prekovremeni sati") X(salaryvalue, "Bruto zarada") X(regularwork, "Redovan rad")            \
    X(workingyearsvalue, "Minuli rad") X(overtimevalue, "Prekovremeni rad") X(holidayworkingvalue, "Rad praznikom") \
    X(nightworkingvalue, "Noćni rad") X(mealrefund, "Topli obrok") X(vacationrefund, "Regres")                    \
    X(othervalue, "Ostalo") X(averagevalue, "Prosečna zarada")

// Gives the in-memory datasets of the payment lists, the recapitulation,
// the chambers fee and the statistical form their fields (once) and opens
// them.
void DefinePaymentSets(TSalaryDM& dm);
