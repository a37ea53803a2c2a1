#include "Deductions.h"

#include "CalcRounding.h"
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
                            long double gross, const QDate& paymentDate) {
    long double total = voluntaryPension;
    for (const TDeduction& d : deductions)
        total += DeductionAmount(d, decreasedNet, gross, paymentDate);
    return total;
}

TDeductions LoadDeductions(Connection& connection, qint64 salaryCreditId) {
    QSqlQuery query = connection.exec(
        QStringLiteral("SELECT creditpercent, creditgrosspercent, creditvalue, expirydate FROM salarycredititem "
                       "WHERE salarycreditid = ? ORDER BY salarycredititemid"),
        {salaryCreditId});
    TDeductions result;
    while (query.next()) {
        TDeduction d;
        d.netPercent = query.value(0).toDouble();
        d.grossPercent = query.value(1).toDouble();
        d.value = query.value(2).toDouble();
        // A deduction entered today carries today's date and time; only the day counts.
        const QVariant expiry = query.value(3);
        if (!expiry.isNull())
            d.expiryDate = expiry.typeId() == QMetaType::QString
                ? QDate::fromString(expiry.toString().left(10), Qt::ISODate)
                : expiry.toDate();
        result.push_back(d);
    }
    return result;
}
