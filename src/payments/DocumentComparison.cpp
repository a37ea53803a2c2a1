#include "DocumentComparison.h"

#include "CalcFields.h"
#include "CalcRounding.h"
#include "PayBasis.h"
#include "RateItems.h"
#include "SalaryDM.h"
#include "TaxRules.h"
#include "db/Connection.h"
#include "db/DataSet.h"
#include "db/DbError.h"
#include "db/MemoryColumn.h"

#include <QSqlQuery>

#include <cmath>
#include <map>

namespace {

struct StoredDocument {
    TDocumentValues values;
    TRateItems items;
    struct Line {
        TLineValues values;
        QString code, lastname, firstname;
        double credits = 0;
    };
    std::map<qint64, Line> lines;  // by employee
};

StoredDocument loadDocument(Connection& connection, qint64 salaryId) {
    StoredDocument document;
    QSqlQuery header = connection.exec(QStringLiteral("SELECT * FROM salary WHERE salaryid = ?"), {salaryId});
    if (!header.next())
        throw EDatabaseError(QStringLiteral("Zarada broj %1 ne postoji.").arg(salaryId));
    document.values = DocumentOfRow(header);
    document.items = LoadRateItems(connection, document.values.salarytaxid);
    // The line query of the editor: the employee's pay basis comes with it.
    QSqlQuery lines = connection.exec(SalaryItemSql(), QVariantMap{{QStringLiteral("IDSalary"), salaryId}});
    while (lines.next()) {
        StoredDocument::Line& line = document.lines[lines.value(QStringLiteral("employeeid")).toLongLong()];
        line.values = LineOfRow(lines);
        line.code = lines.value(QStringLiteral("code")).toString();
        line.lastname = lines.value(QStringLiteral("lastname")).toString();
        line.firstname = lines.value(QStringLiteral("firstname")).toString();
        line.credits = lines.value(QStringLiteral("credits")).toDouble();
    }
    return document;
}

// The columns that explain the change of net, in the order shown; Other is
// what is left of the change once the others are rounded.
enum Cause {
    PointValue, Coefficient, Hours, PayBasis, WorkingYears, MinimumWage, Supplements, Leave, Allowances, Raises,
    Parameters, Entry, Other, CauseCount
};
constexpr const char* CauseColumns[CauseCount][2] = {
    {"bypointvalue", "Vrednost boda"}, {"bycoefficient", "Koeficijent"},     {"byhours", "Sati"},
    {"bypaybasis", "Osnov zarade"},    {"byworkingyears", "Minuli rad"},    {"byminimumwage", "Minimalna zarada"},
    {"bysupplements", "Dodaci"},       {"byleave", "Naknade"},             {"byallowances", "Obrok i regres"},
    {"byraises", "Stimulacija i razlike"}, {"byparameters", "Stope, neoporezivi iznos, osnovice"},
    {"byentry", "Dolazak ili odlazak"}, {"byother", "Ostalo i zaokruživanje"},
};

// The gross of a line in the groups whose changes are told apart.
struct GrossGroups {
    long double work = 0, supplements = 0, leave = 0, allowances = 0, raises = 0;
    long double serviceFactor = 1;
    long double total() const { return work + supplements + leave + allowances + raises; }
};

GrossGroups groupsOf(const TDocumentValues& d, const TLineValues& l) {
    const TGrossParts parts = GrossParts(l.regularwork, d, l);
    GrossGroups g;
    g.work = l.regularwork + parts.workingYears;
    g.serviceFactor = l.regularwork != 0 ? g.work / l.regularwork : 1;
    g.supplements = l.nightworkingvalue + l.overtimevalue + l.holidayworkingvalue + l.nightholidayworkingvalue;
    g.leave = l.vacationvalue + l.sickvalue + l.longsickvalue + l.paidleavevalue + l.publicholidayvalue
        + l.absencevalue + l.maternityleavevalue + l.childcareleavevalue;
    g.allowances = parts.meal + l.vacationrefund;
    g.raises = l.increment - l.decrement + l.difference;
    return g;
}

long double monthShare(const TDocumentValues& d, const TLineValues& l) {
    return d.workinghours > 0 ? d.partcoefficient / 100 * l.workinghours / d.workinghours : 0;
}

// Splits the change of the work's gross (regular work with years of
// service) over the factors of its pay basis: each factor takes the
// logarithmic mean of the work times the log of its own growth, so that the
// parts add to the change whenever the factors explain it; the rest is
// left to the remainder (rounding, the minimum gross floor, the outturn).
void splitWork(const TDocumentValues& d0, const TLineValues& l0, const GrossGroups& g0,
                      const TDocumentValues& d1, const TLineValues& l1, const GrossGroups& g1, long double netPerGross,
                      long double* by) {
    const long double change = g1.work - g0.work;
    if (change == 0)
        return;
    const TPayBasis basis0 = PayBasisOf(l0, l0.coefficient), basis1 = PayBasisOf(l1, l1.coefficient);
    if (basis0 != basis1 || g0.work <= 0 || g1.work <= 0) {
        by[basis0 != basis1 ? PayBasis : Hours] += change * netPerGross;
        return;
    }
    const long double growth = std::log(g1.work / g0.work);
    const long double mean = growth == 0 ? g0.work : change / growth;
    const auto factor = [&](Cause cause, long double before, long double after) {
        if (before <= 0 || after <= 0)
            return;
        const long double part = mean * std::log(after / before);
        by[cause] += part * netPerGross;
    };
    factor(Hours, monthShare(d0, l0), monthShare(d1, l1));
    factor(WorkingYears, g0.serviceFactor, g1.serviceFactor);
    switch (basis1) {
    case TPayBasis::MinimumWage: factor(MinimumWage, d0.minnetsalaryvalue, d1.minnetsalaryvalue); break;
    case TPayBasis::AgreedGross: factor(PayBasis, l0.arrangedsalaryvalue, l1.arrangedsalaryvalue); break;
    case TPayBasis::AgreedNet: factor(PayBasis, l0.arrangedpaymentvalue, l1.arrangedpaymentvalue); break;
    case TPayBasis::Coefficient:
        factor(PointValue, d0.baudvalue, d1.baudvalue);
        factor(Coefficient, l0.coefficient, l1.coefficient);
        break;
    case TPayBasis::NetCoefficient:
        factor(PointValue, d0.baudvalue, d1.baudvalue);
        factor(Coefficient, l0.netcoefficient, l1.netcoefficient);
        break;
    }
}

QString basisName(TPayBasis basis) {
    switch (basis) {
    case TPayBasis::MinimumWage: return QStringLiteral("minimalna zarada");
    case TPayBasis::AgreedGross: return QStringLiteral("ugovoreni bruto");
    case TPayBasis::AgreedNet: return QStringLiteral("ugovoreni neto");
    case TPayBasis::Coefficient: return QStringLiteral("koeficijent");
    case TPayBasis::NetCoefficient: return QStringLiteral("neto koeficijent");
    }
    return {};
}

// The net change of a line present in both documents, by cause. The net
// the later line would have under the earlier document's rates, bases and
// tax-free amount (with the later month's fund, which goes with its hours)
// parts what the rules changed from what the gross changed; the change of
// gross is taken into net at the rate the earlier rules turn it.
void explainChange(TSalaryDM& dm, const StoredDocument& before, const StoredDocument::Line& b,
                   const StoredDocument& after, const StoredDocument::Line& a, long double* by, QStringList& notes) {
    const TDocumentValues& d0 = before.values;
    const TDocumentValues& d1 = after.values;
    const TLineValues& l0 = b.values;
    const TLineValues& l1 = a.values;
    const bool sick = d1.salarytype == QLatin1Char('B');
    const bool roundTaxes = dm.Options.RoundTaxes;
    const auto earlierNet = [&](const TDocumentValues& d, const TLineValues& l, long double gross) {
        return LineComponents(d, l, before.items, gross, roundTaxes, sick).net;
    };
    TDocumentValues earlierRules = d0;
    earlierRules.workinghours = d1.workinghours;
    const long double recalculated = earlierNet(d0, l0, l0.salaryvalue);
    const long double laterGrossEarlierRules = earlierNet(earlierRules, l1, l1.salaryvalue);
    by[Parameters] = l1.paymentvalue - laterGrossEarlierRules;
    const long double grossNet = laterGrossEarlierRules - recalculated;
    const long double grossChange = l1.salaryvalue - l0.salaryvalue;
    // Net per dinar of gross: the change's own where the gross moved, else at the margin.
    const long double netPerGross = std::fabs(grossChange) >= 1
        ? grossNet / grossChange
        : (earlierNet(earlierRules, l1, l1.salaryvalue + 100) - laterGrossEarlierRules) / 100;
    const GrossGroups g0 = groupsOf(d0, l0), g1 = groupsOf(d1, l1);
    const auto part = [&](Cause cause, long double b0, long double b1) { by[cause] += (b1 - b0) * netPerGross; };
    splitWork(d0, l0, g0, d1, l1, g1, netPerGross, by);
    part(Supplements, g0.supplements, g1.supplements);
    part(Leave, g0.leave, g1.leave);
    part(Allowances, g0.allowances, g1.allowances);
    part(Raises, g0.raises, g1.raises);
    const TPayBasis basis0 = PayBasisOf(l0, l0.coefficient), basis1 = PayBasisOf(l1, l1.coefficient);
    if (basis0 != basis1)
        notes << QStringLiteral("osnov zarade: %1 → %2").arg(basisName(basis0), basisName(basis1));
    if (b.credits == 0 && a.credits != 0)
        notes << QStringLiteral("obustave počele");
    else if (b.credits != 0 && a.credits == 0)
        notes << QStringLiteral("obustave završene");
    else if (RND(b.credits) != RND(a.credits))
        notes << QStringLiteral("obustave promenjene");
}

void defineRows(TDataSet& rows) {
    if (rows.fieldCount() != 0)
        return;
    const auto add = [&rows](const char* name, ColumnType type, int size, const char* label) {
        rows.addField(MemoryColumn(name, type, size, label));
    };
    add("code", ColumnType::String, 20, "Šifra");
    add("lastname", ColumnType::String, 50, "Prezime");
    add("firstname", ColumnType::String, 50, "Ime");
    add("status", ColumnType::String, 20, "Status");
    add("grossbefore", ColumnType::Float, 0, "Bruto ranije");
    add("grossafter", ColumnType::Float, 0, "Bruto sada");
    add("grosschange", ColumnType::Float, 0, "Promena bruta");
    add("netbefore", ColumnType::Float, 0, "Neto ranije");
    add("netafter", ColumnType::Float, 0, "Neto sada");
    add("netchange", ColumnType::Float, 0, "Promena neta");
    add("paymentbefore", ColumnType::Float, 0, "Za isplatu ranije");
    add("paymentafter", ColumnType::Float, 0, "Za isplatu sada");
    add("paymentchange", ColumnType::Float, 0, "Promena za isplatu");
    for (const auto& cause : CauseColumns)
        add(cause[0], ColumnType::Float, 0, cause[1]);
    add("bydecrease", ColumnType::Float, 0, "Umanjenje neta");
    add("bydeductions", ColumnType::Float, 0, "Obustave");
    add("notes", ColumnType::String, 200, "Napomena");
    add("changesize", ColumnType::Float, 0, "Veličina promene");
}

}  // namespace

