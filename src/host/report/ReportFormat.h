#pragma once

#include <QString>

// Numbers as the prints show them, with Serbian separators.

// Below half a para an amount prints as zero, so it counts as none.
bool IsZeroAmount(double value);
// 1.234,50
QString MoneyText(double value);
// 1.234 (counts, whole-dinar statistics)
QString WholeText(double value);
// 160, or 7,50 when the hours are not whole; 1.600 in totals
QString HoursText(double value);
// 14,00 % for a rate given in percent
QString RateText(double percent);
