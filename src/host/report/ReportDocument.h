#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class TDataSet;

// What the prints show of the salary document: its period, payment date,
// number and kind. Missing columns read as empty.
struct TDocumentInfo {
    int year = 0;
    int month = 0;
    QDate paymentDate;
    QString number;
    QString type;  // 'Z' regular, 'B' sick leave, 'P' transport

    bool hasPeriod() const { return year > 0 && month >= 1 && month <= 12; }
    // "11/2026", or empty without a period
    QString periodText() const;
    // "novembar 2026."
    QString periodWords() const;
    // The lines the top right corner of a page shows.
    QStringList headerLines() const;
};

// From the current record of `document` (null or empty: nothing known).
TDocumentInfo ReadDocumentInfo(const TDataSet* document);
