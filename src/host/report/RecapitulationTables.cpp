#include "RecapitulationTables.h"

#include "ListTable.h"
#include "ReportFormat.h"
#include "RowValues.h"
#include "db/DataSet.h"

namespace {

enum class TLineKind { Skip, Count, Money, Hours };

bool IsKey(const QString& name) {
    return name == QLatin1String("organizationunit") || name == QLatin1String("suborganizationunit");
}

TLineKind KindOf(const TField& field) {
    const QString& name = field.fieldName();
    // Sums kept for the payment orders are hidden from the reader.
    if (IsKey(name) || !field.visible())
        return TLineKind::Skip;
    const QString label = field.displayLabel();
    if (label.compare(QLatin1String("Broj zaposlenih"), Qt::CaseInsensitive) == 0)
        return TLineKind::Count;
    // Counters and codes are what the payment orders need, not the reader.
    if (field.dataType() != FieldType::Float)
        return TLineKind::Skip;
    if (name.contains(QLatin1String("hours"), Qt::CaseInsensitive)
        || label.contains(QStringLiteral("čas"), Qt::CaseInsensitive)
        || label.startsWith(QLatin1String("Sati"), Qt::CaseInsensitive))
        return TLineKind::Hours;
    return TLineKind::Money;
}

// The lines that close a part of the recapitulation stand out.
bool IsResult(const QString& label) {
    static const QStringList results{QStringLiteral("ukupn"), QStringLiteral("za isplatu"), QStringLiteral("bruto"),
                                     QStringLiteral("neto")};
    for (const QString& word : results)
        if (label.startsWith(word, Qt::CaseInsensitive))
            return true;
    return false;
}

QString GroupHeading(const TRowValues& row, TUnitGrouping grouping) {
    const QString unit = row.text(QStringLiteral("organizationunit"));
    if (grouping == TUnitGrouping::OrgUnit)
        return QStringLiteral("Organizaciona jedinica: %1").arg(unit);
    return QStringLiteral("Organizaciona jedinica: %1, podorganizaciona jedinica: %2")
        .arg(unit, row.text(QStringLiteral("suborganizationunit")));
}

std::vector<TListGroup> Groups(TUnitGrouping grouping) {
    std::vector<TListGroup> groups;
    if (grouping != TUnitGrouping::None)
        groups.push_back({QStringLiteral("organizationunit"), QStringLiteral("Organizaciona jedinica")});
    if (grouping == TUnitGrouping::SubOrgUnit)
        groups.push_back({QStringLiteral("suborganizationunit"), QStringLiteral("Podorganizaciona jedinica")});
    return groups;
}

}  // namespace

TTable RecapitulationTable(const TDataSet* recapitulation, TUnitGrouping grouping) {
    TTable table;
    table.columns = {{QStringLiteral("Opis"), false, true}, {QStringLiteral("Iznos"), true, false}};
    table.widthMm = 120;
    if (!recapitulation || !recapitulation->active())
        return table;
    for (int index = 0; index < recapitulation->recordCount(); ++index) {
        const TRowValues row(*recapitulation, index);
        const size_t start = table.rows.size();
        if (grouping != TUnitGrouping::None)
            table.rows.push_back({TRowStyle::Heading, {GroupHeading(row, grouping)}});
        std::vector<TRow> hours;
        for (int f = 0; f < recapitulation->fieldCount(); ++f) {
            const TField& field = *recapitulation->field(f);
            const double value = row.number(field.fieldName());
            switch (KindOf(field)) {
            case TLineKind::Count:
                table.rows.push_back({TRowStyle::Plain, {field.displayLabel(), WholeText(value)}});
                break;
            case TLineKind::Money:
                // A kind of pay nobody earned is left out; totals always show.
                if (IsZeroAmount(value) && !IsResult(field.displayLabel()))
                    break;
                table.rows.push_back({IsResult(field.displayLabel()) ? TRowStyle::Subtotal : TRowStyle::Plain,
                                      {field.displayLabel(), MoneyText(value)}});
                break;
            case TLineKind::Hours:
                if (!IsZeroAmount(value))
                    hours.push_back({TRowStyle::Plain, {field.displayLabel(), HoursText(value)}});
                break;
            case TLineKind::Skip:
                break;
            }
        }
        if (!hours.empty()) {
            table.rows.push_back({TRowStyle::Heading, {QStringLiteral("Časovi")}});
            table.rows.insert(table.rows.end(), hours.begin(), hours.end());
        }
        // A unit's block stays on one page when it fits one.
        table.rows[start].keepWithNext = int(table.rows.size() - start - 1);
    }
    return table;
}

TTable ChambersTable(const TDataSet* chambers, TUnitGrouping grouping) {
    return ListTable(chambers,
                     {{QStringLiteral("Naziv"), {QStringLiteral("taxname")}, TValueKind::Text, true},
                      {QStringLiteral("Stopa"), {QStringLiteral("taxpercent")}, TValueKind::Rate},
                      {QStringLiteral("Šifra plaćanja"), {QStringLiteral("paycode")}},
                      {QStringLiteral("Račun"), {QStringLiteral("taxbankaccount")}},
                      {QStringLiteral("Model"), {QStringLiteral("paymentmodel")}},
                      {QStringLiteral("Poziv na broj"), {QStringLiteral("paymentcode")}},
                      {QStringLiteral("Iznos"), {QStringLiteral("taxvalue")}, TValueKind::Money}},
                     Groups(grouping));
}

TTable ZipFormTable(const TDataSet* zipForm) {
    static const std::pair<const char*, const char*> measures[] = {
        {"count", "Broj zaposlenih"},
        {"totalworkinghours", "Ukupno časova rada"},
        {"overtimecount", "Broj zaposlenih s prekovremenim radom"},
        {"overtimehours", "Časovi prekovremenog rada"},
        {"salaryvalue", "Bruto zarada"},
        {"regularwork", "Redovan rad"},
        {"workingyearsvalue", "Minuli rad"},
        {"overtimevalue", "Prekovremeni rad"},
        {"holidayworkingvalue", "Rad na dan praznika"},
        {"nightworkingvalue", "Noćni rad"},
        {"mealrefund", "Topli obrok"},
        {"vacationrefund", "Regres"},
        {"othervalue", "Ostala primanja"},
        {"averagevalue", "Prosečna zarada"},
    };
    TTable table;
    table.columns = {{QStringLiteral("Pokazatelj"), false, true},
                     {QStringLiteral("Ukupno"), true, false},
                     {QStringLiteral("Starozaposleni"), true, false},
                     {QStringLiteral("Novozaposleni"), true, false},
                     {QStringLiteral("Poslovodstvo"), true, false}};
    if (!zipForm || !zipForm->active() || zipForm->isEmpty())
        return table;
    const TRowValues row(*zipForm, 0);
    for (const auto& [field, label] : measures) {
        TRow line{TRowStyle::Plain, {QString::fromUtf8(label)}};
        for (const char* suffix : {"", "1", "2", "3"}) {
            const QString name = QString::fromLatin1(field) + QLatin1String(suffix);
            line.cells << (zipForm->findField(name) ? WholeText(row.number(name)) : QString());
        }
        table.rows.push_back(line);
    }
    return table;
}
