// The average-earnings base: what the employee earned per hour worked in
// the earlier posted regular documents of a window, with fallbacks for an
// employee without such history and floors at the document's minimum wage.

#include "AverageEarnings.h"

#include "CalcRounding.h"
#include "CalcSupport.h"
#include "PreDecreasedNet.h"
#include "TaxRules.h"

#include <algorithm>
#include <unordered_set>

namespace {

// What one earlier line adds to the average; the sums follow the stored
// columns, a document without month hours adding nothing of its meal
// allowance or regular pay.
struct EarlierLineSums {
    long double salary = 0;  // regular pay: the gross without leave pay and allowances
    long double other = 0;   // allowances and differences
    long double hours = 0;   // hours worked
};

EarlierLineSums earlierLineSums(const TEarlierLine& earlier, bool maternity, const TSalaryOptions& options) {
    const TLineValues& l = earlier.line;
    const long double monthHours = earlier.document.workinghours;
    const THours h = l.hours();
    const bool withoutAllowances = options.MealVacNotIncludedInQuarterlyAverages;
    EarlierLineSums sums;
    sums.hours = maternity && !withoutAllowances ? h.meal() : h.worked();
    if (monthHours == 0) {
        sums.other = withoutAllowances ? l.difference : 0;
        return sums;
    }
    const long double mealHours = maternity && withoutAllowances ? h.worked() : h.meal();
    sums.salary = l.salaryvalue
        - (l.vacationvalue + l.sickvalue + l.longsickvalue + l.paidleavevalue + l.publicholidayvalue
           + mealHours / monthHours * l.mealrefund + l.vacationrefund + l.difference);
    sums.other = withoutAllowances ? l.difference
                                   : h.meal() / monthHours * l.mealrefund + l.vacationrefund + l.difference;
    return sums;
}

// Everything one calculation reads of the current line and document.
class AverageEarnings {
public:
    AverageEarnings(TSalaryDM& dm, const TAverageRequest& request)
        : dm_(dm), rq_(request), d_(CurrentDocument(dm)), l_(CurrentLine(dm)) {
        const TCorrection c = Correction(RateItemsOfSet(dm, d_.salarytaxid), l_.workingstateid);
        minimumGross_ = RND(GrossUp(d_.minnetsalaryvalue, c.percent, c.correction));
        decreaseThreshold_ = RND(GrossUp(d_.netdecreaseminvalue, c.percent, c.correction));
        part_ = d_.partcoefficient / 100;
        monthHours_ = d_.workinghours;
    }

    long double amount() {
        const qint64 employee = dm_.SalaryItemZQ->fieldByName(QStringLiteral("employeeid"))->asLargeInt();
        const TEmployeeEarnings& earnings = dm_.LeaveHistory().Earnings(
            *dm_.ZConnection(), employee, WindowSpan(rq_.window, d_.paymentdate, rq_.size));
        const TWindowDocuments window = SelectWindow(rq_.window, earnings.lines, d_.paymentdate, rq_.size);
        if (rq_.trace)
            rq_.trace->add(TTraceKind::Note, QStringLiteral("Prozor proseka"), windowRule(),
                           {{QStringLiteral("dokumenata u prozoru"), double(rq_.size)},
                            {QStringLiteral("nađeno"), double(window.salaryIds.size())}},
                           double(window.salaryIds.size()));
        long double amount = window.salaryIds.empty() ? withoutHistory(earnings) : fromHistory(earnings, window);
        if (rq_.sickFloor) {
            const long double floor = minimumAmount(l_.sickhours);
            if (rq_.trace)
                rq_.trace->add(TTraceKind::Note, QStringLiteral("Najniža naknada bolovanja"),
                               floor > amount ? QStringLiteral("naknada iz proseka je ispod najnižeg bruta za sate: "
                                                               "isplaćuje se najniži")
                                              : QStringLiteral("naknada iz proseka nije ispod najnižeg bruta za sate"),
                               {{QStringLiteral("iz proseka"), double(amount)}, {QStringLiteral("najniža"), double(floor)}},
                               std::max(amount, floor));
            amount = std::max(amount, floor);
        }
        if (rq_.trace)
            rq_.trace->add(TTraceKind::Note, QStringLiteral("Naknada"),
                           QStringLiteral("prosek po satu × sati odsustva × procenat zarade × procenat naknade"),
                           {{QStringLiteral("sati"), double(rq_.hours)},
                            {QStringLiteral("procenat naknade"), double(rq_.payFactor * 100)}},
                           amount);
        return amount;
    }

private:
    QString windowRule() const {
        switch (rq_.window) {
        case TLeaveWindow::Dated: return QStringLiteral("dokumenti isplaćeni u mesecima pre isplate ove zarade");
        case TLeaveWindow::SickStart: return QStringLiteral("bolovanje počinje: meseci pre isplate sa radnim satima");
        case TLeaveWindow::SickContinued:
            return QStringLiteral("bolovanje traje: mesec ranije, bez prvog meseca bolovanja");
        case TLeaveWindow::LongSick: return QStringLiteral("tri dokumenta pre dugog bolovanja");
        case TLeaveWindow::LastN: return QStringLiteral("poslednji dokumenti");
        }
        return {};
    }

