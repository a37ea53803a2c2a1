#include "RateGlobals.h"

double PIO_COEF1 = 0;
double ZO_COEF1 = 0;
double ON_COEF1 = 0;
double PIO_COEF2 = 0;
double ZO_COEF2 = 0;
double ON_COEF2 = 0;
double LD_COEF = 0;

QString PIO_ACC1;
QString ZO_ACC1;
QString ON_ACC1;
QString PIO_ACC2;
QString ZO_ACC2;
QString ON_ACC2;
QString LD_ACC;

namespace {

struct RateSlot {
    double& rate;
    QString& account;
};

// The first of the three candidates still at zero takes the item; a fourth
// contribution finds none and is not described by the globals.
void assignFirstFree(const std::initializer_list<RateSlot>& candidates, const TRateItem& item) {
    for (const RateSlot& free : candidates)
        if (free.rate == 0) {
            free.rate = item.rate;
            free.account = item.account;
            return;
        }
}

void fillFirstFree(const std::initializer_list<double*>& candidates, double rate) {
    for (double* free : candidates)
        if (*free == 0) {
            *free = rate;
            return;
        }
}

}  // namespace

void ResetRateGlobals() {
    for (double* rate : {&PIO_COEF1, &ZO_COEF1, &ON_COEF1, &PIO_COEF2, &ZO_COEF2, &ON_COEF2, &LD_COEF})
        *rate = 0;
    for (QString* account : {&PIO_ACC1, &ZO_ACC1, &ON_ACC1, &PIO_ACC2, &ZO_ACC2, &ON_ACC2, &LD_ACC})
        account->clear();
}

void AssignRateGlobals(const TRateItems& items) {
    ResetRateGlobals();
    for (const TRateItem& item : items) {
        if (item.employee && item.hasContributionBase()) {
            assignFirstFree({{PIO_COEF1, PIO_ACC1}, {ZO_COEF1, ZO_ACC1}, {ON_COEF1, ON_ACC1}}, item);
        } else if (item.employee) {
            LD_COEF = item.rate;
            LD_ACC = item.account;
        } else if (item.hasContributionBase()) {
            assignFirstFree({{PIO_COEF2, PIO_ACC2}, {ZO_COEF2, ZO_ACC2}, {ON_COEF2, ON_ACC2}}, item);
        }
    }
}

void FillFreeRateGlobals(const TRateItems& items) {
    for (const TRateItem& item : items) {
        if (item.employee && item.hasContributionBase())
            fillFirstFree({&PIO_COEF1, &ZO_COEF1, &ON_COEF1}, item.rate);
        else if (item.employee)
            fillFirstFree({&LD_COEF}, item.rate);
        else if (item.hasContributionBase())
            fillFirstFree({&PIO_COEF2, &ZO_COEF2, &ON_COEF2}, item.rate);
    }
}
