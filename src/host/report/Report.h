#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class TDataSet;

// One dataset of a report, under its caption; `fields` chooses and orders
// the columns (empty: every visible field).
struct TReportSection {
    QString caption;
    const TDataSet* dataSet = nullptr;
    QStringList fields{};
};

// What a print shows: a title, the texts the caller passed (shown under the
// title), and the datasets as tables. The company comes from the settings
// store when the report is laid out; the document's month and payment date
// from the current record of `document` (or of the first section that has them).
struct TReport {
    QString title;
    QStringList texts;
    const TDataSet* document = nullptr;
    QList<TReportSection> sections;
    // A remark printed under the texts (for example what this print leaves out).
    QString note;
};
