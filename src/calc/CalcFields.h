#pragma once

#include "Deductions.h"
#include "RateItems.h"
#include "SalaryValues.h"

#include <unordered_map>
#include <vector>

class QSqlQuery;
class TField;
class TDataSet;
class TSalaryDM;

#define ZARADE_FIELD_MEMBER(name) TField* name = nullptr;

// Fields of the current document (SalaryZQ).
struct TDocumentFields {
    ZARADE_DOCUMENT_NUMBERS(ZARADE_FIELD_MEMBER)
    TField* salaryid = nullptr;
    TField* salarytaxid = nullptr;
    TField* salarytype = nullptr;
    TField* paymentdate = nullptr;
};

// Fields of the current line (SalaryItemZQ), the employee's joined ones included.
struct TLineFields {
    ZARADE_LINE_NUMBERS(ZARADE_FIELD_MEMBER)
    TField* salaryitemid = nullptr;
    TField* workingstateid = nullptr;
    TField* salarycreditid = nullptr;
    TField* minsalary = nullptr;
    TField* credits = nullptr;
};

// Fields of a rate item (SalaryTaxItemZQ).
struct TRateItemFields {
    TField* taxpercent = nullptr;
    TField* taxfreevalue = nullptr;
    TField* taxstatus = nullptr;
    TField* minsalary = nullptr;
    TField* maxsalary = nullptr;
    TField* chamber = nullptr;
    TField* taxbankaccount = nullptr;
};

// Field handles resolved once, so that the per-line calculation never looks
// a field up by name.
struct TCalcFields {
    explicit TCalcFields(const TSalaryDM& dm);
    TDocumentFields document;
    TLineFields line;
    TRateItemFields rateItem;

    // What an assignment to the line field of this index changes in the
    // line's values: a number, something else, or nothing the calculation reads.
    enum class LineValueKind { None, Number, Other };
    LineValueKind lineValueKind(int fieldIndex) const;
    long double TLineValues::*lineNumber(int fieldIndex) const { return lineNumbers_[size_t(fieldIndex)]; }

private:
    std::vector<long double TLineValues::*> lineNumbers_;
    std::vector<bool> lineOthers_;
};

// The calculation's state kept in the data module: the handles, the rate
// items of the rate-item dataset as last read, and the rate and deduction
// sets read from the database by key. Applied sets are never edited (a
// change is a new set with a new key), so a set read once stays right.
struct TCalcState {
    explicit TCalcState(const TSalaryDM& dm) : fields(dm) {}
    TCalcFields fields;

    // The current document's values, read again only after it changed.
    TDocumentValues document;
    quint64 documentChangeCount = 0;
    int documentRow = -1;

    // The current line's values, kept up to date by following single field
    // assignments and read again after any other change.
    TLineValues line;
    quint64 lineChangeCount = 0;
    int lineRow = -1;

    TRateItems shownRates;
    qint64 shownRatesKey = 0;  // the rate set they belong to
    quint64 shownRatesChangeCount = 0;
    const TDataSet* shownRatesOf = nullptr;  // null until first read

    std::unordered_map<qint64, TRateItems> storedRates;
    std::unordered_map<qint64, TDeductions> storedDeductions;
};

TDocumentValues ReadDocument(const TDocumentFields& fields);
TLineValues ReadLine(const TLineFields& fields);
// The same from a record's values (a row of the line dataset other than the current one).
TLineValues ReadLine(const TLineFields& fields, const std::vector<QVariant>* values);
// The same from the current row of a query over the stored table (the
// line's query joins the employee's workingstateid).
TDocumentValues DocumentOfRow(const QSqlQuery& row);
// A date column of a stored row: SQLite gives its text, perhaps with a time
// of day after it; only the day counts.
QDate StoredDate(const QVariant& value);
TLineValues LineOfRow(const QSqlQuery& row);
