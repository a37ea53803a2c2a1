#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariantMap>

// The salary list's search: one condition per key with a value, values bound
// as parameters. Keys: "salarytype" (a caption), "year", "month", "datefrom",
// "dateto" (dates as typed: 06.12.2026. or 2026-12-06; one that cannot be
// read is refused with EDatabaseError), "status" (a caption),
// "employeefirstname", "employeelastname" (prefixes).
struct SalarySearchQuery {
    QString sql;
    QVariantMap params;
};

using SalarySearchKeys = QList<QPair<QString, QString>>;

SalarySearchQuery ParseSQL(const SalarySearchKeys& keys);
