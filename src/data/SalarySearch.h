#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QVariantMap>

// The salary list's search: one condition per key with a value, values bound
// as parameters. Keys: "salarytype" (a caption), "year", "month", "datefrom",
// "dateto" (yyyy-mm-dd), "status" (a caption), "employeefirstname",
// "employeelastname" (prefixes).
struct SalarySearchQuery {
    QString sql;
    QVariantMap params;
};

using SalarySearchKeys = QList<QPair<QString, QString>>;

SalarySearchQuery ParseSQL(const SalarySearchKeys& keys);
