// The statistical form of earnings: the recapitulation of three categories
// of employees (sub-organisational units by name) in whole dinars, with the
// supplements split from the regular pay they are paid on.

#include "PaymentSets.h"
#include "Recapitulation.h"
#include "Rounding.h"
#include "SalaryDM.h"

#include <array>

namespace {

constexpr const char* Categories[] = {"Starozaposleni", "Novozaposleni", "Poslovodstvo"};

#define ZARADE_MEASURE_MEMBER(name, label) long double name = 0;
struct Measures {
    ZARADE_ZIP_FORM_MEASURES(ZARADE_MEASURE_MEMBER)
};
#undef ZARADE_MEASURE_MEMBER

Measures measuresOf(const TDataSet& recapitulation, int row, long double n, long double h) {
    const auto value = [&](const char* name) -> long double {
        return recapitulation.valueAt(row, recapitulation.fieldByName(QLatin1String(name))->index()).toDouble();
    };
    Measures m;
    m.count = value("count");
    m.totalworkinghours = Round(value("workinghours")) + Round(value("overtimehours")) + value("holidayworkinghours")
        + value("nightholidayworkinghours") + value("nightworkinghours");
    m.overtimecount = value("countovertime");
    m.overtimehours = Round(value("overtimehours"));
    m.salaryvalue = Round(value("salaryvalue"));
    const long double holiday = value("holidayworkingvalue");
    const long double night = value("nightworkingvalue");
    const long double nightHoliday = value("nightholidayworkingvalue");
    // What the supplements are paid on, and their own shares; the night
    // holiday value is split between the two supplements by their percentages.
    const long double holidayBase = holiday / (1 + h / 100);
    const long double nightHolidayBase = nightHoliday / (1 + (n + h) / 100);
    const long double nightBase = night / (1 + n / 100);
    m.regularwork = Round(value("regularwork")) + Round(holidayBase + nightHolidayBase) + Round(nightBase);
    m.workingyearsvalue = Round(value("workingyearsvalue"));
    m.overtimevalue = Round(value("overtimevalue") / (1 + n / 100) * n / 100);
    m.holidayworkingvalue = Round(holiday - holidayBase + nightHolidayBase * h / 100);
    m.nightworkingvalue = Round(night - nightBase + nightHolidayBase * n / 100);
    m.mealrefund = Round(value("mealrefund"));
    m.vacationrefund = Round(value("vacationrefund"));
    m.othervalue = m.salaryvalue - m.regularwork - m.workingyearsvalue - m.overtimevalue - m.holidayworkingvalue
        - m.nightworkingvalue - m.mealrefund - m.vacationrefund;
    // A dinar of rounding is not a payment of its own.
    if (m.othervalue >= -1 && m.othervalue <= 1) {
        m.vacationrefund += m.othervalue;
        m.othervalue = 0;
    }
    m.averagevalue = m.count > 0 ? Round(m.salaryvalue / m.count) : 0;
    return m;
}

}  // namespace

void PrepareZipForm(TSalaryDM& dm) {
    SetPaymentListsIndex(dm, SubOrganizationUnitIndex);
    PrepareRecapitulation(dm, RecapitulationAll, true);
    SetPaymentListsIndex(dm, QString());
    const TDataSet& recapitulation = *dm.RecapitulationCDS;
    const int key = recapitulation.fieldByName(QStringLiteral("suborganizationunit"))->index();
    std::array<Measures, 3> categories{};
    for (int r = 0; r < recapitulation.recordCount(); ++r)
        for (size_t k = 0; k < 3; ++k)
            if (recapitulation.valueAt(r, key).toString() == QLatin1String(Categories[k]))
                categories[k] = measuresOf(recapitulation, r, dm.Options.NightWorkingCoef,
                                           dm.Options.HolidayWorkingCoef);
    TDataSet& form = *dm.ZipFormCDS;
    std::vector<QVariant> row(size_t(form.fieldCount()));
    const auto put = [&](const char* name, long double Measures::*measure) {
        long double total = 0;
        for (size_t k = 0; k < 3; ++k) {
            const long double v = categories[k].*measure;
            total += v;
            row[size_t(form.fieldByName(QLatin1String(name) + QString::number(k + 1))->index())] = qlonglong(v);
        }
        row[size_t(form.fieldByName(QLatin1String(name))->index())] = qlonglong(total);
    };
#define ZARADE_PUT(name, label) put(#name, &Measures::name);
    ZARADE_ZIP_FORM_MEASURES(ZARADE_PUT)
#undef ZARADE_PUT
    form.emptyDataSet();
    form.appendRecords({std::move(row)});
}
