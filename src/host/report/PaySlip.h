#pragma once

#include "CompanyInfo.h"
#include "ReportDocument.h"
#include "ReportTable.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <vector>

class TDataSet;

// One employee's calculation of pay as the slip prints it.
struct TPaySlip {
    QString employeeName;
    QString code;
    // Label and value pairs of the employee's box.
    QList<QPair<QString, QString>> employee;
    // Description, hours or base, rate, amount; parts under heading rows.
    std::vector<TRow> lines;
    bool minimumWage = false;
};

// The columns the lines of a slip fill.
std::vector<TColumn> PaySlipColumns();

// The slips of one payment list: a slip per row of `rows`, in the order the
// dataset holds them, with the deductions, differences and coefficient rows
// of the row's employee. The datasets must outlive the book.
class TPaySlipBook {
public:
    TPaySlipBook(const TDataSet* rows, const TDataSet* credits, const TDataSet* differences,
                 const TDataSet* coefficients, const TDocumentInfo& document, const TCompanyInfo& company,
                 const QStringList& texts);

    int count() const;
    TPaySlip slip(int index) const;
    // "<code>-<yyyy>-<mm>.pdf", safe as a file name.
    QString fileName(int index) const;

    const TDocumentInfo& document() const { return document_; }
    const TCompanyInfo& company() const { return company_; }
    const QStringList& texts() const { return texts_; }

private:
    using Index = QHash<qint64, QList<int>>;
    static Index IndexByEmployee(const TDataSet* data);

    const TDataSet* rows_;
    const TDataSet* credits_;
    const TDataSet* differences_;
    const TDataSet* coefficients_;
    Index creditRows_;
    Index differenceRows_;
    Index coefficientRows_;
    TDocumentInfo document_;
    TCompanyInfo company_;
    QStringList texts_;
};
