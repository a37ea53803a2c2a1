#pragma once

#include "Printout.h"

class TPaySlipBook;

// Pay slips, one A4 page each: the employer and the period, the employee's
// box, the lines of the calculation and, when it applies, the statement that
// the minimum wage was paid. Paints the slips `first`..`first + count - 1` of
// the book (count -1: to the end).
class TPaySlipPrintout : public TPrintout {
public:
    explicit TPaySlipPrintout(const TPaySlipBook& book, int first = 0, int count = -1)
        : book_(book), first_(first), count_(count) {}
    QString title() const override;
    bool landscape() const override { return false; }
    int paint(QPainter& painter, QPagedPaintDevice& device) const override;

private:
    const TPaySlipBook& book_;
    int first_;
    int count_;
};
