#pragma once

#include <QString>

class TPaySlipBook;

// Writes every slip of the book to its own PDF file in `folder` (created when
// missing), named by the book; a second slip of the same name gets "-2".
// Returns the files written; a folder or file that cannot be written throws
// EReportError.
int WritePaySlipFiles(const TPaySlipBook& book, const QString& folder);
