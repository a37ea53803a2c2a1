#pragma once

#include "Printout.h"

// The generic print: rich text laid out by QTextDocument over as many pages
// as it needs, with the title and the page number at the foot.
class THtmlPrintout : public TPrintout {
public:
    THtmlPrintout(QString html, QString title, bool landscape)
        : html_(std::move(html)), title_(std::move(title)), landscape_(landscape) {}
    QString title() const override { return title_; }
    bool landscape() const override { return landscape_; }
    int paint(QPainter& painter, QPagedPaintDevice& device) const override;

private:
    QString html_;
    QString title_;
    bool landscape_;
};
