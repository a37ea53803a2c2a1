#pragma once

#include "db/DataSet.h"

#include <QString>
#include <QVariantMap>

#include <memory>

// In-memory datasets shaped as the payroll module fills them for the prints.

// A dataset with the named fields; every record a map of field to value.
std::unique_ptr<TDataSet> MemoryData(const QString& name, const QList<QPair<QString, FieldType>>& fields,
                                     const QList<QVariantMap>& records);

// Three employees of one month: Petrović (Krojačnica, a deduction and a
// difference), Šarić (Šivenje, paid the minimum wage), Đorđević (Uprava, a
// second payment of the month).
struct PaymentListData {
    std::unique_ptr<TDataSet> rows;
    std::unique_ptr<TDataSet> credits;
    std::unique_ptr<TDataSet> differences;
    std::unique_ptr<TDataSet> coefficients;
    std::unique_ptr<TDataSet> document;
};
PaymentListData NovemberPaymentList();

// The recapitulation of the month: labelled money lines, an hour sum, a
// counter, a payment code and the unit keys; a row per unit when grouped.
std::unique_ptr<TDataSet> Recapitulation(bool perUnit);
// Two chamber fees in each of two units.
std::unique_ptr<TDataSet> Chambers();
// The statistical form's one row.
std::unique_ptr<TDataSet> ZipForm();

// The rows of an even bigger month, each employee alike but for the code.
std::unique_ptr<TDataSet> ManyPaymentRows(int count);
