#pragma once

#include "SalaryValues.h"

#include <QString>

class QSqlQuery;
class QSqlRecord;

// Lines of stored documents read many at a time, each with the values of its
// document: the leave history and the annual reports read them so, in one
// statement for thousands of lines.

// One stored line with the values of its document.
struct TEarlierLine {
    TDocumentValues document;
    TLineValues line;
};

// The select list over salaryitem AS si, salary AS s and employee AS e: the
// line's columns, the employee's working state and the document's columns
// under the prefix "s_".
QString StoredLineColumns();

// Column positions of a query over StoredLineColumns(), found once per statement.
class TStoredLineReader {
public:
    explicit TStoredLineReader(const QSqlRecord& record);
    TEarlierLine read(const QSqlQuery& row) const;
    int employeeColumn() const { return employeeid_; }

private:
#define ZARADE_INDEX_MEMBER(name) int name = -1;
    struct {
        ZARADE_LINE_NUMBERS(ZARADE_INDEX_MEMBER)
    } line_;
    struct {
        ZARADE_DOCUMENT_NUMBERS(ZARADE_INDEX_MEMBER)
    } document_;
#undef ZARADE_INDEX_MEMBER
    int salaryitemid_, salaryid_, employeeid_, salarycreditid_, workingstateid_, salarytaxid_, salarytype_,
        paymentdate_;
};