    // The minimum gross for the hours; nothing without month hours.
    long double minimumAmount(long double hours) const {
        return monthHours_ == 0 ? 0 : RND(part_ * hours * minimumGross_ / monthHours_);
    }

    // A month's average from the earlier averages entered on the employee
    // (the latest `months` of them), 0 when they have no hours.
    long double enteredAverage(const TEmployeeEarnings& earnings, long double months) const {
        long double value = 0, hours = 0;
        for (size_t i = 0; i < earnings.earlierAverages.size() && i < months; ++i) {
            value += earnings.earlierAverages[i].workingvalue;
            hours += earnings.earlierAverages[i].workinghours;
        }
        return hours == 0 ? 0 : value / hours * monthHours_;
    }

    // A month's pay from the line's coefficient at the document's point
    // value, decreased as the document decreases net pay; 0 for coefficient 1.
    long double coefficientAverage() const {
        long double month = 0;
        if (l_.coefficient > 1) {
            const long double base = RND(l_.coefficient * d_.baudvalue);
            month = dm_.Options.MealVacIncludedInCoeffSal
                ? RND(base - l_.mealrefund - l_.vacationrefund)
                : RND(base * (1 + l_.workingyears * d_.workingyearsincrementpercent / 100));
        }
        const long double decreased = RND((1 - d_.netdecreasepercent / 100) * month);
        return decreased > decreaseThreshold_ ? decreased : month;
    }

    long double withoutHistory(const TEmployeeEarnings& earnings) const {
        long double month = earnings.averagesalaryvalue;
        if (month == 0 && rq_.earlierAverages)
            month = enteredAverage(earnings, 12);
        if (month == 0)
            month = coefficientAverage();
        if (rq_.trace)
            rq_.trace->add(TTraceKind::Note, QStringLiteral("Mesečni prosek bez istorije"),
                           QStringLiteral("prosek unet kod zaposlenog, raniji unosi ili koeficijent × vrednost boda; "
                                          "ne manje od najnižeg bruta"),
                           {{QStringLiteral("prosek"), double(month)}, {QStringLiteral("najniži bruto"), double(minimumGross_)}},
                           std::max(month, minimumGross_));
        month = std::max(month, minimumGross_);
        if (monthHours_ == 0)
            return 0;
        return RND(part_ * rq_.hours * month / monthHours_ * rq_.payFactor);
    }

    long double fromHistory(const TEmployeeEarnings& earnings, const TWindowDocuments& window) {
        const std::unordered_set<qint64> chosen(window.salaryIds.begin(), window.salaryIds.end());
        long double salary = 0, hours = 0;
        int lines = 0;
        // Oldest first; months without worked hours add nothing.
        for (auto it = earnings.lines.rbegin(); it != earnings.lines.rend(); ++it) {
            if (!chosen.count(it->document.salaryid))
                continue;
            ++lines;
            const EarlierLineSums sums = earlierLineSums(*it, rq_.maternity, dm_.Options);
            if (sums.hours <= 0)
                continue;
            hours += sums.hours;
            const long double factor = NetDecreaseOfLine(dm_, *it).factor;
            salary += sums.salary * factor + sums.other;
            if (rq_.trace)
                rq_.trace->add(TTraceKind::Note,
                               QStringLiteral("Mesec %1").arg(it->document.paymentdate.toString(QStringLiteral("MM.yyyy"))),
                               QStringLiteral("redovna zarada × udeo posle umanjenja neta + dodaci, za radne sate"),
                               {{QStringLiteral("redovna zarada"), double(sums.salary)},
                                {QStringLiteral("udeo posle umanjenja"), double(factor)},
                                {QStringLiteral("dodaci"), double(sums.other)},
                                {QStringLiteral("radni sati"), double(sums.hours)}},
                               sums.salary * factor + sums.other);
        }
        const long double h = rq_.hours;
        const long double w = monthHours_;
        const long double pay = rq_.payFactor;
        if (rq_.earlierAverages && !earnings.earlierAverages.empty() && earnings.averagesalaryvalue == 0) {
            // Months of the window without history take the entered averages.
            const long double missing = rq_.size - lines;
            long double month = enteredAverage(earnings, std::max<long double>(missing, 0));
            if (month == 0)
                month = coefficientAverage();
            month = std::max(month, minimumGross_);
            const long double divisor = w * missing + hours;
            if (divisor == 0)
                return minimumAmount(h);
            const long double amount = RND((missing * month + salary) * part_ * h / divisor * pay);
            return w != 0 && amount < h * minimumGross_ / w ? minimumAmount(h) : amount;
        }
        if (w == 0 && hours == 0) {
            // Without worked hours there is no first line to take a
            // coefficient from, so only a stored average counts.
            if (window.monthHours == 0)
                return minimumAmount(h);
            return RND(rq_.size * earnings.averagesalaryvalue * part_ * h / window.monthHours * pay);
        }
        if (w == 0)
            return RND(salary * part_ * h / hours * pay);
        if (hours != 0) {
            const long double averageHourPrice = RND(salary / hours * pay);
            const long double minimumHourPrice = RND(minimumGross_ / w);
            if (minimumHourPrice <= averageHourPrice)
                return RND(salary * part_ * h / hours * pay);
            return minimumAmount(h);
        }
        const long double arranged = dm_.CalculateArrangedWork(int(w));
        if (minimumGross_ <= arranged * pay)
            return RND(part_ * h * arranged / w * (1 + l_.workingyears * d_.workingyearsincrementpercent / 100) * pay);
        return minimumAmount(h);
    }

