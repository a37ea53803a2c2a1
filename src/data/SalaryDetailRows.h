#pragma once

#include <QtGlobal>

class TSqlQuery;

// Stores the cached detail rows of a salary line (differences or
// coefficient parts): a pending edit is posted, rows made before the line
// was known get its key, and the cache is written in one transaction.
void ApplyDetailRows(TSqlQuery& rows, qint64 salaryItemId);
