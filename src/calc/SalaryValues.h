#pragma once

#include <QChar>
#include <QDate>

// The numbers of a document and of a line that the calculation reads, taken
// out of the datasets (or out of a stored row) once per procedure, in
// extended precision. The column lists name each column once; the field
// handles, these values and the readers are generated from them.

#define ZARADE_DOCUMENT_NUMBERS(X)                                                                      \
    X(workinghours) X(partcoefficient) X(baudvalue) X(minnetsalaryvalue) X(workingyearsincrementpercent) \
    X(minsalaryvalue) X(maxsalaryvalue) X(voluntarypensiontaxfreevalue) X(netdecreasepercent)            \
    X(netdecreaseminvalue) X(taxpercent) X(taxfreevalue) X(mealrefund) X(vacationrefund)

#define ZARADE_LINE_HOURS(X)                                                                                \
    X(workinghours) X(overtimehours) X(vacationhours) X(sickhours) X(longsickhours) X(nightworkinghours) \
    X(holidayworkinghours) X(nightholidayworkinghours) X(paidleavehours) X(publicholidayhours)

#define ZARADE_LINE_NUMBERS(X)                                                                               \
    ZARADE_LINE_HOURS(X)                                                                                     \
    X(maternityleavehours) X(childcareleavehours) X(absencehours) X(vacationvalue) X(sickvalue)              \
    X(longsickvalue) X(nightworkingvalue) X(overtimevalue) X(holidayworkingvalue) X(nightholidayworkingvalue) \
    X(paidleavevalue) X(publicholidayvalue) X(maternityleavevalue) X(childcareleavevalue) X(absencevalue)    \
    X(increment) X(decrement) X(difference) X(mealrefund) X(vacationrefund) X(voluntarypension)              \
    X(workingyears) X(coefficient) X(netcoefficient) X(regularwork) X(salaryvalue) X(paymentvalue)           \
    X(paymentdecreasedvalue) X(paymentnetvalue) X(arrangedsalaryvalue) X(arrangedpaymentvalue)

#define ZARADE_VALUE_MEMBER(name) long double name = 0;

struct TDocumentValues {
    ZARADE_DOCUMENT_NUMBERS(ZARADE_VALUE_MEMBER)
    qint64 salaryid = 0;
    qint64 salarytaxid = 0;
    QChar salarytype;
    QDate paymentdate;
};

// The ten hour columns of a line; CalculateRegularWork takes them as
// parameters, the other procedures from the line.
struct THours {
    ZARADE_LINE_HOURS(ZARADE_VALUE_MEMBER)

    // Every hour paid, long sick leave included (ten columns).
    long double all() const { return allButLongSick() + longsickhours; }
    // The hours that count against the month's fund for the tax-free amount
    // and the contribution bases.
    long double allButLongSick() const {
        return vacationhours + workinghours + sickhours + nightworkinghours + overtimehours + holidayworkinghours
            + nightholidayworkinghours + paidleavehours + publicholidayhours;
    }
    // Hours actually worked.
    long double worked() const {
        return workinghours + nightworkinghours + overtimehours + holidayworkinghours + nightholidayworkinghours;
    }
    // Worked hours that earn the meal allowance (overtime does not).
    long double meal() const { return nightworkinghours + workinghours + holidayworkinghours + nightholidayworkinghours; }
};

struct TLineValues {
    ZARADE_LINE_NUMBERS(ZARADE_VALUE_MEMBER)
    qint64 salaryitemid = 0;
    qint64 workingstateid = 0;
    qint64 salarycreditid = 0;
    bool minsalary = false;  // the employee is paid the minimum wage

    THours hours() const {
        THours h;
#define ZARADE_COPY_HOURS(name) h.name = name;
        ZARADE_LINE_HOURS(ZARADE_COPY_HOURS)
#undef ZARADE_COPY_HOURS
        return h;
    }
    // Leave, sick pay, supplements and absence: the parts of the gross that
    // are not regular work.
    long double otherValues() const {
        return vacationvalue + sickvalue + longsickvalue + nightworkingvalue + overtimevalue + holidayworkingvalue
            + nightholidayworkingvalue + paidleavevalue + publicholidayvalue + absencevalue;
    }
};
