#pragma once

#include <QString>

#include <functional>
#include <vector>

class IMessages;
class TDataSet;
class TField;

// Tests a field's value; true when acceptable. Empty values are the
// business of the required check, so every test accepts them.
using FieldTest = bool (*)(const TField& field);

bool TestDate(const TField& field);          // a real calendar date
bool TestID(const TField& field);            // a key: a whole number above zero
bool TestMoney(const TField& field);         // an amount, zero or more
bool TestMoneyNoZero(const TField& field);   // an amount above zero
bool TestTaxRate(const TField& field);       // a percentage from 0 to 100
bool TestZeroLength(const TField& field);    // text with something other than blanks

struct TFieldValidation {
    TField* field = nullptr;
    bool required = false;
    std::function<bool(const TField&)> test;  // empty: only the required check
    QString requiredMessage;                  // %1 is the field's label
    QString invalidMessage;                   // %1 is the field's label
};

TFieldValidation FieldValidation(TField* field, bool required, std::function<bool(const TField&)> test,
                                 const QString& requiredMessage, const QString& invalidMessage);

// Applies the validations registered for a dataset before a post. The first
// failing one is reported through the message interface.
class TValidator {
public:
    TValidator() = default;
    explicit TValidator(std::vector<TFieldValidation> validations);

    // Checks every validation of the dataset in registration order; reports
    // the first failure and returns false.
    bool Validate(TDataSet& dataSet, IMessages& messages) const;
    // The message of the first failure, or an empty text when all pass.
    QString FirstFailure(TDataSet& dataSet) const;
    size_t size() const { return validations_.size(); }

private:
    std::vector<TFieldValidation> validations_;
};
