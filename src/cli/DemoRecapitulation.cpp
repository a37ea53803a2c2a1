#include "DemoRecapitulation.h"

#include "Recapitulation.h"
#include "SalaryDM.h"

namespace {

void PrintRow(QTextStream& out, const QString& label, const QString& value) {
    out << "  " << label.leftJustified(44, QLatin1Char('.')) << " " << value.rightJustified(16) << "\n";
}

// The lines every recapitulation shows, even at zero.
bool AlwaysShown(const QString& name) {
    static const QStringList names{QStringLiteral("count"), QStringLiteral("regularwork"),
                                   QStringLiteral("salaryvalue"), QStringLiteral("paymentvalue"),
                                   QStringLiteral("totalcost"), QStringLiteral("paymentnetvalue")};
    return names.contains(name);
}

}  // namespace

void PrintRecapitulation(TSalaryDM& dm, QTextStream& out) {
    PrepareRecapitulation(dm, RecapitulationAll, true);
    const TDataSet& recapitulation = *dm.RecapitulationCDS;
    // The printed lines, up to the amount paid out now.
    const int last = recapitulation.fieldByName(QStringLiteral("cash"))->index();
    for (int c = 0; c <= last; ++c) {
        const TField& field = *recapitulation.field(c);
        const QVariant& value = recapitulation.valueAt(0, c);
        if (value.isNull() || (value.toDouble() == 0 && !AlwaysShown(field.fieldName())))
            continue;
        PrintRow(out, field.displayLabel(),
                 field.dataType() == FieldType::Float ? QString::number(value.toDouble(), 'f', 2) : value.toString());
    }
}
