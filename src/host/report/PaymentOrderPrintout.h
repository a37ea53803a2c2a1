#pragma once

#include "Printout.h"

#include <QString>

#include <vector>

class TDataSet;

// One domestic payment order ("nalog za prenos") as the form shows it.
struct TPaymentOrder {
    QString payer, purpose, recipient, paycode, currency, payerAccount, recipientAccount, model, reference;
    double amount = 0;
};

// The orders of a PaymentErrandsCDS-shaped dataset that are printed: those
// with an amount above 0, in dataset order.
std::vector<TPaymentOrder> PrintedPaymentOrders(const TDataSet& errands);

// Payment orders on the layout of the Serbian "nalog za prenos": payer,
// purpose and recipient on the left; payment code, currency, amount, the
// payer's account, the recipient's account with model and reference on the
// right. One order per page, or three per A4 sheet between cutting lines.
class TPaymentOrderPrintout : public TPrintout {
public:
    TPaymentOrderPrintout(std::vector<TPaymentOrder> orders, bool threePerSheet)
        : orders_(std::move(orders)), threePerSheet_(threePerSheet) {}
    QString title() const override { return QStringLiteral("Nalozi za prenos"); }
    bool landscape() const override { return false; }
    int paint(QPainter& painter, QPagedPaintDevice& device) const override;

private:
    std::vector<TPaymentOrder> orders_;
    bool threePerSheet_;
};
