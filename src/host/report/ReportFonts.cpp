#include "ReportFonts.h"

QFont ReportFont(double points, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont CondensedFont(double points, bool bold) {
    QFont font = ReportFont(points, bold);
    font.setStretch(QFont::Condensed);
    return font;
}
