#include "ReportDocument.h"

#include "db/DataSet.h"

namespace {

const TField* Present(const TDataSet& data, const QString& name) {
    const TField* field = data.findField(name);
    return field && !field->isNull() ? field : nullptr;
}

}  // namespace

QString TDocumentInfo::periodText() const {
    return hasPeriod() ? QStringLiteral("%1/%2").arg(month, 2, 10, QLatin1Char('0')).arg(year) : QString();
}

QString TDocumentInfo::periodWords() const {
    static const char* const names[] = {"januar", "februar", "mart",     "april",   "maj",      "jun",
                                        "jul",    "avgust",  "septembar", "oktobar", "novembar", "decembar"};
    return hasPeriod() ? QStringLiteral("%1 %2.").arg(QLatin1String(names[month - 1])).arg(year) : QString();
}

QStringList TDocumentInfo::headerLines() const {
    QStringList lines;
    if (!number.isEmpty())
        lines << QStringLiteral("Obračun br. %1").arg(number);
    if (hasPeriod())
        lines << QStringLiteral("Mesec: %1").arg(periodText());
    if (paymentDate.isValid())
        lines << QStringLiteral("Datum isplate: %1").arg(paymentDate.toString(QStringLiteral("dd.MM.yyyy.")));
    return lines;
}

TDocumentInfo ReadDocumentInfo(const TDataSet* document) {
    TDocumentInfo info;
    if (!document || !document->active() || document->isEmpty())
        return info;
    if (const TField* year = Present(*document, QStringLiteral("year")))
        info.year = year->asInteger();
    if (const TField* month = Present(*document, QStringLiteral("month")))
        info.month = month->asInteger();
    if (const TField* paid = Present(*document, QStringLiteral("paymentdate")))
        info.paymentDate = paid->asDate();
    if (const TField* number = Present(*document, QStringLiteral("salarynumber")))
        info.number = number->asString();
    if (const TField* type = Present(*document, QStringLiteral("salarytype")))
        info.type = type->asString().trimmed().toUpper();
    return info;
}
