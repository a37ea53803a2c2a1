#include "UnifiedCollection.h"

#include "KeptSalaryDocument.h"
#include "PaymentLists.h"
#include "PaymentSets.h"
#include "SalaryDM.h"
#include "db/Connection.h"
#include "db/DataSet.h"
#include "db/DbError.h"
#include "db/SqlQuery.h"
#include "CalcFields.h"
#include "Rounding.h"
#include "RowInsert.h"

#include <QSqlQuery>

#include <map>
#include <unordered_map>
#include <vector>

namespace {

QChar firstChar(const QVariant& value) {
    const QString text = value.toString();
    return text.isEmpty() ? QChar() : text.at(0);
}

long double hundredths(long double value) { return BetterRoundTo(value, -2); }

QString partA(qint64 state, bool employer) {
    if (employer)
        return QStringLiteral("102");
    if (state == 4 || state == 10)
        return QStringLiteral("107");
    if (state == 9)
        return QStringLiteral("109");
    return QStringLiteral("101");
}

QString partB(qint64 state, bool sickPay, double sickPercent) {
    if (sickPay)
        return sickPercent > 65 ? QStringLiteral("201") : QStringLiteral("202");
    if (state == 10)
        return QStringLiteral("199");
    if (state == 19)
        return QStringLiteral("150");
    return QStringLiteral("101");
}

QString partC(qint64 state) {
    switch (state) {
    case 2: return QStringLiteral("01");
    case 3: return QStringLiteral("02");
    case 4: return QStringLiteral("03");
    case 5: return QStringLiteral("04");
    case 6: return QStringLiteral("05");
    case 16: return QStringLiteral("08");
    case 17: return QStringLiteral("09");
    case 18: return QStringLiteral("10");
    default: return QStringLiteral("00");
    }
}

QString partD(qint64 state, bool sickPay) {
    if (sickPay)
        return QStringLiteral("0");
    switch (state) {
    case 11: return QStringLiteral("1");
    case 12: return QStringLiteral("2");
    case 13: return QStringLiteral("3");
    case 14: return QStringLiteral("4");
    default: return QStringLiteral("0");
    }
}

// The first day of the month and of the next one: payment dates may carry a time.
std::pair<QDate, QDate> monthSpan(int year, int month) {
    const QDate first(year, month, 1);
    return {first, first.addMonths(1)};
}

struct TDocument {
    qint64 salaryid;
    QChar salarytype;
    int year;   // of the payment: the return's month
    int month;
    int periodYear;  // the month the salary is for
    int periodMonth;
    double partCoefficient;
    QDate paid;
    QVariant paymentdate;  // as stored, for comparisons in SQL
};

// The posted documents of the selection, as the return lists them.
std::vector<TDocument> postedDocuments(Connection& connection, const TUnifiedCollectionSelection& s) {
    QSqlQuery query;
    if (s.salaryid > 0) {
        query = connection.exec(QStringLiteral("SELECT salaryid, salarytype, paymentdate, year, month, status, "
                                               "partcoefficient FROM salary WHERE salaryid = ?"),
                                {s.salaryid});
    } else {
        const auto [from, to] = monthSpan(s.year, s.month);
        query = connection.exec(
            QStringLiteral("SELECT salaryid, salarytype, paymentdate, year, month, status, partcoefficient FROM salary "
                           "WHERE paymentdate >= ? AND paymentdate < ? AND status = 'p' "
                           "ORDER BY paymentdate DESC, salarytype DESC, year DESC, month DESC, salaryid"),
            {from, to});
    }
    std::vector<TDocument> documents;
    while (query.next()) {
        if (query.value(5).toString() != QLatin1String("p"))
            throw EDatabaseError(QStringLiteral("Zarada %1 nije proknjižena; PPP-PD se pravi samo od proknjiženih "
                                                "zarada.")
                                     .arg(s.salaryid));
        const QDate paid = StoredDate(query.value(2));
        documents.push_back({query.value(0).toLongLong(), firstChar(query.value(1)), paid.year(), paid.month(),
                             query.value(3).toInt(), query.value(4).toInt(), query.value(6).toDouble(), paid,
                             query.value(2)});
    }
    if (documents.empty())
        throw EDatabaseError(s.salaryid > 0 ? QStringLiteral("Zarada %1 ne postoji.").arg(s.salaryid)
                                            : QStringLiteral("Nema proknjiženih zarada isplaćenih %1/%2.")
                                                  .arg(s.month, 2, 10, QLatin1Char('0'))
                                                  .arg(s.year));
    return documents;
}

void openDocument(TSalaryDM& dm, qint64 salaryid) {
    TSqlQuery& salary = *dm.SalaryZQ;
    salary.close();
    salary.setSQL(QStringLiteral("SELECT DISTINCT s.* FROM salary AS s WHERE s.salaryid = :salaryid"));
    salary.setParam(QStringLiteral("salaryid"), salaryid);
    salary.open();
    if (salary.isEmpty() || !dm.SalaryTaxItemsOpen())
        throw EDatabaseError(QStringLiteral("Zaradu %1 nije moguće otvoriti.").arg(salaryid));
    dm.SalaryItemsOpen();
}

const QString Columns = QStringLiteral(
    "year, month, salaryid, employeeid, personalidentificator, firstname, lastname, communitycode, "
    "incometypecode, salaryworkingdays, workinghours, salaryworkinghours, salaryvalue, taxbase, taxvalue, "
    "contributionbase, contribution1value, contribution2value, contribution3value, contribution4value, "
    "mfflabel, mffvalue, mfflabel2, mffvalue2, mfflabel3, mffvalue3, mfflabel4, mffvalue4");
constexpr int ColumnCount = 28;
// Positions in a built row, as Columns lists them.
enum RowColumn { EmployeeColumn = 3, CodeColumn = 8, HoursColumn = 10, GrossColumn = 12, TaxBaseColumn = 13,
                 ContributionBaseColumn = 15 };

// The rows of the open document, from its payment lists.
std::vector<QVariantList> documentRows(TSalaryDM& dm, const TDocument& document) {
    openDocument(dm, document.salaryid);
    // The sick-pay percentage of each line decides a sick-pay row's code.
    std::unordered_map<qint64, double> sickPercent;
    const TDataSet& lines = *dm.SalaryItemZQ;
    const int lineKey = lines.fieldByName(QStringLiteral("salaryitemid"))->index();
    const int linePercent = lines.fieldByName(QStringLiteral("sickpercent"))->index();
    for (int r = 0; r < lines.recordCount(); ++r) {
        const std::vector<QVariant>& v = *lines.recordValues(r);
        sickPercent[v[size_t(lineKey)].toLongLong()] = v[size_t(linePercent)].toDouble();
    }
    PreparePaymentLists(dm, false, 0);
    const TDataSet& rows = *dm.PaymentListsItemCDS;
    const TPaymentListIndex x(rows);
    const bool sickPay = document.salarytype == QLatin1Char('B');
    // A transport allowance bears the document's single tax and no contributions.
    const bool transport = document.salarytype == QLatin1Char('P');
    const long double transportTaxPercent = dm.SalaryZQ->fieldByName(QStringLiteral("taxpercent"))->asFloat();
    const int days = CalendarDays(document.periodYear, document.periodMonth);
    std::vector<QVariantList> result;
    for (int r = 0; r < rows.recordCount(); ++r) {
        const std::vector<QVariant>& v = *rows.recordValues(r);
        const auto at = [&v](int column) { return v[size_t(column)]; };
        const auto money = [&v](int column) { return static_cast<long double>(v[size_t(column)].toDouble()); };
        const auto sum = [&v](std::initializer_list<int> columns) {
            long double total = 0;
            for (int c : columns)
                total += v[size_t(c)].toDouble();
            return total;
        };
        const long double hours =
            sum({x.workinghours, x.vacationhours, x.sickhours, x.longsickhours, x.nightworkinghours,
                 x.overtimehours, x.holidayworkinghours, x.nightholidayworkinghours, x.paidleavehours,
                 x.publicholidayhours, x.maternityleavehours, x.childcareleavehours});
        const long double gross = money(x.salaryvalue);
        const long double tax = transport ? gross - money(x.paymentvalue) : money(x.sub2);
        const long double taxBase = !transport ? std::max<long double>(0, gross - money(x.sub2basesub))
            : transportTaxPercent > 0            ? tax * 100 / transportTaxPercent
                                                 : 0;
        const QString code = IncomeTypeCode(at(x.workingstateid).toLongLong(),
                                            at(x.employer).toString() == QLatin1String("y"), sickPay,
                                            sickPercent[at(x.salaryitemid).toLongLong()]);
        result.push_back({document.year, document.month, document.salaryid, at(x.employeeid),
                          at(x.personalidentificator).toString().trimmed(), at(x.firstname).toString().trimmed(),
                          at(x.lastname).toString().trimmed(), at(x.communitycode).toString().trimmed(), code, days,
                          qlonglong(qRound64(double(hours))), at(x.salaryworkinghours).toLongLong(),
                          double(hundredths(gross)), double(hundredths(taxBase)), double(hundredths(tax)),
                          double(hundredths(transport ? 0 : money(x.sub1base))),
                          double(hundredths(hundredths(money(x.sub111)) + hundredths(money(x.sub121)))),
                          double(hundredths(hundredths(money(x.sub112)) + hundredths(money(x.sub122)))),
                          double(hundredths(hundredths(money(x.sub113)) + hundredths(money(x.sub123)))),
                          double(hundredths(money(x.sub124)))});
    }
    return result;
}

// What the earlier partial payments of the month declared for an employee
// under one income type code.
struct TEarlier {
    long double gross = 0;
    long double taxBase = 0;
    long double contributionBase = 0;
    qint64 hours = 0;
};
using TEarlierKey = std::pair<qint64, QString>;  // employee, income type code
using TEarlierDeclared = std::map<TEarlierKey, TEarlier>;

// A partial payment (an advance) of the same month as `later`, paid before
// it. Only documents of one type are parts of one payment: a transport
// allowance is no part of the month's salary.
bool earlierPart(const TDocument& part, const TDocument& later) {
    return part.salaryid != later.salaryid && part.salarytype == later.salarytype
        && part.periodYear == later.periodYear && part.periodMonth == later.periodMonth && part.partCoefficient < 100
        && (part.paid < later.paid || (part.paid == later.paid && part.salaryid < later.salaryid));
}

void add(TEarlier& sum, long double gross, long double taxBase, long double contributionBase, qint64 hours) {
    sum.gross += gross;
    sum.taxBase += taxBase;
    sum.contributionBase += contributionBase;
    sum.hours += hours;
}

// The earlier partial payments of `later`'s month, summed for all its
// employees at once: those being built now from their new rows, the others
// from their stored rows.
TEarlierDeclared earlierDeclared(Connection& connection, const std::vector<TDocument>& documents,
                                 const std::vector<std::vector<QVariantList>>& rows, size_t later) {
    const TDocument& d = documents[later];
    TEarlierDeclared declared;
    QStringList rebuilt;
    QVariantList values{d.periodYear, d.periodMonth, QString(d.salarytype), d.paymentdate, d.paymentdate, d.salaryid};
    for (size_t i = 0; i < documents.size(); ++i) {
        rebuilt << QStringLiteral("?");
        values << documents[i].salaryid;
        if (!earlierPart(documents[i], d))
            continue;
        for (const QVariantList& row : rows[i])
            add(declared[{row[EmployeeColumn].toLongLong(), row[CodeColumn].toString()}], row[GrossColumn].toDouble(),
                row[TaxBaseColumn].toDouble(), row[ContributionBaseColumn].toDouble(),
                row[HoursColumn].toLongLong());
    }
    QSqlQuery stored = connection.exec(
        QStringLiteral("SELECT r.employeeid, r.incometypecode, SUM(r.salaryvalue), SUM(r.taxbase), "
                       "SUM(r.contributionbase), SUM(r.workinghours) FROM salaryreportunifiedcollection AS r "
                       "INNER JOIN salary AS s ON s.salaryid = r.salaryid WHERE s.year = ? AND s.month = ? "
                       "AND s.salarytype = ? AND s.partcoefficient < 100 AND s.status = 'p' AND (s.paymentdate < ? "
                       "OR (s.paymentdate = ? AND s.salaryid < ?)) AND s.salaryid NOT IN (%1) "
                       "GROUP BY r.employeeid, r.incometypecode")
            .arg(rebuilt.join(QLatin1Char(','))),
        values);
    while (stored.next())
        add(declared[{stored.value(0).toLongLong(), stored.value(1).toString().trimmed()}], stored.value(2).toDouble(),
            stored.value(3).toDouble(), stored.value(4).toDouble(), stored.value(5).toLongLong());
    return declared;
}

// The MFP pairs of a row: a later payment of a month declares what its
// earlier parts declared under the same code, as the tax administration
// adds the parts up: 1 the tax relief they used (gross less tax base), 2
// their contribution base, 4 their gross and 6 their effective hours. The
// hours are those the parts declared as worked, so that the whole month's
// hours are known when a minimum base is checked against the parts together.
void appendMfp(QVariantList& row, const TEarlierDeclared& declared) {
    const auto found = declared.find({row[EmployeeColumn].toLongLong(), row[CodeColumn].toString()});
    if (found == declared.end()) {
        // No label is 0, as the table's default has it.
        while (row.size() < ColumnCount)
            row << (row.size() % 2 == 0 ? QVariant(0) : QVariant(0.0));
        return;
    }
    const TEarlier& e = found->second;
    row << 1 << double(hundredths(e.gross - e.taxBase)) << 2 << double(hundredths(e.contributionBase)) << 4
        << double(hundredths(e.gross)) << 6 << double(e.hours);
}

QString selectionCondition(const TUnifiedCollectionSelection& s) {
    return s.salaryid > 0 ? QStringLiteral("salaryid = ?") : QStringLiteral("year = ? AND month = ?");
}

QVariantList selectionValues(const TUnifiedCollectionSelection& s) {
    return s.salaryid > 0 ? QVariantList{s.salaryid} : QVariantList{s.year, s.month};
}

void checkSelection(const TUnifiedCollectionSelection& s) {
    if (s.salaryid > 0)
        return;
    if (s.month < 1 || s.month > 12 || s.year < 1900 || s.year > 9999)
        throw EDatabaseError(QStringLiteral("Mesec PPP-PD prijave je od 1 do 12, a godina četvorocifrena."));
}

}  // namespace

