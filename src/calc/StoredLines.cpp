#include "StoredLines.h"

#include "CalcFields.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

namespace {

long double number(const QSqlQuery& row, int column) {
    return column < 0 ? 0 : static_cast<long double>(row.value(column).toDouble());
}

}  // namespace

QString StoredLineColumns() {
    QStringList columns{QStringLiteral("si.salaryitemid"), QStringLiteral("si.salaryid"),
                        QStringLiteral("si.employeeid"), QStringLiteral("si.salarycreditid"),
                        QStringLiteral("(e.workingstateid + 0) AS workingstateid")};
#define ZARADE_LINE_COLUMN(name) columns << QStringLiteral("si." #name);
    ZARADE_LINE_NUMBERS(ZARADE_LINE_COLUMN)
#undef ZARADE_LINE_COLUMN
    columns.removeAll(QStringLiteral("si.arrangedsalaryvalue"));
    columns.removeAll(QStringLiteral("si.arrangedpaymentvalue"));
#define ZARADE_DOCUMENT_COLUMN(name) columns << QStringLiteral("s." #name " AS s_" #name);
    ZARADE_DOCUMENT_NUMBERS(ZARADE_DOCUMENT_COLUMN)
    ZARADE_DOCUMENT_COLUMN(salarytaxid)
    ZARADE_DOCUMENT_COLUMN(salarytype)
    ZARADE_DOCUMENT_COLUMN(paymentdate)
#undef ZARADE_DOCUMENT_COLUMN
    return columns.join(QLatin1Char(','));
}

TStoredLineReader::TStoredLineReader(const QSqlRecord& record) {
    const auto at = [&](const char* name) { return record.indexOf(QLatin1String(name)); };
#define ZARADE_LINE_INDEX(name) line_.name = at(#name);
    ZARADE_LINE_NUMBERS(ZARADE_LINE_INDEX)
#undef ZARADE_LINE_INDEX
#define ZARADE_DOCUMENT_INDEX(name) document_.name = at("s_" #name);
    ZARADE_DOCUMENT_NUMBERS(ZARADE_DOCUMENT_INDEX)
#undef ZARADE_DOCUMENT_INDEX
    salaryitemid_ = at("salaryitemid");
    salaryid_ = at("salaryid");
    employeeid_ = at("employeeid");
    salarycreditid_ = at("salarycreditid");
    workingstateid_ = at("workingstateid");
    salarytaxid_ = at("s_salarytaxid");
    salarytype_ = at("s_salarytype");
    paymentdate_ = at("s_paymentdate");
}

TEarlierLine TStoredLineReader::read(const QSqlQuery& row) const {
    TEarlierLine earlier;
    TLineValues& l = earlier.line;
#define ZARADE_READ_LINE(name) l.name = number(row, line_.name);
    ZARADE_LINE_NUMBERS(ZARADE_READ_LINE)
#undef ZARADE_READ_LINE
    l.salaryitemid = row.value(salaryitemid_).toLongLong();
    l.salarycreditid = row.value(salarycreditid_).toLongLong();
    l.workingstateid = row.value(workingstateid_).toLongLong();
    TDocumentValues& d = earlier.document;
#define ZARADE_READ_DOCUMENT(name) d.name = number(row, document_.name);
    ZARADE_DOCUMENT_NUMBERS(ZARADE_READ_DOCUMENT)
#undef ZARADE_READ_DOCUMENT
    d.salaryid = row.value(salaryid_).toLongLong();
    d.salarytaxid = row.value(salarytaxid_).toLongLong();
    const QString type = row.value(salarytype_).toString();
    d.salarytype = type.isEmpty() ? QChar() : type.at(0);
    d.paymentdate = StoredDate(row.value(paymentdate_));
    return earlier;
}
