#include "PaymentOrderPrintout.h"

#include "PageFrame.h"
#include "ReportFonts.h"
#include "ReportFormat.h"
#include "db/DataSet.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

const QColor Grey(0x60, 0x60, 0x60);

class TOrderPainter {
public:
    TOrderPainter(QPainter& painter, const QPaintDevice& device)
        : painter_(painter), page_(device), label_(ReportFont(6)), value_(ReportFont(9)),
          title_(ReportFont(11, true)), labelMetrics_(label_, &device), valueMetrics_(value_, &device),
          titleMetrics_(title_, &device) {}

    // The height of one form.
    double height() const { return page_.mm(84); }

    void paint(const TPaymentOrder& order, double top) {
        const double width = page_.area().width();
        const double gap = page_.mm(6);
        const double half = (width - gap) / 2;
        const double right = half + gap;
        painter_.setFont(title_);
        painter_.setPen(Qt::black);
        const QString title = QStringLiteral("NALOG ZA PRENOS");
        painter_.drawText(QPointF(width - titleMetrics_.horizontalAdvance(title), top + titleMetrics_.ascent()), title);

        // Left: who pays, what for, to whom.
        double y = top + titleMetrics_.lineSpacing() + page_.mm(1);
        y = box(QStringLiteral("nalogodavac"), order.payer, 0, y, half, page_.mm(15)) + page_.mm(2);
        y = box(QStringLiteral("svrha plaćanja"), order.purpose, 0, y, half, page_.mm(15)) + page_.mm(2);
        y = box(QStringLiteral("primalac"), order.recipient, 0, y, half, page_.mm(15)) + page_.mm(6);
        signature(QStringLiteral("pečat i potpis nalogodavca"), 0, y, half * 0.55);
        signature(QStringLiteral("mesto i datum prijema"), 0, y + page_.mm(9), half * 0.55);
        signature(QStringLiteral("datum izvršenja"), half * 0.6, y + page_.mm(9), half * 0.4);

        // Right: the codes, the amount and the accounts.
        const double line = page_.mm(7.5);
        const double codeWidth = page_.mm(16);
        y = top + titleMetrics_.lineSpacing() + page_.mm(1);
        box(QStringLiteral("šifra plaćanja"), order.paycode, right, y, codeWidth, line, Qt::AlignCenter);
        box(QStringLiteral("valuta"), order.currency, right + codeWidth + page_.mm(2), y, codeWidth, line,
            Qt::AlignCenter);
        const double amountLeft = right + 2 * (codeWidth + page_.mm(2));
        y = box(QStringLiteral("iznos"), QStringLiteral("= ") + MoneyText(order.amount), amountLeft, y,
                width - amountLeft, line, Qt::AlignRight) + page_.mm(2);
        y = box(QStringLiteral("račun nalogodavca"), order.payerAccount, right, y, half, line) + page_.mm(2);
        y = reference(QStringLiteral("poziv na broj (zaduženje)"), QString(), QString(), right, y, half) + page_.mm(2);
        y = box(QStringLiteral("račun primaoca"), order.recipientAccount, right, y, half, line) + page_.mm(2);
        reference(QStringLiteral("poziv na broj (odobrenje)"), order.model, order.reference, right, y, half);

        painter_.setPen(QPen(Grey, page_.mm(0.2)));
        painter_.drawRect(QRectF(-page_.mm(2), top - page_.mm(2), width + page_.mm(4), height()));
    }

    // The dashed line to cut the sheet along, under a form.
    void cuttingLine(double y) {
        painter_.setPen(QPen(Grey, page_.mm(0.2), Qt::DashLine));
        painter_.drawLine(QPointF(-page_.mm(2), y), QPointF(page_.area().width() + page_.mm(2), y));
    }

