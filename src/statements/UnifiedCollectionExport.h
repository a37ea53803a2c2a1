#pragma once

#include "UnifiedCollection.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

class TSalaryDM;
struct TCompanyInfo;

// What an export writes besides the rows: the payer type (1 to 7, the
// position in "Tip isplatioca") and an optional income type filter: only
// the rows with `incomeType`, or with `exclude` all rows but those.
struct TUnifiedCollectionExport {
    int payerType = 1;
    QString incomeType;
    bool exclude = false;
};

// The header values the documents of the selection give.
struct TUnifiedCollectionHeader {
    int year = 0;
    int month = 0;
    QChar salaryType;
    double partCoefficient = 100;
    QDate paymentDate;
    int belowLowestBase = 0;  // employees paid below the lowest contribution base
};

// Reads the header of the selection from its posted documents and their lines.
TUnifiedCollectionHeader ReadUnifiedCollectionHeader(TSalaryDM& dm, const TUnifiedCollectionSelection& selection);

// The declaration's text from the rows loaded in SalaryReportUnifiedCollectionZQ.
QString GetReportUnifiedCollection(TSalaryDM& dm, const TCompanyInfo& company,
                                   const TUnifiedCollectionHeader& header, const TUnifiedCollectionExport& options);

// "ppp_pd_" + the time + "_" + the company's tax number + "_" + year + "_" + month.
QString UnifiedCollectionFileName(const QDateTime& now, const QString& companyCode, int year, int month);

// Builds the declaration of the selection's stored rows, refuses it (with a
// message naming the row, or the schema's complaint) when a row or the
// company data would break the declaration's schema, and writes it to `path`
// as it is, without a line end; nothing is written on refusal. The number of
// rows declared.
int ExportUnifiedCollection(TSalaryDM& dm, const TUnifiedCollectionSelection& selection,
                            const TUnifiedCollectionExport& options, const QString& path);
// The same for the rows as loaded in SalaryReportUnifiedCollectionZQ, in
// their order there (a form exports its grid as sorted); unsaved edits of
// the rows are refused.
int ExportLoadedUnifiedCollection(TSalaryDM& dm, const TUnifiedCollectionSelection& selection,
                                  const TUnifiedCollectionExport& options, const QString& path);