    TSalaryDM& dm_;
    const TAverageRequest& rq_;
    const TDocumentValues d_;
    const TLineValues l_;
    long double minimumGross_ = 0;
    long double decreaseThreshold_ = 0;
    long double part_ = 0;
    long double monthHours_ = 0;
};

// The widest span any window of the open document reaches: a sick-leave
// document's long-sick and latest-documents windows need all the history,
// the others at most a sick leave's window of 12 months and one more.
THistorySpan PreloadSpan(TSalaryDM& dm) {
    const TDocumentValues& d = CurrentDocument(dm);
    if (d.salarytype == QLatin1Char('B'))
        return {};
    return WindowSpan(TLeaveWindow::SickContinued, d.paymentdate, 12);
}

}  // namespace

double AverageEarningsAmount(TSalaryDM& dm, const TAverageRequest& request) {
    if (dm.SalaryItemZQ->isEmpty() || request.hours == 0)
        return 0;
    return double(AverageEarnings(dm, request).amount());
}

TLeaveHistory& TSalaryDM::LeaveHistory() {
    if (!leaveHistory_)
        leaveHistory_ = std::make_shared<TLeaveHistory>();
    return *leaveHistory_;
}

void TSalaryDM::PreloadLeaveHistory(const QList<qint64>& EmployeeIDs) {
    LeaveHistory().Preload(*ZConnection(), EmployeeIDs, PreloadSpan(*this));
}

void TSalaryDM::PreloadLeaveHistory() {
    const TDataSet& lines = *SalaryItemZQ;
    const int employee = lines.fieldByName(QStringLiteral("employeeid"))->index();
    QList<qint64> employees;
    employees.reserve(lines.recordCount());
    for (int row = 0; row < lines.recordCount(); ++row)
        employees << lines.valueAt(row, employee).toLongLong();
    PreloadLeaveHistory(employees);
}

void TSalaryDM::ForgetLeaveHistory() { LeaveHistory().Forget(); }

TNetDecrease NetDecreaseOfLine(TSalaryDM& dm, const TEarlierLine& earlier) {
    const TDocumentValues& d = earlier.document;
    const TLineValues& l = earlier.line;
    const long double monthHours = d.workinghours;
    TNetDecrease decrease;
    decrease.net = l.paymentvalue;
    if (d.netdecreasepercent <= 0 || monthHours == 0)
        return decrease;
    const TPreDecreasedNet full = PreDecreasedNetOfLine(dm, d, l, 0);
    const TPreDecreasedNet reduced = PreDecreasedNetOfLine(dm, d, l, d.netdecreasepercent);
    decrease.pensionRelief = reduced.pensionRelief;
    const THours h = l.hours();
    const long double worked = h.worked();
    const long double threshold = worked * d.netdecreaseminvalue / monthHours;
    long double net;  // before the decrease
    if (threshold >= full.workNet)
        net = l.paymentvalue;
    else if (threshold < reduced.workNet || threshold < reduced.regularNet)
        net = RND(reduced.regularNet + full.otherNet);
    else
        net = RND(threshold + full.otherNet);
    decrease.net = net;
    if (double(l.paymentvalue) == double(net) || RND(l.paymentvalue - reduced.pensionRelief - full.otherNet) == 0)
        return decrease;
    const TCorrection c = Correction(RateItemsOfSet(dm, d.salarytaxid), l.workingstateid);
    const long double paid = h.all();
    const long double relief = paid <= monthHours ? paid / monthHours * c.correction : c.correction;
    const long double gross = RND(GrossUp(net, c.percent, relief));
    long double kept = l.vacationvalue + l.sickvalue + l.longsickvalue + l.maternityleavevalue + l.childcareleavevalue
        + l.paidleavevalue + l.publicholidayvalue + l.absencevalue + h.meal() / monthHours * l.mealrefund
        + l.vacationrefund + l.difference;
    if (dm.Options.CompareNetDecreaseMinValueRegularWork) {
        kept += l.increment - l.decrement;
        if (l.workinghours != 0)
            kept += l.workingyears * l.regularwork * d.workingyearsincrementpercent / 100 * worked / l.workinghours;
    }
    decrease.kept = kept;
    if (l.salaryvalue != kept)
        decrease.factor = (gross - kept) / (l.salaryvalue - kept);
    return decrease;
}