    void note(const QString& text) {
        painter_.setFont(value_);
        painter_.setPen(Qt::black);
        painter_.drawText(QPointF(0, valueMetrics_.ascent()), text);
    }

private:
    // A labelled box; returns its bottom.
    double box(const QString& label, const QString& value, double x, double top, double width, double height,
               Qt::Alignment align = Qt::AlignLeft) {
        painter_.setFont(label_);
        painter_.setPen(Grey);
        painter_.drawText(QPointF(x, top + labelMetrics_.ascent()), label);
        const QRectF frame(x, top + labelMetrics_.lineSpacing(), width, height);
        painter_.setPen(QPen(Qt::black, page_.mm(0.25)));
        painter_.drawRect(frame);
        painter_.setFont(value_);
        const QRectF inside = frame.adjusted(page_.mm(1.5), page_.mm(0.8), -page_.mm(1.5), -page_.mm(0.8));
        painter_.drawText(inside, int(align | Qt::AlignVCenter | Qt::TextWordWrap), value);
        return frame.bottom();
    }

    // The model beside the reference number.
    double reference(const QString& label, const QString& model, const QString& number, double x, double top,
                     double width) {
        const double modelWidth = page_.mm(12);
        box(QStringLiteral("model"), model, x, top, modelWidth, page_.mm(7.5), Qt::AlignCenter);
        return box(label, number, x + modelWidth + page_.mm(2), top, width - modelWidth - page_.mm(2), page_.mm(7.5));
    }

    void signature(const QString& label, double x, double y, double width) {
        painter_.setPen(QPen(Qt::black, page_.mm(0.2)));
        painter_.drawLine(QPointF(x, y), QPointF(x + width, y));
        painter_.setFont(label_);
        painter_.setPen(Grey);
        painter_.drawText(QPointF(x, y + labelMetrics_.lineSpacing()), label);
    }

    QPainter& painter_;
    TPageGeometry page_;
    QFont label_, value_, title_;
    QFontMetricsF labelMetrics_, valueMetrics_, titleMetrics_;
};

}  // namespace

std::vector<TPaymentOrder> PrintedPaymentOrders(const TDataSet& errands) {
    std::vector<TPaymentOrder> orders;
    if (!errands.active())
        return orders;
    const auto at = [&errands](const char* name) { return errands.fieldByName(QLatin1String(name))->index(); };
    const int company = at("company"), description = at("description"), recipient = at("recipient"),
              address = at("recipientaddress"), city = at("recipientcity"), paycode = at("paycode"),
              currency = at("currency"), value = at("value"), payer = at("companybankaccount"),
              account = at("recipientbankaccount"), model = at("recipientmodel"), code = at("recipientcode");
    for (int r = 0; r < errands.recordCount(); ++r) {
        const double amount = errands.valueAt(r, value).toDouble();
        if (!(amount > 0) || IsZeroAmount(amount))
            continue;
        const auto text = [&](int field) { return errands.valueAt(r, field).toString(); };
        QString to = text(recipient);
        const QString place = QStringList{text(address), text(city)}.join(QLatin1Char(' ')).trimmed();
        if (!place.isEmpty())
            to += QLatin1Char('\n') + place;
        orders.push_back({text(company).trimmed(), text(description), to, text(paycode), text(currency),
                          text(payer), text(account), text(model), text(code), amount});
    }
    return orders;
}

int TPaymentOrderPrintout::paint(QPainter& painter, QPagedPaintDevice& device) const {
    TOrderPainter forms(painter, device);
    if (orders_.empty()) {
        forms.note(QStringLiteral("Nema naloga sa iznosom većim od nule."));
        return 1;
    }
    const TPageGeometry page(device);
    const int perPage = threePerSheet_ ? 3 : 1;
    const double slot = threePerSheet_ ? page.area().height() / 3 : forms.height() + page.mm(6);
    int pages = 0;
    for (size_t i = 0; i < orders_.size(); ++i) {
        const int place = int(i % size_t(perPage));
        if (place == 0) {
            if (pages > 0)
                device.newPage();
            ++pages;
        }
        const double top = place * slot + page.mm(2);
        forms.paint(orders_[i], top);
        if (threePerSheet_ && place < 2 && i + 1 < orders_.size())
            forms.cuttingLine((place + 1) * slot);
    }
    return pages;
}
