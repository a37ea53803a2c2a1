#pragma once

#include <QString>
#include <QVariantMap>

class TSalaryDM;

// A return is built by opening its documents one after another in SalaryZQ,
// the dataset the salary list and an open editor stand on. While this lives
// SalaryZQ may be reopened at will; at its end the list's query, its current
// document, that document's rate set and lines are put back as they were.
// Unsaved edits of the current document are refused first: they would be lost.
class TKeptSalaryDocument {
public:
    explicit TKeptSalaryDocument(TSalaryDM& dm);
    ~TKeptSalaryDocument();
    TKeptSalaryDocument(const TKeptSalaryDocument&) = delete;
    TKeptSalaryDocument& operator=(const TKeptSalaryDocument&) = delete;

private:
    void restore();

    TSalaryDM& dm_;
    QString sql_;
    QVariantMap params_;
    QString sortFields_;
    bool active_ = false;
    qint64 salaryid_ = 0;
    bool linesActive_ = false;
    qint64 salaryitemid_ = 0;
};
