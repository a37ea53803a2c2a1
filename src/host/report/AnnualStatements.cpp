#include "AnnualStatements.h"

#include "ReportFormat.h"
#include "RowValues.h"
#include "db/DataSet.h"

#include <QHash>

namespace {

QString Text(const char* text) { return QString::fromUtf8(text); }

TRow Line(const QString& label, const QString& value, TRowStyle style = TRowStyle::Plain) {
    return {style, {label, value}};
}

int Year(const TDataSet& rows) {
    return rows.isEmpty() ? 0 : int(TRowValues(rows, 0).number(QStringLiteral("year")));
}

QHash<qint64, QList<int>> RowsByEmployee(const TDataSet* data) {
    QHash<qint64, QList<int>> index;
    if (!data || !data->active())
        return index;
    for (int row = 0; row < data->recordCount(); ++row)
        index[TRowValues(*data, row).key(QStringLiteral("employeeid"))].append(row);
    return index;
}

struct DetailColumn {
    const char* caption;
    const char* field;
    bool money;
};

// The lines of the year behind a statement, with their total.
TTable Details(const TDataSet& details, const QList<int>& rows, std::initializer_list<DetailColumn> columns) {
    TTable table;
    table.caption = QStringLiteral("Obračuni u godini");
    table.columns = {{QStringLiteral("Za mesec"), false, false}, {QStringLiteral("Vrsta"), false, false}};
    for (const DetailColumn& c : columns)
        table.columns.push_back({Text(c.caption), true, false});
    std::vector<double> totals(columns.size());
    for (int row : rows) {
        const TRowValues v(details, row);
        TRow line{TRowStyle::Plain, {v.text(QStringLiteral("salaryperiod")), v.text(QStringLiteral("salarytype"))}};
        size_t i = 0;
        for (const DetailColumn& c : columns) {
            const double value = v.number(QLatin1String(c.field));
            totals[i++] += value;
            line.cells << (c.money ? MoneyText(value) : HoursText(value));
        }
        table.rows.push_back(std::move(line));
    }
    TRow total{TRowStyle::Total, {QStringLiteral("Ukupno"), QString()}};
    size_t i = 0;
    for (const DetailColumn& c : columns) {
        total.cells << (c.money ? MoneyText(totals[i]) : HoursText(totals[i]));
        ++i;
    }
    table.rows.push_back(std::move(total));
    return table;
}

TStatementPage PPPPage(const TDataSet& rows, int row) {
    const TRowValues v(rows, row);
    TStatementPage page;
    page.person = v.text(QStringLiteral("employeename"));
    page.box = {{QStringLiteral("Zaposleni"), page.person},
                {QStringLiteral("JMBG"), v.text(QStringLiteral("employeepersonalidentificator"))},
                {QStringLiteral("Adresa"), v.text(QStringLiteral("employeecityaddress"))},
                {QStringLiteral("Godina"), v.text(QStringLiteral("year"))}};
    const auto money = [&v](const char* field) { return v.number(QLatin1String(field)); };
    page.amounts = {
        Line(QStringLiteral("Oporezivi prihod"), MoneyText(money("taxbase"))),
        Line(QStringLiteral("Porez na zarade"), MoneyText(money("taxvalue"))),
        Line(QStringLiteral("Doprinos za penzijsko i invalidsko osiguranje"), MoneyText(money("tax1value"))),
        Line(QStringLiteral("Doprinos za zdravstveno osiguranje"), MoneyText(money("tax2value"))),
        Line(QStringLiteral("Doprinos za osiguranje za slučaj nezaposlenosti"), MoneyText(money("tax3value"))),
        Line(QStringLiteral("Ukupno porez i doprinosi"),
             MoneyText(money("taxvalue") + money("tax1value") + money("tax2value") + money("tax3value")),
             TRowStyle::Total)};
    return page;
}

TStatementBook PPPBook(const TDataSet& rows, const TCompanyInfo& company, const QString& issueDate) {
    TStatementBook book;
    book.company = company;
    book.title = QStringLiteral("Obrazac PPP");
    book.texts = {Text("Potvrda o isplaćenom oporezivom prihodu, plaćenom porezu i doprinosima za %1. godinu")
                      .arg(Year(rows))};
    book.issueDate = issueDate;
    return book;
}

}  // namespace

TStatementBook PPPStatements(const TDataSet& rows, const TCompanyInfo& company, const QString& issueDate) {
    TStatementBook book = PPPBook(rows, company, issueDate);
    for (int row = 0; row < rows.recordCount(); ++row)
        book.pages.push_back(PPPPage(rows, row));
    return book;
}

TStatementBook PPPStatementWithDocuments(const TDataSet& rows, const TDataSet& details, const TCompanyInfo& company,
                                         const QString& issueDate) {
    TStatementBook book = PPPBook(rows, company, issueDate);
    const QHash<qint64, QList<int>> lines = RowsByEmployee(&details);
    for (int row = 0; row < rows.recordCount(); ++row) {
        const auto found = lines.constFind(TRowValues(rows, row).key(QStringLiteral("employeeid")));
        if (found == lines.cend())
            continue;
        TStatementPage page = PPPPage(rows, row);
        page.details = Details(details, *found,
                               {{"Bruto", "salaryvalue", true},
                                {"Oporezivi prihod", "taxbase", true},
                                {"Porez", "taxvalue", true},
                                {"PIO", "tax1value", true},
                                {"ZO", "tax2value", true},
                                {"ON", "tax3value", true}});
        book.pages.push_back(std::move(page));
    }
    return book;
}

