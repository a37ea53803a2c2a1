#include "FieldValidation.h"

#include "Messages.h"
#include "db/DataSet.h"
#include "db/Field.h"

namespace {

bool isEmpty(const TField& field) {
    if (field.isNull())
        return true;
    // Numbers and dates are held as such, never as text (every post checks them).
    if (IsNumericType(field.dataType()) || field.dataType() == FieldType::Date)
        return false;
    const QVariant& value = field.value();
    return value.typeId() == QMetaType::QString && value.toString().trimmed().isEmpty();
}

bool numberIn(const TField& field, double low, bool lowInclusive, double high) {
    if (isEmpty(field))
        return true;
    const double value = field.asFloat();
    return (lowInclusive ? value >= low : value > low) && value <= high;
}

}  // namespace

bool TestDate(const TField& field) { return isEmpty(field) || field.asDate().isValid(); }

bool TestID(const TField& field) { return isEmpty(field) || field.asLargeInt() > 0; }

bool TestMoney(const TField& field) { return numberIn(field, 0.0, true, 1e15); }

bool TestMoneyNoZero(const TField& field) { return numberIn(field, 0.0, false, 1e15); }

bool TestTaxRate(const TField& field) { return numberIn(field, 0.0, true, 100.0); }

bool TestZeroLength(const TField& field) { return !field.asString().trimmed().isEmpty(); }

TFieldValidation FieldValidation(TField* field, bool required, std::function<bool(const TField&)> test,
                                 const QString& requiredMessage, const QString& invalidMessage) {
    return TFieldValidation{field, required, std::move(test), requiredMessage, invalidMessage};
}

TValidator::TValidator(std::vector<TFieldValidation> validations) : validations_(std::move(validations)) {}

QString TValidator::FirstFailure(TDataSet& dataSet) const {
    for (const TFieldValidation& validation : validations_) {
        if (!validation.field || validation.field->dataSet() != &dataSet)
            continue;
        const TField& field = *validation.field;
        if (validation.required && isEmpty(field))
            return validation.requiredMessage.arg(field.displayLabel());
        if (validation.test && !validation.test(field))
            return validation.invalidMessage.arg(field.displayLabel());
    }
    return {};
}

bool TValidator::Validate(TDataSet& dataSet, IMessages& messages) const {
    const QString failure = FirstFailure(dataSet);
    if (failure.isEmpty())
        return true;
    messages.error(failure);
    return false;
}