QString IncomeTypeCode(qint64 workingStateId, bool employer, bool sickPay, double sickPercent) {
    const bool plain = sickPay || workingStateId == 10 || workingStateId == 19;
    return partA(workingStateId, employer) + partB(workingStateId, sickPay, sickPercent) + partC(workingStateId)
        + (plain ? QStringLiteral("0") : partD(workingStateId, sickPay));
}

int CalendarDays(int year, int month) {
    switch (month) {
    case 4:
    case 6:
    case 9:
    case 11: return 30;
    case 2: return year % 4 == 0 ? 29 : 28;
    default: return 31;
    }
}

int BuildUnifiedCollection(TSalaryDM& dm, const TUnifiedCollectionSelection& selection) {
    checkSelection(selection);
    Connection& connection = *dm.ZConnection();
    const std::vector<TDocument> documents = postedDocuments(connection, selection);
    // Everything is read before the first write, so a failure leaves the old rows.
    std::vector<std::vector<QVariantList>> built;
    {
        const TKeptSalaryDocument kept(dm);
        for (const TDocument& document : documents)
            built.push_back(documentRows(dm, document));
    }
    std::vector<QVariantList> rows;
    for (size_t d = 0; d < documents.size(); ++d) {
        const TEarlierDeclared declared = earlierDeclared(connection, documents, built, d);
        for (QVariantList row : built[d]) {
            appendMfp(row, declared);
            rows.push_back(std::move(row));
        }
    }
    Transaction transaction(connection);
    connection.exec(QStringLiteral("DELETE FROM salaryreportunifiedcollection WHERE ") + selectionCondition(selection),
                    selectionValues(selection));
    InsertRows(connection, QStringLiteral("salaryreportunifiedcollection"), Columns, ColumnCount, rows);
    transaction.commit();
    return int(rows.size());
}

