#include "PaySlip.h"

#include "FormatFloat.h"
#include "ReportFormat.h"
#include "RowValues.h"
#include "db/DataSet.h"

#include <cmath>

namespace {

// Hours of a kind and what they earned, in the order a slip lists them.
struct HourKind {
    const char* label;
    const char* hours;
    const char* value;
};

constexpr HourKind HourKinds[] = {
    {"Redovan rad", "workinghours", "regularwork"},
    {"Prekovremeni rad", "overtimehours", "overtimevalue"},
    {"Noćni rad", "nightworkinghours", "nightworkingvalue"},
    {"Rad na dan državnog praznika", "holidayworkinghours", "holidayworkingvalue"},
    {"Noćni rad na dan državnog praznika", "nightholidayworkinghours", "nightholidayworkingvalue"},
    {"Godišnji odmor", "vacationhours", "vacationvalue"},
    {"Plaćeno odsustvo", "paidleavehours", "paidleavevalue"},
    {"Državni praznik (neradni dan)", "publicholidayhours", "publicholidayvalue"},
    {"Bolovanje do 30 dana", "sickhours", "sickvalue"},
    {"Bolovanje preko 30 dana", "longsickhours", "longsickvalue"},
    {"Porodiljsko odsustvo", "maternityleavehours", "maternityleavevalue"},
    {"Odsustvo radi nege deteta", "childcareleavehours", "childcareleavevalue"},
    {"Odsustvo", "absencehours", "absencevalue"},
};

struct CoefficientHours {
    const char* label;
    const char* hours;
};

constexpr CoefficientHours CoefficientKinds[] = {
    {"redovan", "workinghours"},   {"noćni", "nightworkinghours"},
    {"prekovremeni", "overtimehours"}, {"praznik", "holidayworkinghours"},
    {"noćni praznik", "nightholidayworkinghours"},
};

QString Name(const char* name) { return QString::fromLatin1(name); }
QString Text(const char* text) { return QString::fromUtf8(text); }

QString Coefficient(double value) { return FormatFloat(QStringLiteral("0.00##"), value); }

// Collects the lines of a slip; lines with nothing in them are left out
// unless they must always be shown.
class TLines {
public:
    explicit TLines(const TRowValues& row) : row_(row) {}

    double number(const char* name) const { return row_.number(Name(name)); }

    void heading(const QString& text) { lines_.push_back({TRowStyle::Heading, {text}, 1}); }

    void line(const QString& label, const QString& quantity, const QString& rate, double amount, bool always = false,
              TRowStyle style = TRowStyle::Plain) {
        if (!always && IsZeroAmount(amount))
            return;
        lines_.push_back({style, {label, quantity, rate, MoneyText(amount)}});
    }

    // A line that explains without an amount of its own.
    void note(const QString& label, const QString& quantity) {
        lines_.push_back({TRowStyle::Plain, {label, quantity, QString(), QString()}});
    }

    void amount(const QString& label, const char* field, bool always = false) {
        line(label, QString(), QString(), number(field), always);
    }

    void rated(const QString& label, const char* rate, const char* field, bool always = false) {
        const double percent = number(rate);
        line(label, QString(), IsZeroAmount(percent) ? QString() : RateText(percent), number(field), always);
    }

    void total(const QString& label, const char* field, TRowStyle style = TRowStyle::Total) {
        line(label, QString(), QString(), number(field), true, style);
    }

    // Drops a heading that got no lines under it.
    void closePart() {
        if (!lines_.empty() && lines_.back().style == TRowStyle::Heading)
            lines_.pop_back();
    }

