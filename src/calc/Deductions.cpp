#include "Deductions.h"

#include "CalcFields.h"
#include "CalcRounding.h"
#include "CalcTrace.h"
#include "db/Connection.h"

#include <QSqlQuery>

long double DeductionAmount(const TDeduction& d, long double decreasedNet, long double gross,
                            const QDate& paymentDate) {
    if (d.expiryDate.isValid() && paymentDate > d.expiryDate)
        return 0;
    if (d.netPercent > 0)
        return RND(d.netPercent * decreasedNet / 100);
    if (d.grossPercent > 0)
        return RND(d.grossPercent * gross / 100);
    return d.value;
}

long double DeductionsTotal(const TDeductions& deductions, long double voluntaryPension, long double decreasedNet,
                            long double gross, const QDate& paymentDate, TCalcTrace* trace) {
    long double total = voluntaryPension;
    if (trace && voluntaryPension != 0)
        trace->add(TTraceKind::Deduction, QStringLiteral("Dobrovoljno penzijsko"), QStringLiteral("uneti iznos"), {},
                   voluntaryPension);
    for (const TDeduction& d : deductions) {
        const long double amount = DeductionAmount(d, decreasedNet, gross, paymentDate);
        total += amount;
        if (trace)
            TraceDeduction(*trace, d, decreasedNet, gross, paymentDate, amount);
    }
    return total;
}

void TraceDeduction(TCalcTrace& trace, const TDeduction& d, long double decreasedNet, long double gross,
                    const QDate& paymentDate, long double amount) {
    QString rule;
    QList<QPair<QString, double>> inputs;
    if (d.expiryDate.isValid() && paymentDate > d.expiryDate) {
        rule = QStringLiteral("istekla %1, pre isplate").arg(d.expiryDate.toString(QStringLiteral("dd.MM.yyyy")));
    } else if (d.netPercent > 0) {
        rule = QStringLiteral("procenat umanjenog neta");
        inputs = {{QStringLiteral("umanjeni neto"), double(decreasedNet)}, {QStringLiteral("procenat"), d.netPercent}};
    } else if (d.grossPercent > 0) {
        rule = QStringLiteral("procenat bruta");
        inputs = {{QStringLiteral("bruto"), double(gross)}, {QStringLiteral("procenat"), d.grossPercent}};
    } else {
        rule = QStringLiteral("fiksni iznos");
    }
    if (d.expiryDate.isValid() && !(paymentDate > d.expiryDate))
        rule += QStringLiteral(", do %1").arg(d.expiryDate.toString(QStringLiteral("dd.MM.yyyy")));
    trace.add(TTraceKind::Deduction, QStringLiteral("Obustava"), rule, inputs, amount);
}

namespace {

// A row of creditpercent, creditgrosspercent, creditvalue, expirydate from `first` on.
TDeduction deductionOfRow(const QSqlQuery& query, int first) {
    TDeduction d;
    d.netPercent = query.value(first).toDouble();
    d.grossPercent = query.value(first + 1).toDouble();
    d.value = query.value(first + 2).toDouble();
    // A deduction entered today carries today's date and time; only the day counts.
    const QVariant expiry = query.value(first + 3);
    if (!expiry.isNull())
        d.expiryDate = StoredDate(expiry);
    return d;
}

}  // namespace

TDeductions LoadDeductions(Connection& connection, qint64 salaryCreditId) {
    QSqlQuery query = connection.exec(
        QStringLiteral("SELECT creditpercent, creditgrosspercent, creditvalue, expirydate FROM salarycredititem "
                       "WHERE salarycreditid = ? ORDER BY salarycredititemid"),
        {salaryCreditId});
    TDeductions result;
    while (query.next())
        result.push_back(deductionOfRow(query, 0));
    return result;
}

std::unordered_map<qint64, TDeductions> LoadDefaultDeductionSets(Connection& connection) {
    QSqlQuery query = connection.exec(QStringLiteral(
        "SELECT i.salarycreditid, i.creditpercent, i.creditgrosspercent, i.creditvalue, i.expirydate "
        "FROM salarycredititem AS i INNER JOIN salarycredit AS c ON c.salarycreditid = i.salarycreditid "
        "WHERE c.defaultcredit = 'y' ORDER BY i.salarycreditid, i.salarycredititemid"));
    std::unordered_map<qint64, TDeductions> sets;
    while (query.next())
        sets[query.value(0).toLongLong()].push_back(deductionOfRow(query, 1));
    return sets;
}
