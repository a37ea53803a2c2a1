#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

// The first sheet of a spreadsheet file: its first row as the column
// names, the other rows as cells (numbers as double, everything else as
// text). Reads ".xls", ".xlsx" and ".csv" (semicolon or comma, UTF-8 or
// Windows-1250), chosen by the extension.

struct TSheetRow {
    int line = 0;  // row of the sheet (the header is row 1)
    std::vector<QVariant> cells;
};

struct TSheet {
    QStringList header;
    std::vector<TSheetRow> rows;

    // The column of a header name (case and surrounding blanks aside), or -1.
    int column(const QString& name) const;
    // The cell of a row, null when the row is shorter.
    static QVariant cell(const TSheetRow& row, int column);
};

// Larger files are refused before they are read: a sheet of codes and
// amounts for thousands of employees stays far below it.
constexpr qint64 MaxSheetFileBytes = 5 * 1024 * 1024;

// Throws EDatabaseError with the reason in Serbian: "Pogrešan format
// datoteke!" for another extension, or what is wrong with the file.
TSheet ReadSheetFile(const QString& fileName);

// A cell as an amount: a number, or text with a decimal comma or point
// ("1.234,56", "1234.56"); empty is 0. False when it is no number.
bool SheetNumber(const QVariant& cell, double& value);
// A cell as text; whole numbers without decimals (a code typed as 7 reads "7").
QString SheetText(const QVariant& cell);