    std::vector<TRow> take() { return std::move(lines_); }

private:
    const TRowValues& row_;
    std::vector<TRow> lines_;
};

void AddHours(TLines& lines, const TDataSet* coefficients, const QList<int>& coefficientRows) {
    lines.heading(QStringLiteral("Časovi rada i naknade zarade"));
    for (const HourKind& kind : HourKinds) {
        const double hours = lines.number(kind.hours);
        const double value = lines.number(kind.value);
        if (!IsZeroAmount(hours) || !IsZeroAmount(value))
            lines.line(Text(kind.label), IsZeroAmount(hours) ? QString() : HoursText(hours), QString(), value, true);
    }
    // Work paid by several coefficients: the hours of each, to follow the amount.
    for (int row : coefficientRows) {
        const TRowValues values(*coefficients, row);
        QStringList parts;
        double sum = 0;
        for (const CoefficientHours& kind : CoefficientKinds) {
            const double hours = values.number(Name(kind.hours));
            if (IsZeroAmount(hours))
                continue;
            parts << QStringLiteral("%1 %2").arg(Text(kind.label), HoursText(hours));
            sum += hours;
        }
        lines.note(QStringLiteral("Koeficijent %1: %2")
                       .arg(Coefficient(values.number(QStringLiteral("coefficient"))), parts.join(QStringLiteral(", "))),
                   HoursText(sum));
    }
    const double total = lines.number("totalhours");
    if (!IsZeroAmount(total))
        lines.note(QStringLiteral("Ukupno časova"), HoursText(total));
    lines.closePart();
}

void AddSupplements(TLines& lines, const TDataSet* differences, const QList<int>& differenceRows) {
    lines.heading(QStringLiteral("Uvećanja, razlike i druga primanja"));
    const double years = lines.number("workingyears");
    const double yearsPercent = lines.number("workingyearspercent");
    lines.line(QStringLiteral("Minuli rad"), IsZeroAmount(years) ? QString() : QStringLiteral("%1 god.").arg(HoursText(years)),
               IsZeroAmount(yearsPercent) ? QString() : RateText(yearsPercent), lines.number("workingyearsvalue"));
    const double increment = lines.number("increment");
    const double decrement = lines.number("decrement");
    if (IsZeroAmount(increment) && IsZeroAmount(decrement)) {
        lines.amount(QStringLiteral("Uvećanje / umanjenje zarade"), "incdec");
    } else {
        lines.rated(QStringLiteral("Uvećanje zarade"), "incrementperc", "increment");
        const double percent = lines.number("decrementperc");
        lines.line(QStringLiteral("Umanjenje zarade"), QString(), IsZeroAmount(percent) ? QString() : RateText(percent),
                   -std::fabs(decrement));
    }
    if (differenceRows.isEmpty()) {
        lines.amount(QStringLiteral("Razlika zarade"), "difference");
    } else {
        for (int row : differenceRows) {
            const TRowValues values(*differences, row);
            const QString name = values.text(QStringLiteral("differencename"));
            lines.line(name.isEmpty() ? QStringLiteral("Razlika zarade") : name, QString(), QString(),
                       values.number(QStringLiteral("differencevalue")), true);
        }
    }
    const double mealHours = lines.number("mealrefundhours");
    lines.line(QStringLiteral("Topli obrok"), IsZeroAmount(mealHours) ? QString() : HoursText(mealHours), QString(),
               lines.number("mealrefund"));
    lines.amount(QStringLiteral("Regres za godišnji odmor"), "vacationrefund");
    lines.closePart();
}

void AddDeductions(TLines& lines, const TDataSet* credits, const QList<int>& creditRows) {
    lines.heading(QStringLiteral("Obustave"));
    for (int row : creditRows) {
        const TRowValues values(*credits, row);
        QString label = values.text(QStringLiteral("creditname"));
        const QString description = values.text(QStringLiteral("creditdescription"));
        if (!description.isEmpty())
            label += QStringLiteral(" – ") + description;
        lines.line(label, QString(), QString(), values.number(QStringLiteral("creditvalue")), true);
    }
    if (!IsZeroAmount(lines.number("credits")))
        lines.total(QStringLiteral("Ukupno obustave"), "credits", TRowStyle::Subtotal);
    lines.closePart();
}

void AddEarlierPayments(TLines& lines) {
    lines.heading(QStringLiteral("Ranije isplate u mesecu"));
    lines.amount(QStringLiteral("Bruto zarada"), "prevsalaryvalue");
    lines.amount(QStringLiteral("Doprinosi na teret zaposlenog"), "prevsub11");
    lines.amount(QStringLiteral("Porez"), IsZeroAmount(lines.number("prevsub2")) ? "prevtaxvalue" : "prevsub2");
    lines.amount(QStringLiteral("Neto zarada"), "prevpaymentvalue");
    lines.amount(QStringLiteral("Obustave"), "prevcredits");
    lines.amount(QStringLiteral("Isplaćeno"), "prevpaymentnetvalue");
    lines.closePart();
}

QString Joined(const QStringList& parts, const QString& separator) {
    QStringList present;
    for (const QString& part : parts)
        if (!part.isEmpty())
            present << part;
    return present.join(separator);
}

QList<QPair<QString, QString>> EmployeeBox(const TRowValues& row) {
    QList<QPair<QString, QString>> box;
    auto add = [&box](const QString& label, const QString& value) {
        if (!value.isEmpty())
            box.append({label, value});
    };
    add(QStringLiteral("Zaposleni"),
        Joined({row.text(QStringLiteral("lastname")), row.text(QStringLiteral("firstname"))}, QStringLiteral(" ")));
    add(QStringLiteral("Šifra"), row.text(QStringLiteral("code")));
    add(QStringLiteral("JMBG"), row.text(QStringLiteral("personalidentificator")));
    add(QStringLiteral("Org. jedinica"), Joined({row.text(QStringLiteral("organizationunit")),
                                                 row.text(QStringLiteral("suborganizationunit"))},
                                                QStringLiteral(" / ")));
    add(QStringLiteral("Radno mesto"), row.text(QStringLiteral("vocation")));
    add(QStringLiteral("Tekući račun"),
        Joined({row.text(QStringLiteral("account")), row.text(QStringLiteral("bankname"))}, QStringLiteral(", ")));
    add(QStringLiteral("Adresa"),
        Joined({row.text(QStringLiteral("address")), row.text(QStringLiteral("city"))}, QStringLiteral(", ")));
    const double fund = row.number(QStringLiteral("salaryworkinghours"));
    if (!IsZeroAmount(fund))
        add(QStringLiteral("Fond časova"), HoursText(fund));
    const double coefficient = row.number(QStringLiteral("coefficient"));
    if (!IsZeroAmount(coefficient))
        add(QStringLiteral("Koeficijent"), Coefficient(coefficient));
    const double outturn = row.number(QStringLiteral("outturn"));
    if (!IsZeroAmount(outturn))
        add(QStringLiteral("Radni učinak"), RateText(outturn));
    const double arranged = row.number(QStringLiteral("arrangedvalue"));
    if (!IsZeroAmount(arranged))
        add(QStringLiteral("Ugovorena zarada"), MoneyText(arranged));
    return box;
}

// Paid at the minimum wage: marked so, or lifted to the gross of the minimum.
bool PaidTheMinimum(const TRowValues& row) {
    if (row.flag(QStringLiteral("minsalary")))
        return true;
    const double minimum = row.number(QStringLiteral("calculatedminnetsalarygross"));
    return !IsZeroAmount(minimum) && IsZeroAmount(row.number(QStringLiteral("salaryvalue")) - minimum);
}

}  // namespace

