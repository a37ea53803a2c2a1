#pragma once

#include "CompanyInfo.h"
#include "Printout.h"
#include "ReportTable.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <vector>

// A statement handed to one person per page (the annual PPP and M4 forms):
// the employer and the title above, the person's box, the amounts, the
// documents behind them when there are any, and the place for the date, the
// stamp and the signature at the foot.
struct TStatementPage {
    QString person;                          // named in the foot line
    QList<QPair<QString, QString>> box;      // label and value
    std::vector<TRow> amounts;               // label and value
    TTable details;                          // no columns: none
};

struct TStatementBook {
    TCompanyInfo company;
    QString title;
    QStringList texts;  // under the title
    QString issueDate;
    std::vector<TStatementPage> pages;
};

class TStatementPrintout : public TPrintout {
public:
    explicit TStatementPrintout(TStatementBook book) : book_(std::move(book)) {}
    QString title() const override { return book_.title; }
    bool landscape() const override { return false; }
    int paint(QPainter& painter, QPagedPaintDevice& device) const override;

private:
    TStatementBook book_;
};
