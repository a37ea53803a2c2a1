#include "LineTraceText.h"

#include "PayBasis.h"
#include "TaxRules.h"

namespace {

QString roleTitle(const TRateItem& item) {
    switch (item.role) {
    case TRateRole::EmployeePension: return QStringLiteral("Doprinos za PIO na teret zaposlenog");
    case TRateRole::EmployeeHealth: return QStringLiteral("Doprinos za zdravstvo na teret zaposlenog");
    case TRateRole::EmployeeUnemployment: return QStringLiteral("Doprinos za nezaposlenost na teret zaposlenog");
    case TRateRole::IncomeTax: return QStringLiteral("Porez na zaradu");
    case TRateRole::EmployerPension: return QStringLiteral("Doprinos za PIO na teret poslodavca");
    case TRateRole::EmployerHealth: return QStringLiteral("Doprinos za zdravstvo na teret poslodavca");
    case TRateRole::EmployerUnemployment: return QStringLiteral("Doprinos za nezaposlenost na teret poslodavca");
    case TRateRole::Other: break;
    }
    return item.employee ? QStringLiteral("Ostali doprinos na teret zaposlenog")
                         : QStringLiteral("Ostali doprinos na teret poslodavca");
}

using Inputs = QList<QPair<QString, double>>;

void item(TCalcTrace& trace, const char* title, const char* rule, const Inputs& inputs, long double value) {
    if (value != 0)
        trace.add(TTraceKind::GrossItem, QString::fromUtf8(title), QString::fromUtf8(rule), inputs, value);
}

}  // namespace

void TraceGrossParts(TCalcTrace& trace, long double regularWork, const TGrossParts& parts, const TDocumentValues& d,
                     const TLineValues& l) {
    item(trace, "Redovan rad", "iz osnova zarade", {}, regularWork);
    item(trace, "Minuli rad", "procenat po godini staža × godine × redovan rad, srazmerno svim radnim satima",
         {{QStringLiteral("godine staža"), double(l.workingyears)},
          {QStringLiteral("% po godini"), double(d.workingyearsincrementpercent)},
          {QStringLiteral("redovan rad"), double(regularWork)}},
         parts.workingYears);
    item(trace, "Stimulacija", "uneti iznos", {}, l.increment);
    item(trace, "Destimulacija", "uneti iznos, oduzima se", {}, -l.decrement);
    item(trace, "Razlika", "razlike i podela po koeficijentima", {}, l.difference);
    item(trace, "Topli obrok", "iznos zaposlenog srazmerno satima koji ga donose (najviše ceo)",
         {{QStringLiteral("topli obrok"), double(l.mealrefund)},
          {QStringLiteral("sati sa obrokom"), double(l.hours().meal())},
          {QStringLiteral("fond sati"), double(d.workinghours)}},
         parts.meal);
    item(trace, "Regres", "iznos za mesec", {}, l.vacationrefund);
    item(trace, "Godišnji odmor", "naknada iz prosečne zarade", {}, l.vacationvalue);
    item(trace, "Bolovanje do 30 dana", "naknada iz prosečne zarade", {}, l.sickvalue);
    item(trace, "Bolovanje preko 30 dana", "naknada iz prosečne zarade", {}, l.longsickvalue);
    item(trace, "Noćni rad", "sati × cena sata × (1 + dodatak)", {}, l.nightworkingvalue);
    item(trace, "Prekovremeni rad", "sati × cena sata × (1 + dodatak)", {}, l.overtimevalue);
    item(trace, "Rad na praznik", "sati × cena sata × (1 + dodatak)", {}, l.holidayworkingvalue);
    item(trace, "Noćni rad na praznik", "sati × cena sata × (1 + oba dodatka)", {}, l.nightholidayworkingvalue);
    item(trace, "Plaćeno odsustvo", "naknada iz prosečne zarade", {}, l.paidleavevalue);
    item(trace, "Državni praznik", "naknada iz prosečne zarade", {}, l.publicholidayvalue);
    item(trace, "Odsustvo", "sati / fond × najniža osnovica", {}, l.absencevalue);
    item(trace, "Porodiljsko odsustvo", "naknada iz prosečne zarade", {}, l.maternityleavevalue);
    item(trace, "Nega deteta", "naknada iz prosečne zarade", {}, l.childcareleavevalue);
}