std::vector<TColumn> PaySlipColumns() {
    return {{QStringLiteral("Opis"), false, true},
            {QStringLiteral("Količina"), true, false},
            {QStringLiteral("Stopa"), true, false},
            {QStringLiteral("Iznos"), true, false}};
}

TPaySlipBook::TPaySlipBook(const TDataSet* rows, const TDataSet* credits, const TDataSet* differences,
                           const TDataSet* coefficients, const TDocumentInfo& document, const TCompanyInfo& company,
                           const QStringList& texts)
    : rows_(rows), credits_(credits), differences_(differences), coefficients_(coefficients),
      creditRows_(IndexByEmployee(credits)), differenceRows_(IndexByEmployee(differences)),
      coefficientRows_(IndexByEmployee(coefficients)), document_(document), company_(company) {
    for (const QString& text : texts)
        if (!text.trimmed().isEmpty())
            texts_ << text.trimmed();
}

TPaySlipBook::Index TPaySlipBook::IndexByEmployee(const TDataSet* data) {
    Index index;
    if (!data || !data->active())
        return index;
    for (int row = 0; row < data->recordCount(); ++row)
        index[TRowValues(*data, row).key(QStringLiteral("employeeid"))].append(row);
    return index;
}

int TPaySlipBook::count() const { return rows_ && rows_->active() ? rows_->recordCount() : 0; }

