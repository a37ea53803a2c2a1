#pragma once

#include "CalcTrace.h"
#include "RateItems.h"
#include "SalaryDM.h"
#include "SalaryValues.h"

// How the employee-borne items of a rate set turn a gross into the amounts
// taken from it; shared by the net, the net-to-gross and the decreased net.

// Employees of this working state pay neither health nor unemployment
// contributions: those items are left out of the deductions and the gross-up.
constexpr qint64 WorkingStateWithoutHealthAndUnemployment = 9;
// Employees of this working state pay every item on the full base, with no
// tax-free amount and no pension relief.
constexpr qint64 WorkingStateWithoutTaxFreeAmount = 19;

// `hours` are the line's hours against the month's `fund`: a part-time month
// has its minimum base cut in proportion (never raised above the full one).
TGrossStatus GrossStatus(long double gross, long double minBase, long double maxBase, long double hours,
                         long double fund);

// Sum of the employee-borne percentages and the tax relief (percent of the
// tax-free amount) of the items the working state pays.
struct TCorrection {
    double percent = 0;
    double correction = 0;
};
TCorrection Correction(const TRateItems& items, qint64 workingState);

// The gross whose net is `net`, with everything above the tax-free amount taxed.
long double GrossUp(long double net, long double percent, long double relief);

bool ExemptForWorkingState(const TRateItem& item, qint64 workingState);

// The base an item is computed on: the minimum base (prorated by hours) or
// the maximum base where the item follows them and the gross lies outside.
long double ContributionBase(const TRateItem& item, TGrossStatus status, long double gross,
                             const TDocumentValues& document, long double hours);

// The voluntary pension that lowers the income tax base, up to the document's cap.
long double PensionRelief(const TRateItem& item, const TLineValues& line, const TDocumentValues& document);

// An income tax is never negative: its base stops at zero.
long double TaxableBase(const TRateItem& item, long double base);

// The gross of a line from its regular work, in the parts a list shows.
struct TGrossParts {
    long double workingYears = 0;  // years of service on the worked hours
    long double meal = 0;          // the meal allowance for the hours that earn it
    long double gross = 0;         // unrounded
};
TGrossParts GrossParts(long double regularWork, const TDocumentValues& document, const TLineValues& line,
                       TCalcTrace* trace = nullptr);
// The gross of the line, rounded as amounts are.
long double GrossOf(long double regularWork, const TDocumentValues& document, const TLineValues& line,
                    bool roundTaxes, TCalcTrace* trace = nullptr);

// What a gross becomes for one line: the bases, every contribution and the
// income tax, the net. The net calculation, the payment lists and the
// returns all take a line's amounts from here, so they are the very amounts
// its stored net was calculated from.
struct TLineComponents {
    TGrossStatus status = TGrossStatus::gsNormal;
    long double contributionBase = 0;  // of the employee's pension (the gross when there is none)
    // Employee-borne contributions by role, and all of them together (a
    // fourth contribution counts only in the total).
    long double employeePension = 0, employeeHealth = 0, employeeUnemployment = 0, employeeContributions = 0;
    // Employer-borne contributions, each on the base its own flags give.
    long double employerPension = 0, employerHealth = 0, employerUnemployment = 0, employerContributions = 0;
    // The contribution for increased insurance service (working states 11 to 14).
    long double increasedService = 0;
    long double taxRelief = 0;      // what the tax base is lowered by: tax-free amount and pension relief
    long double pensionRelief = 0;  // the voluntary pension's part of it
    long double taxBase = 0;
    long double incomeTax = 0;
    long double employeeTotal = 0;     // contributions and tax taken from the gross
    long double absenceWithheld = 0;   // the absence pay the employee does not receive
    long double net = 0;
    // Percentages of the items by role (14 means 14 %).
    double employeePensionRate = 0, employeeHealthRate = 0, employeeUnemploymentRate = 0;
    double employerPensionRate = 0, employerHealthRate = 0, employerUnemploymentRate = 0, taxRate = 0;
};

// Employee contributions and income tax of `gross` for the line, item by
// item, each rounded to hundredths (and the running sum to whole units under
// RoundTaxes), the employer's contributions and the net. `sickLeaveDocument`
// prorates the tax-free amount by the long-sick, maternity and child-care
// hours, as sick-leave documents do.
TLineComponents LineComponents(const TDocumentValues& document, const TLineValues& line, const TRateItems& items,
                               long double gross, bool roundTaxes, bool sickLeaveDocument,
                               TCalcTrace* trace = nullptr);

// The rate of the contribution for increased insurance service of a working
// state (percent; 0 for states without one).
double IncreasedServiceRate(qint64 workingState);

// What the employee's contributions and income tax take from `gross`.
long double EmployeeDeductions(const TDocumentValues& document, const TLineValues& line, const TRateItems& items,
                               long double gross, bool roundTaxes, bool sickLeaveDocument);