TStatementBook M4Statements(const TDataSet& rows, const TDataSet* details, const TCompanyInfo& company,
                            const QString& issueDate) {
    TStatementBook book;
    book.company = company;
    book.title = QStringLiteral("Obrazac M-4");
    book.texts = {Text("Podaci za utvrđivanje staža osiguranja, zarade i doprinosa za %1. godinu").arg(Year(rows))};
    book.issueDate = issueDate;
    const QHash<qint64, QList<int>> lines = RowsByEmployee(details);
    for (int row = 0; row < rows.recordCount(); ++row) {
        const TRowValues v(rows, row);
        const auto number = [&v](const char* field) { return v.number(QLatin1String(field)); };
        const auto service = [&number](const char* months, const char* days) {
            return QStringLiteral("%1 mes. %2 dana").arg(HoursText(number(months)), HoursText(number(days)));
        };
        TStatementPage page;
        page.person = v.text(QStringLiteral("employeename"));
        page.box = {{QStringLiteral("Zaposleni"), page.person},
                    {QStringLiteral("JMBG"), v.text(QStringLiteral("employeepersonalidentificator"))},
                    {QStringLiteral("Godina"), v.text(QStringLiteral("year"))}};
        if (const QString vocation = v.text(QStringLiteral("vocation")); !vocation.isEmpty())
            page.box.append({QStringLiteral("Radno mesto"),
                             QStringLiteral("%1 (%2)").arg(vocation, v.text(QStringLiteral("vocationcode")))});
        page.amounts = {
            Line(QStringLiteral("Staž osiguranja"), service("workingmonths", "workingdays")),
            Line(QStringLiteral("Zarada - osnovica doprinosa"), MoneyText(number("taxbase"))),
            Line(QStringLiteral("Doprinos za PIO na zaradu"), MoneyText(number("taxvalue"))),
            Line(QStringLiteral("Naknada zarade za bolovanje"), MoneyText(number("tax1base"))),
            Line(QStringLiteral("Doprinos za PIO na naknadu"), MoneyText(number("tax1value")))};
        if (!IsZeroAmount(number("contribution4value")) || !IsZeroAmount(number("contribution4months"))
            || !IsZeroAmount(number("contribution4days"))) {
            page.amounts.push_back(Line(QStringLiteral("Staž s uvećanim trajanjem"),
                                        service("contribution4months", "contribution4days")));
            page.amounts.push_back(
                Line(QStringLiteral("Doprinos za staž s uvećanim trajanjem"), MoneyText(number("contribution4value"))));
        }
        if (const auto found = lines.constFind(v.key(QStringLiteral("employeeid"))); found != lines.cend())
            page.details = Details(*details, *found,
                                   {{"Meseci", "workingmonths", false},
                                    {"Dani", "workingdays", false},
                                    {"Zarada", "taxbase", true},
                                    {"PIO", "taxvalue", true},
                                    {"Bolovanje", "tax1base", true},
                                    {"PIO bolov.", "tax1value", true},
                                    {"Uveć. PIO", "contribution4value", true}});
        book.pages.push_back(std::move(page));
    }
    return book;
}

TTable M4ListTable(const TDataSet& rows) {
    TTable table;
    table.columns = {{QStringLiteral("Ime"), false, true},
                     {QStringLiteral("JMBG"), false, false},
                     {QStringLiteral("Meseci"), true, false},
                     {QStringLiteral("Dani"), true, false},
                     {QStringLiteral("Zarada -\nosnovica"), true, false},
                     {QStringLiteral("PIO"), true, false},
                     {QStringLiteral("Naknada\nbolov."), true, false},
                     {QStringLiteral("PIO\nbolov."), true, false},
                     {Text("Uveć.\nmeseci"), true, false},
                     {Text("Uveć.\ndani"), true, false},
                     {Text("Uveć.\nPIO"), true, false},
                     {QStringLiteral("Radno mesto"), false, false}};
    const char* const money[] = {"taxbase", "taxvalue", "tax1base", "tax1value"};
    double totals[4] = {};
    double increased = 0;
    for (int row = 0; row < rows.recordCount(); ++row) {
        const TRowValues v(rows, row);
        TRow line{TRowStyle::Plain,
                  {v.text(QStringLiteral("employeename")), v.text(QStringLiteral("employeepersonalidentificator")),
                   HoursText(v.number(QStringLiteral("workingmonths"))),
                   HoursText(v.number(QStringLiteral("workingdays")))}};
        for (int i = 0; i < 4; ++i) {
            const double value = v.number(QLatin1String(money[i]));
            totals[i] += value;
            line.cells << MoneyText(value);
        }
        increased += v.number(QStringLiteral("contribution4value"));
        line.cells << HoursText(v.number(QStringLiteral("contribution4months")))
                   << HoursText(v.number(QStringLiteral("contribution4days")))
                   << MoneyText(v.number(QStringLiteral("contribution4value")))
                   << v.text(QStringLiteral("vocation"));
        table.rows.push_back(std::move(line));
    }
    TRow total{TRowStyle::Total, {QStringLiteral("Ukupno"), QString(), QString(), QString()}};
    for (const double value : totals)
        total.cells << MoneyText(value);
    total.cells << QString() << QString() << MoneyText(increased) << QString();
    table.rows.push_back(std::move(total));
    return table;
}
