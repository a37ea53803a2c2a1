#include "LineTrace.h"

#include "CalcRounding.h"
#include "CalcSupport.h"
#include "DBIniFile.h"
#include "DecreasedNet.h"
#include "LeavePay.h"
#include "NetToGross.h"
#include "RegularWorkVariants.h"
#include "SalaryTriggerSupport.h"
#include "Supplements.h"
#include "TaxRules.h"

#include <cmath>

namespace {

void note(TCalcTrace& trace, const QString& title, const QString& rule, long double result) {
    trace.add(TTraceKind::Note, title, rule, {}, result);
}

// The stored value goes on when its stage gives another.
void keepStored(TCalcTrace& trace, const QString& title, long double calculated, long double stored) {
    if (RND(calculated) != RND(stored))
        trace.add(TTraceKind::Note, title + QStringLiteral(": sačuvana vrednost"),
                  QStringLiteral("uneta ili izmenjena posle obračuna; dalje se računa sa njom"),
                  {{QStringLiteral("po obračunu"), double(calculated)}}, stored);
}

// Regular work of a regular document: the pay basis, or a typed net the
// gross was worked back from.
long double explainRegularWork(TSalaryDM& dm, TCalcTrace& trace, const TDocumentValues& d, const TLineValues& l) {
    const long double fromBasis = RegularWorkForHours(dm, l.hours(), l.coefficient, &trace);
    const long double outturn = LineField(dm, "outturn")->asFloat();
    const long double withOutturn = RND(fromBasis * outturn / 100);
    if (outturn != 100)
        trace.add(TTraceKind::Note, QStringLiteral("Učinak"), QStringLiteral("redovan rad × učinak / 100"),
                  {{QStringLiteral("učinak %"), double(outturn)}}, withOutturn);
    if (RND(withOutturn) == RND(l.regularwork) || RND(fromBasis) == RND(l.regularwork))
        return l.regularwork;
    TCalcTrace fromNet;
    const long double gross = GrossOfNet(dm, d, l, l.paymentvalue, &fromNet);
    if (std::fabs(gross - l.salaryvalue) <= 1) {
        note(trace, QStringLiteral("Neto je unet"),
             QStringLiteral("bruto se traži od neta; redovan rad po osnovu, a ostatak bruta je razlika"),
             l.paymentvalue);
        for (const TTraceStep& step : fromNet.steps())
            trace.add(step.kind, step.title, step.rule, step.inputs, step.result);
    }
    keepStored(trace, QStringLiteral("Redovan rad"), withOutturn, l.regularwork);
    return l.regularwork;
}

void explainSupplements(TSalaryDM& dm, TCalcTrace& trace, const TLineValues& l) {
    const SupplementPrice p = LineSupplementPrice(dm);
    const TSalaryOptions& o = dm.Options;
    const struct {
        const char* title;
        long double hours;
        int percent;
        long double stored;
    } supplements[] = {
        {"Noćni rad", l.nightworkinghours, o.NightWorkingCoef, l.nightworkingvalue},
        {"Prekovremeni rad", l.overtimehours, o.NightWorkingCoef, l.overtimevalue},
        {"Rad na praznik", l.holidayworkinghours, o.HolidayWorkingCoef, l.holidayworkingvalue},
        {"Noćni rad na praznik", l.nightholidayworkinghours, o.NightWorkingCoef + o.HolidayWorkingCoef,
         l.nightholidayworkingvalue},
    };
    for (const auto& s : supplements) {
        if (s.hours == 0)
            continue;
        keepStored(trace, QString::fromUtf8(s.title), SupplementValue(p.price, s.hours, p.base, s.percent, &trace, s.title),
                   s.stored);
    }
}

void explainLeave(TSalaryDM& dm, TCalcTrace& trace, const TLineValues& l) {
    const bool sickStarts =
        TDBIniFile(*dm.ZConnection()).ReadBool(QStringLiteral("Salary"), QStringLiteral("SickStarts"), false);
    const struct {
        TLeaveKind kind;
        const char* title;
        long double stored;
    } kinds[] = {
        {TLeaveKind::Vacation, "Godišnji odmor", l.vacationvalue},
        {TLeaveKind::Sick, "Bolovanje do 30 dana", l.sickvalue},
        {TLeaveKind::PaidLeave, "Plaćeno odsustvo", l.paidleavevalue},
        {TLeaveKind::PublicHoliday, "Državni praznik", l.publicholidayvalue},
        {TLeaveKind::LongSick, "Bolovanje preko 30 dana", l.longsickvalue},
        {TLeaveKind::ChildCare, "Nega deteta", l.childcareleavevalue},
        {TLeaveKind::Maternity, "Porodiljsko odsustvo", l.maternityleavevalue},
    };
    for (const auto& k : kinds) {
        TAverageRequest request = LeaveRequest(dm, k.kind, sickStarts);
        if (request.hours == 0)
            continue;
        const QString title = QString::fromUtf8(k.title);
        note(trace, title, QStringLiteral("%1 sati iz prosečne zarade").arg(double(request.hours)), request.hours);
        request.trace = &trace;
        keepStored(trace, title, AverageEarningsAmount(dm, request), k.stored);
    }
}

// A transport allowance is paid net; its gross carries the document's one tax.
void explainTransport(TCalcTrace& trace, const TDocumentValues& d, const TLineValues& l) {
    trace.add(TTraceKind::Net, QStringLiteral("Neto"), QStringLiteral("cena zone prevoza za sate u fondu, ili uneti"), {},
              l.paymentvalue);
    trace.add(TTraceKind::Gross, QStringLiteral("Bruto"),
              QStringLiteral("neto iznad neoporezivog iznosa uvećan za porez dokumenta"),
              {{QStringLiteral("neto"), double(l.paymentvalue)},
               {QStringLiteral("porez %"), double(d.taxpercent)},
               {QStringLiteral("neoporezivi iznos"), double(d.taxfreevalue)}},
              l.salaryvalue);
}

}  // namespace

TCalcTrace ExplainLine(TSalaryDM& dm) {
    TCalcTrace trace;
    if (dm.SalaryItemZQ->isEmpty())
        return trace;
    const TDocumentValues d = CurrentDocument(dm);
    const TLineValues l = CurrentLine(dm);
    const bool roundTaxes = dm.Options.RoundTaxes;
    if (d.salarytype == QLatin1Char('P')) {
        explainTransport(trace, d, l);
    } else {
        long double regularWork = l.regularwork;
        if (d.salarytype == QLatin1Char('Z')) {
            regularWork = explainRegularWork(dm, trace, d, l);
            explainSupplements(dm, trace, l);
        }
        explainLeave(dm, trace, l);
        keepStored(trace, QStringLiteral("Bruto"), GrossOf(regularWork, d, l, roundTaxes, &trace), l.salaryvalue);
        const TLineComponents c = LineComponents(d, l, ShownRateItems(dm), l.salaryvalue, roundTaxes,
                                                 d.salarytype == QLatin1Char('B'), &trace);
        keepStored(trace, QStringLiteral("Neto"), c.net, l.paymentvalue);
    }
    const long double decreasedNet = DecreasedNetOfLine(dm, d, l, &trace);
    AmountForPayment(dm, d, l, decreasedNet, &trace);
    return trace;
}
