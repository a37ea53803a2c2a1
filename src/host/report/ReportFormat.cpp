#include "ReportFormat.h"

#include "FormatFloat.h"

#include <cmath>

bool IsZeroAmount(double value) { return std::fabs(value) < 0.005; }

QString MoneyText(double value) {
    // A rounded-away negative remainder would print as "-0,00".
    return FormatFloat(QStringLiteral("#,##0.00"), IsZeroAmount(value) ? 0.0 : value);
}

QString WholeText(double value) { return FormatFloat(QStringLiteral("#,##0"), std::fabs(value) < 0.5 ? 0.0 : value); }

QString HoursText(double value) {
    if (std::fabs(value - std::round(value)) < 0.005)
        return FormatFloat(QStringLiteral("#,##0"), value);
    return FormatFloat(QStringLiteral("#,##0.00"), value);
}

QString RateText(double percent) { return FormatFloat(QStringLiteral("0.00"), percent) + QStringLiteral(" %"); }