void TraceGrossStatus(TCalcTrace& trace, TGrossStatus status, long double gross, const TDocumentValues& d,
                      long double paidHours) {
    const Inputs inputs{{QStringLiteral("bruto"), double(gross)},
                        {QStringLiteral("najniža osnovica"), double(d.minsalaryvalue)},
                        {QStringLiteral("najviša osnovica"), double(d.maxsalaryvalue)},
                        {QStringLiteral("plaćeni sati"), double(paidHours)},
                        {QStringLiteral("fond sati"), double(d.workinghours)}};
    switch (status) {
    case TGrossStatus::gsMin:
        trace.add(TTraceKind::Note, QStringLiteral("Osnovica doprinosa: najniža"),
                  QStringLiteral("bruto je ispod najniže osnovice (srazmerno plaćenim satima), doprinosi se "
                                 "plaćaju na nju"),
                  inputs, paidHours >= d.workinghours ? d.minsalaryvalue : d.minsalaryvalue * paidHours / d.workinghours);
        return;
    case TGrossStatus::gsMax:
        trace.add(TTraceKind::Note, QStringLiteral("Osnovica doprinosa: najviša"),
                  QStringLiteral("bruto je iznad najviše osnovice, doprinosi se plaćaju na nju"), inputs,
                  d.maxsalaryvalue);
        return;
    case TGrossStatus::gsNormal:
        trace.add(TTraceKind::Note, QStringLiteral("Osnovica doprinosa: bruto"),
                  QStringLiteral("bruto je između najniže i najviše osnovice"), inputs, gross);
        return;
    }
}

void TraceContribution(TCalcTrace& trace, const TRateItem& rateItem, long double base, long double free,
                       long double relief, long double amount, bool roundTaxes, qint64 workingState) {
    const TTraceKind kind = !rateItem.employee   ? TTraceKind::EmployerContribution
        : rateItem.incomeTax()                   ? TTraceKind::IncomeTax
                                                 : TTraceKind::EmployeeContribution;
    const QString title = roleTitle(rateItem);
    const QString rounding = roundTaxes && rateItem.employee ? QStringLiteral(", zbir zaokružen na ceo dinar")
                                                             : QStringLiteral(", zaokruženo na dve decimale");
    if (ExemptForWorkingState(rateItem, workingState)) {
        trace.add(kind, title, QStringLiteral("radni status zaposlenog ga ne plaća"), {}, amount);
        return;
    }
    if (rateItem.employee && workingState == WorkingStateWithoutTaxFreeAmount) {
        trace.add(kind, title, QStringLiteral("stopa na celu osnovicu, radni status bez neoporezivog iznosa") + rounding,
                  {{QStringLiteral("osnovica"), double(base)}, {QStringLiteral("stopa %"), rateItem.percent}},
                  amount);
        return;
    }
    if (rateItem.incomeTax()) {
        trace.add(TTraceKind::Note, QStringLiteral("Neoporezivi iznos"),
                  QStringLiteral("iznos stope srazmerno plaćenim satima, ceo za pun fond; na zaradi za bolovanje "
                                 "srazmerno satima dugog bolovanja, porodiljskog i nege deteta"),
                  {{QStringLiteral("neoporezivi iznos stope"), rateItem.freeValue}}, free);
        if (relief != 0)
            trace.add(TTraceKind::Note, QStringLiteral("Olakšica za dobrovoljno penzijsko"),
                      QStringLiteral("uplata zaposlenog, najviše do iznosa iz zarade"), {}, relief);
        trace.add(TTraceKind::Note, QStringLiteral("Poreska osnovica"),
                  QStringLiteral("bruto − neoporezivi iznos − olakšica, ne manje od nule"),
                  {{QStringLiteral("bruto"), double(base)}, {QStringLiteral("neoporezivi iznos"), double(free)},
                   {QStringLiteral("olakšica"), double(relief)}},
                  TaxableBase(rateItem, base - free - relief));
        trace.add(kind, title, QStringLiteral("stopa na poresku osnovicu") + rounding,
                  {{QStringLiteral("poreska osnovica"), double(TaxableBase(rateItem, base - free - relief))},
                   {QStringLiteral("stopa %"), rateItem.percent}},
                  amount);
        return;
    }
    QString rule = QStringLiteral("stopa na osnovicu doprinosa");
    Inputs inputs{{QStringLiteral("osnovica"), double(base)}, {QStringLiteral("stopa %"), rateItem.percent}};
    if (free != 0 || relief != 0) {
        rule = QStringLiteral("stopa na osnovicu umanjenu za neoporezivi iznos stavke i olakšicu");
        inputs << qMakePair(QStringLiteral("neoporezivi iznos"), double(free))
               << qMakePair(QStringLiteral("olakšica"), double(relief));
    }
    trace.add(kind, title, rule + rounding, inputs, amount);
}

