#pragma once

#include <QtGlobal>

#include <functional>

class IConsole;
class QWidget;
class TSalaryDM;

// Opens the current document of SalaryZQ (browsing, or inserting after the
// list's add) modally in the editor of its type: "Z" regular, "B" sick
// leave, "P" transport. `showTaxRates` is the view-only rate editor. Returns
// the key of a copy made in the editor, 0 when none was made.
qint64 SalaryDocumentEdit(TSalaryDM& dm, IConsole& console, const std::function<void(QWidget*)>& showTaxRates,
                          QWidget* owner);
