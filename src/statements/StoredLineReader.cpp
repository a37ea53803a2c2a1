#include "StoredLineReader.h"

namespace {

struct NumberColumn {
    long double TLineValues::*member;
    const char* name;
};

#define ZARADE_NUMBER_COLUMN(name) NumberColumn{&TLineValues::name, #name},
const NumberColumn NumberColumns[] = {ZARADE_LINE_NUMBERS(ZARADE_NUMBER_COLUMN)};
#undef ZARADE_NUMBER_COLUMN

}  // namespace

TStoredLineReader::TStoredLineReader(const QSqlRecord& record)
    : salaryitemid_(record.indexOf(QStringLiteral("salaryitemid"))),
      workingstateid_(record.indexOf(QStringLiteral("workingstateid"))),
      salarycreditid_(record.indexOf(QStringLiteral("salarycreditid"))),
      minsalary_(record.indexOf(QStringLiteral("minsalary"))) {
    for (const NumberColumn& column : NumberColumns)
        if (const int index = record.indexOf(QLatin1String(column.name)); index >= 0)
            numbers_.emplace_back(column.member, index);
}

TLineValues TStoredLineReader::read(const QSqlQuery& row) const {
    TLineValues v;
    for (const auto& [member, index] : numbers_)
        v.*member = row.value(index).toDouble();
    const auto key = [&row](int index) { return index < 0 ? 0 : row.value(index).toLongLong(); };
    v.salaryitemid = key(salaryitemid_);
    v.workingstateid = key(workingstateid_);
    v.salarycreditid = key(salarycreditid_);
    v.minsalary = minsalary_ >= 0 && row.value(minsalary_).toString().compare(QLatin1String("y"), Qt::CaseInsensitive) == 0;
    return v;
}