void TraceNet(TCalcTrace& trace, long double gross, const TLineComponents& c, bool roundTaxes) {
    if (c.absenceWithheld != 0)
        trace.add(TTraceKind::AbsenceWithheld, QStringLiteral("Odsustvo koje se ne isplaćuje"),
                  QStringLiteral("vrednost odsustva umanjena za svoje doprinose i porez"), {}, c.absenceWithheld);
    trace.add(TTraceKind::Net, QStringLiteral("Neto"),
              roundTaxes ? QStringLiteral("bruto − doprinosi zaposlenog − porez, na ceo dinar; − odsustvo")
                         : QStringLiteral("bruto − doprinosi zaposlenog − porez − odsustvo"),
              {{QStringLiteral("bruto"), double(gross)},
               {QStringLiteral("doprinosi i porez"), double(c.employeeTotal)},
               {QStringLiteral("odsustvo"), double(c.absenceWithheld)}},
              c.net);
}

void TracePayBasis(TCalcTrace& trace, TPayBasis basis, const TLineValues& l, const TDocumentValues& d,
                   long double coefficient, long double share, long double serviceFactor) {
    QString title, why;
    Inputs inputs;
    switch (basis) {
    case TPayBasis::MinimumWage:
        title = QStringLiteral("Osnov zarade: minimalna zarada");
        why = l.minsalary ? QStringLiteral("zaposleni je na minimalnoj zaradi")
                          : QStringLiteral("nije ugovoren ni bruto, ni neto, ni koeficijent veći od 1");
        inputs << qMakePair(QStringLiteral("minimalna neto zarada"), double(d.minnetsalaryvalue));
        break;
    case TPayBasis::AgreedGross:
        title = QStringLiteral("Osnov zarade: ugovoreni bruto");
        why = QStringLiteral("ugovoreni bruto je veći od nule");
        inputs << qMakePair(QStringLiteral("ugovoreni bruto"), double(l.arrangedsalaryvalue));
        break;
    case TPayBasis::AgreedNet:
        title = QStringLiteral("Osnov zarade: ugovoreni neto");
        why = QStringLiteral("nema ugovorenog bruta, ugovoreni neto je veći od nule");
        inputs << qMakePair(QStringLiteral("ugovoreni neto"), double(l.arrangedpaymentvalue));
        break;
    case TPayBasis::Coefficient:
        title = QStringLiteral("Osnov zarade: koeficijent");
        why = QStringLiteral("nema ugovorenog iznosa, koeficijent je veći od 1");
        inputs << qMakePair(QStringLiteral("koeficijent"), double(coefficient))
               << qMakePair(QStringLiteral("vrednost boda"), double(d.baudvalue));
        break;
    case TPayBasis::NetCoefficient:
        title = QStringLiteral("Osnov zarade: neto koeficijent");
        why = QStringLiteral("nema ugovorenog iznosa ni koeficijenta, neto koeficijent je veći od 1");
        inputs << qMakePair(QStringLiteral("neto koeficijent"), double(l.netcoefficient))
               << qMakePair(QStringLiteral("vrednost boda"), double(d.baudvalue));
        break;
    }
    trace.note(title, why, inputs);
    trace.add(TTraceKind::Note, QStringLiteral("Udeo meseca"), QStringLiteral("procenat zarade × radni sati / fond sati"),
              {{QStringLiteral("procenat zarade"), double(d.partcoefficient)},
               {QStringLiteral("radni sati"), double(l.workinghours)},
               {QStringLiteral("fond sati"), double(d.workinghours)}},
              share);
    trace.add(TTraceKind::Note, QStringLiteral("Faktor minulog rada"), QStringLiteral("1 + % po godini × godine staža / 100"),
              {{QStringLiteral("% po godini"), double(d.workingyearsincrementpercent)},
               {QStringLiteral("godine staža"), double(l.workingyears)}},
              serviceFactor);
}

void TraceMinimumGrossFloor(TCalcTrace& trace, long double contractual, long double result, long double minimumGross,
                            long double workedHours, long double fund) {
    const Inputs inputs{{QStringLiteral("redovan rad po osnovu"), double(contractual)},
                        {QStringLiteral("najniži bruto"), double(minimumGross)},
                        {QStringLiteral("radni sati"), double(workedHours)},
                        {QStringLiteral("fond sati"), double(fund)}};
    if (result != contractual)
        trace.add(TTraceKind::Note, QStringLiteral("Najniži bruto: primenjen"),
                  QStringLiteral("zarada za odrađene sate je ispod najnižeg bruta srazmerno satima; redovan rad se "
                                 "podiže do njega"),
                  inputs, result);
    else
        trace.add(TTraceKind::Note, QStringLiteral("Najniži bruto: nije potreban"),
                  QStringLiteral("zarada za odrađene sate dostiže najniži bruto srazmerno satima"), inputs, result);
}