int DeleteUnifiedCollection(Connection& connection, const TUnifiedCollectionSelection& selection) {
    checkSelection(selection);
    Transaction transaction(connection);
    const QSqlQuery query = connection.exec(
        QStringLiteral("DELETE FROM salaryreportunifiedcollection WHERE ") + selectionCondition(selection),
        selectionValues(selection));
    const int deleted = query.numRowsAffected();
    transaction.commit();
    return deleted;
}

void OpenReportUnifiedCollection(TSalaryDM& dm, const TUnifiedCollectionSelection& selection) {
    checkSelection(selection);
    TSqlQuery& rows = *dm.SalaryReportUnifiedCollectionZQ;
    rows.close();
    if (selection.salaryid > 0) {
        rows.setSQL(QStringLiteral("SELECT * FROM salaryreportunifiedcollection WHERE salaryid = :salaryid "
                                   "ORDER BY salaryreportunifiedcollectionid"));
        rows.setParam(QStringLiteral("salaryid"), selection.salaryid);
    } else {
        rows.setSQL(QStringLiteral("SELECT * FROM salaryreportunifiedcollection WHERE year = :year AND month = :month "
                                   "ORDER BY salaryreportunifiedcollectionid"));
        rows.setParam(QStringLiteral("year"), selection.year);
        rows.setParam(QStringLiteral("month"), selection.month);
    }
    rows.open();
}