TPaySlip TPaySlipBook::slip(int index) const {
    const TRowValues row(*rows_, index);
    const qint64 employee = row.key(QStringLiteral("employeeid"));
    TPaySlip slip;
    slip.code = row.text(QStringLiteral("code"));
    slip.employeeName =
        Joined({row.text(QStringLiteral("lastname")), row.text(QStringLiteral("firstname"))}, QStringLiteral(" "));
    slip.employee = EmployeeBox(row);
    slip.minimumWage = PaidTheMinimum(row);

    TLines lines(row);
    AddHours(lines, coefficients_, coefficientRows_.value(employee));
    AddSupplements(lines, differences_, differenceRows_.value(employee));
    lines.total(QStringLiteral("Bruto zarada"), "salaryvalue");
    lines.amount(QStringLiteral("Dobrovoljno penzijsko osiguranje"), "voluntarypension");

    lines.heading(QStringLiteral("Doprinosi na teret zaposlenog"));
    lines.amount(QStringLiteral("Osnovica za obračun doprinosa"), "sub1base", true);
    lines.rated(QStringLiteral("Doprinos za PIO"), "contributioncoef11", "sub111", true);
    lines.rated(QStringLiteral("Doprinos za zdravstveno osiguranje"), "contributioncoef12", "sub112", true);
    lines.rated(QStringLiteral("Doprinos za osiguranje za slučaj nezaposlenosti"), "contributioncoef13", "sub113", true);
    lines.total(QStringLiteral("Ukupno doprinosi zaposlenog"), "sub11", TRowStyle::Subtotal);

    lines.heading(QStringLiteral("Porez na zaradu"));
    lines.amount(QStringLiteral("Umanjenje poreske osnovice (neoporezivi iznos)"), "sub2basesub");
    lines.amount(QStringLiteral("Dodatno umanjenje poreske osnovice"), "sub2basesub2");
    lines.rated(QStringLiteral("Porez na zaradu"), "taxcoef", "sub2", true);

    lines.total(QStringLiteral("Neto zarada"), "paymentvalue");
    AddDeductions(lines, credits_, creditRows_.value(employee));
    lines.total(QStringLiteral("Za isplatu"), "paymentnetvalue");
    AddEarlierPayments(lines);
    lines.total(QStringLiteral("Isplaćuje se sada"), "cash");

    lines.heading(QStringLiteral("Doprinosi na teret poslodavca"));
    lines.rated(QStringLiteral("Doprinos za PIO"), "contributioncoef21", "sub121");
    lines.rated(QStringLiteral("Doprinos za zdravstveno osiguranje"), "contributioncoef22", "sub122");
    lines.rated(QStringLiteral("Doprinos za osiguranje za slučaj nezaposlenosti"), "contributioncoef23", "sub123");
    lines.amount(QStringLiteral("Doprinos za staž osiguranja s uvećanim trajanjem"), "sub124");
    lines.total(QStringLiteral("Ukupno doprinosi poslodavca"), "sub12", TRowStyle::Subtotal);

    slip.lines = lines.take();
    return slip;
}

QString TPaySlipBook::fileName(int index) const {
    const TRowValues row(*rows_, index);
    QString code = row.text(QStringLiteral("code"));
    if (code.isEmpty())
        code = row.text(QStringLiteral("employeeid"));
    // Only what every file system and mail program takes as it stands.
    QString safe;
    for (const QChar c : code)
        safe += (c.isLetterOrNumber() && c.unicode() < 128) || c == QLatin1Char('-') || c == QLatin1Char('_')
                  ? c
                  : QLatin1Char('_');
    if (safe.isEmpty())
        safe = QStringLiteral("%1").arg(index + 1);
    if (document_.hasPeriod())
        safe += QStringLiteral("-%1-%2").arg(document_.year, 4, 10, QLatin1Char('0')).arg(document_.month, 2, 10,
                                                                                            QLatin1Char('0'));
    return safe + QStringLiteral(".pdf");
}
