#pragma once

#include <QString>

class TSalaryDM;

// How the payment list rows are ordered, and so grouped by the
// recapitulation and the chambers fee: the index names of the lists.
inline const QString OrganizationUnitIndex = QStringLiteral("OrganizationUnitA");
inline const QString SubOrganizationUnitIndex = QStringLiteral("SubOrganizationUnitA");
inline const QString AccountIndex = QStringLiteral("AccountA");
// Orders PaymentListsItemCDS by the index (empty: document order).
void SetPaymentListsIndex(TSalaryDM& dm, const QString& index);

// Which payment list rows a recapitulation sums.
enum TRecapitulationMode {
    RecapitulationAll = 0,
    RecapitulationEmployees = 1,   // rows of employees who are not the employer
    RecapitulationEmployers = 2,   // the employer's own rows
    // 12 to 16 and 19: rows of working states 2 to 6 and 9; 119: state 19.
};
// Whether the mode is one of those above.
bool ValidRecapitulationMode(int mode);

// Prepares the payment lists (PreparePaymentLists(decreased, 0)) and fills
// RecapitulationCDS: one row per group of the index set on the payment
// lists, or one row for the document; a group without rows passing the
// mode still gives one row of zeros.
void PrepareRecapitulation(TSalaryDM& dm, int mode, bool decreased);

// A recapitulation (all rows, decreased) and ChamberCDS: every chamber fee
// item of the document's rate set for every recapitulation row.
void PrepareChambers(TSalaryDM& dm);

// The statistical form (ZipFormCDS): a recapitulation per sub-organisational
// unit whose units named "Starozaposleni", "Novozaposleni" and
// "Poslovodstvo" are the three categories. Leaves the lists unordered.
void PrepareZipForm(TSalaryDM& dm);
