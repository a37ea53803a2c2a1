#pragma once

#include <QChar>
#include <QString>

// Formats a number with a display format of the kind stored with the fields
// ("0.00", "0.##", "#,##0.00", "0.00 %", "00000000.00"):
//   '0'  a digit that is always shown (leading or trailing zeros kept)
//   '#'  a digit shown only when significant
//   '.'  the decimal separator; its absence means a whole number
//   ','  anywhere in the integer part: group thousands
//   any other text, or text in '...' or "...", is kept as it stands
//        (a '%' is only a sign: the value is not multiplied by 100).
// The shown value is rounded half away from zero on its decimal value, and a
// negative value gets a leading '-'. An empty format gives the shortest
// natural representation (15 significant digits).
QString FormatFloat(const QString& format, double value, QChar decimalSeparator = QLatin1Char(','),
                    QChar thousandSeparator = QLatin1Char('.'));
