// Codes and net amounts of a spreadsheet into an empty transport document.

#include "EmployeeLines.h"
#include "ImportResourceStrings.h"
#include "SalaryDM.h"
#include "SalaryImports.h"
#include "SheetFile.h"
#include "SuspendGuard.h"
#include "db/Connection.h"
#include "db/DbError.h"

#include <QSqlQuery>

#include <optional>

namespace {

struct SheetLine {
    QString code;
    QString name;
    double net = 0;
    std::optional<double> pay;
};

double amountOf(const TSheet& sheet, const TSheetRow& row, int column) {
    double value = 0;
    const QVariant cell = TSheet::cell(row, column);
    if (!SheetNumber(cell, value))
        throw EDatabaseError(QStringLiteral("Red %1, kolona \"%2\": \"%3\" nije broj.")
                                 .arg(row.line)
                                 .arg(sheet.header.at(column), SheetText(cell).trimmed()));
    return value;
}

// Every row read and checked before the first line is added.
std::vector<SheetLine> sheetLines(const TSheet& sheet) {
    const int code = sheet.column(QStringLiteral("Kod"));
    const int net = sheet.column(QStringLiteral("Neto"));
    const int pay = sheet.column(QStringLiteral("ZaIsplatu"));
    const int name = sheet.column(QStringLiteral("Ime"));
    if (code < 0 || net < 0)
        throw EDatabaseError(QString::fromUtf8(_SAL_WRONG_FILE_FORMAT));
    std::vector<SheetLine> lines;
    for (const TSheetRow& row : sheet.rows) {
        SheetLine line;
        line.code = SheetText(TSheet::cell(row, code)).trimmed();
        if (line.code.isEmpty())
            continue;
        line.name = SheetText(TSheet::cell(row, name)).trimmed();
        line.net = amountOf(sheet, row, net);
        if (pay >= 0)
            line.pay = amountOf(sheet, row, pay);
        lines.push_back(line);
    }
    return lines;
}

}  // namespace

TSheetImport ImportSheetLines(TSalaryDM& dm, const TSheet& sheet) {
    if (!SalaryImportAllowed(dm))
        throw EDatabaseError(QString::fromUtf8(_SAL_IMPORT_NOT_EMPTY));
    const std::vector<SheetLine> rows = sheetLines(sheet);
    const bool transport = dm.SalaryZQ->fieldByName(QStringLiteral("salarytype"))->asString() == QLatin1String("P");
    if (transport && TEmployeeLineAdder::RefuseWithoutFund(dm))
        return {};
    TSqlQuery& lines = *dm.SalaryItemZQ;
    ControlsDisabled quiet(lines);
    TEmployeeLineAdder adder(dm);
    TSheetImport result;
    for (const SheetLine& row : rows) {
        QSqlQuery employee =
            dm.ZConnection()->exec(QStringLiteral("SELECT * FROM employee WHERE code = ?"), {row.code});
        if (!employee.next()) {
            result.unknown << row.code + QStringLiteral(" - ") + row.name;
            continue;
        }
        if (!transport || !adder.Add(employee))
            continue;
        lines.edit();
        lines.fieldByName(QStringLiteral("paymentvalue"))->setAsFloat(row.net);
        if (row.pay)
            lines.fieldByName(QStringLiteral("paymentnetvalue"))->setAsFloat(*row.pay);
        lines.post();
        if (lines.fieldByName(QStringLiteral("paymentnetvalue"))->asFloat() > 0)
            ++result.added;
        else {
            // Taken back by the import itself: nobody is asked.
            FlagGuard unasked(dm.EditingLines, false);
            lines.remove();
        }
    }
    lines.first();
    return result;
}