qint64 PreviousPostedDocument(Connection& connection, qint64 salaryId) {
    QSqlQuery found = connection.exec(
        QStringLiteral("SELECT p.salaryid FROM salary AS s JOIN salary AS p ON p.salarytype = s.salarytype "
                       "AND p.status = 'p' AND (p.year < s.year OR (p.year = s.year AND (p.month < s.month "
                       "OR (p.month = s.month AND p.salarynumber < s.salarynumber)))) "
                       "WHERE s.salaryid = ? ORDER BY p.year DESC, p.month DESC, p.salarynumber DESC LIMIT 1"),
        {salaryId});
    return found.next() ? found.value(0).toLongLong() : 0;
}

QString DocumentTitle(Connection& connection, qint64 salaryId) {
    QSqlQuery q = connection.exec(QStringLiteral("SELECT month, year, salarynumber FROM salary WHERE salaryid = ?"),
                                  {salaryId});
    if (!q.next())
        return {};
    return QStringLiteral("%1/%2 br. %3").arg(q.value(0).toInt()).arg(q.value(1).toInt()).arg(q.value(2).toInt());
}

void FillDocumentComparison(TSalaryDM& dm, qint64 salaryId, qint64 previousId, TDataSet& rows) {
    Connection& connection = *dm.ZConnection();
    const StoredDocument after = loadDocument(connection, salaryId);
    const StoredDocument before = loadDocument(connection, previousId);
    defineRows(rows);
    if (!rows.active())
        rows.open();
    rows.disableControls();
    rows.emptyDataSet();
    std::map<qint64, std::pair<const StoredDocument::Line*, const StoredDocument::Line*>> employees;
    for (const auto& [id, line] : before.lines)
        employees[id].first = &line;
    for (const auto& [id, line] : after.lines)
        employees[id].second = &line;
    for (const auto& [id, pair] : employees) {
        const auto [b, a] = pair;
        const StoredDocument::Line& named = a ? *a : *b;
        const TLineValues none;
        const TLineValues& l0 = b ? b->values : none;
        const TLineValues& l1 = a ? a->values : none;
        long double by[CauseCount] = {};
        QStringList notes;
        QString status;
        if (a && b) {
            explainChange(dm, before, *b, after, *a, by, notes);
        } else {
            status = a ? QStringLiteral("novi") : QStringLiteral("otišao");
            by[Entry] = l1.paymentvalue - l0.paymentvalue;
        }
        const long double netChange = l1.paymentvalue - l0.paymentvalue;
        rows.append();
        const auto set = [&rows](const char* name, const QVariant& value) {
            rows.fieldByName(QLatin1String(name))->setValue(value);
        };
        const auto money = [&](const char* name, long double value) { set(name, double(RND(value))); };
        set("code", named.code);
        set("lastname", named.lastname);
        set("firstname", named.firstname);
        set("status", status);
        money("grossbefore", l0.salaryvalue);
        money("grossafter", l1.salaryvalue);
        money("grosschange", l1.salaryvalue - l0.salaryvalue);
        money("netbefore", l0.paymentvalue);
        money("netafter", l1.paymentvalue);
        money("netchange", netChange);
        money("paymentbefore", l0.paymentnetvalue);
        money("paymentafter", l1.paymentnetvalue);
        money("paymentchange", l1.paymentnetvalue - l0.paymentnetvalue);
        // Rounded one by one, the causes would miss the change by a para or
        // two: the remainder takes what the rounding left.
        long double shown = 0;
        for (int cause = 0; cause < Other; ++cause) {
            money(CauseColumns[cause][0], by[cause]);
            shown += RND(by[cause]);
        }
        money("byother", RND(netChange) - shown);
        money("bydecrease", (l1.paymentdecreasedvalue - l1.paymentvalue) - (l0.paymentdecreasedvalue - l0.paymentvalue));
        money("bydeductions", (l1.paymentnetvalue - l1.paymentdecreasedvalue) - (l0.paymentnetvalue - l0.paymentdecreasedvalue));
        set("notes", notes.join(QStringLiteral("; ")));
        money("changesize", std::fabs(netChange));
        rows.post();
    }
    rows.setSortFields(QStringLiteral("changesize DESC, code"));
    rows.enableControls();
    rows.first();
}
