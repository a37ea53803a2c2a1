#include "PPPPOPrintout.h"

#include "PageFrame.h"
#include "ReportFonts.h"
#include "ReportFormat.h"
#include "RowValues.h"
#include "db/DataSet.h"

#include <QDate>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <utility>

namespace {

constexpr double BodyPoints = 9;
constexpr double SmallPoints = 7;
constexpr double TitlePoints = 12;
const QColor Grey(0x60, 0x60, 0x60);
const QColor HeadingFill(0xe8, 0xe8, 0xe8);

using TLines = std::vector<std::pair<QString, QString>>;

class TCertificatePainter {
public:
    TCertificatePainter(QPainter& painter, const QPaintDevice& device, const TCompanyInfo& company,
                        const QString& issueDate)
        : painter_(painter), page_(device), company_(company), issueDate_(issueDate), body_(ReportFont(BodyPoints)),
          bold_(ReportFont(BodyPoints, true)), small_(ReportFont(SmallPoints)), title_(ReportFont(TitlePoints, true)),
          bodyMetrics_(body_, &device), smallMetrics_(small_, &device), titleMetrics_(title_, &device),
          line_(bodyMetrics_.lineSpacing() * 1.5) {}

    void paint(const TPPPPOCertificate& c) {
        double y = heading(c);
        QString payerAddress = company_.Address;
        if (!company_.City.isEmpty())
            payerAddress += (payerAddress.isEmpty() ? QString() : QStringLiteral(", ")) + company_.City;
        y = section(QStringLiteral("1. Podaci o isplatiocu prihoda"),
                    {{QStringLiteral("Naziv"), company_.Name},
                     {QStringLiteral("PIB"), company_.Code},
                     {QStringLiteral("Matični broj"), company_.Number},
                     {QStringLiteral("Adresa"), payerAddress}},
                    y + page_.mm(6));
        y = section(QStringLiteral("2. Podaci o primaocu prihoda"),
                    {{QStringLiteral("Ime i prezime"), c.employeename},
                     {QStringLiteral("JMBG"), c.employeepersonalidentificator},
                     {QStringLiteral("Adresa"), c.employeecityaddress}},
                    y + page_.mm(5));
        y = section(QStringLiteral("3. Podaci o prihodima, porezu i doprinosima po odbitku"),
                    {{QStringLiteral("Vrsta prihoda"), c.incometype},
                     {QStringLiteral("Šifra vrste prihoda"), c.incometypecode}},
                    y + page_.mm(5));
        y = amounts(c, y);
        text(small_, 0, y + page_.mm(2), QStringLiteral("Iznosi su u dinarima."), Grey);
        signatures(y + page_.mm(22));
    }

private:
    void text(const QFont& font, double x, double y, const QString& line, const QColor& colour = Qt::black,
              Qt::Alignment align = Qt::AlignLeft) {
        const QFontMetricsF metrics(font, painter_.device());
        const double width = metrics.horizontalAdvance(line);
        const double left = align & Qt::AlignRight ? x - width : align & Qt::AlignHCenter ? x - width / 2 : x;
        painter_.setPen(colour);
        painter_.setFont(font);
        painter_.drawText(QPointF(left, y + metrics.ascent()), line);
    }

    double heading(const TPPPPOCertificate& c) {
        const double width = page_.area().width();
        text(small_, width, 0, QStringLiteral("Obrazac PPP-PO"), Grey, Qt::AlignRight);
        double y = smallMetrics_.lineSpacing() + page_.mm(6);
        text(title_, width / 2, y, QStringLiteral("POTVRDA O PLAĆENIM POREZIMA I DOPRINOSIMA PO ODBITKU"), Qt::black,
             Qt::AlignHCenter);
        y += titleMetrics_.lineSpacing() * 1.2;
        text(bold_, width / 2, y, QStringLiteral("za %1. godinu").arg(c.year), Qt::black, Qt::AlignHCenter);
        return y + bodyMetrics_.lineSpacing();
    }

    // A heading bar and its lines of label and value, in a frame.
    double section(const QString& caption, const TLines& lines, double top) {
        const double width = page_.area().width();
        const double pad = page_.mm(2);
        const QRectF bar(0, top, width, line_);
        painter_.fillRect(bar, HeadingFill);
        text(bold_, pad, top + (line_ - bodyMetrics_.height()) / 2, caption);
        const double height = line_ * double(lines.size() + 1) + page_.mm(1);
        double y = top + line_ + page_.mm(0.5);
        for (const auto& [label, value] : lines) {
            const double baseline = y + (line_ - bodyMetrics_.height()) / 2;
            text(small_, pad, baseline + bodyMetrics_.ascent() - smallMetrics_.ascent(), label, Grey);
            text(body_, page_.mm(45), baseline,
                 bodyMetrics_.elidedText(value, Qt::ElideRight, width - page_.mm(45) - pad));
            y += line_;
        }
        painter_.setPen(QPen(Grey, page_.mm(0.2)));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(QRectF(0, top, width, height));
        return top + height;
    }

    // The year's amounts, one to a line, closed by the total of tax and contributions.
    double amounts(const TPPPPOCertificate& c, double top) {
        const double width = page_.area().width();
        const double pad = page_.mm(2);
        const TLines lines = {
            {QStringLiteral("Bruto prihod"), MoneyText(c.salaryvalue)},
            {QStringLiteral("Poreska olakšica"), MoneyText(c.taxsub)},
            {QStringLiteral("Poreska osnovica"), MoneyText(c.taxbase)},
            {QStringLiteral("Porez"), MoneyText(c.taxvalue)},
            {QStringLiteral("Doprinosi na teret zaposlenog"), MoneyText(c.contributiontotal1value)},
            {QStringLiteral("Doprinosi na teret poslodavca"), MoneyText(c.contributiontotal2value)},
        };
        painter_.setPen(QPen(Grey, page_.mm(0.2)));
        double y = top;
        for (const auto& [label, value] : lines) {
            painter_.setPen(QPen(Grey, page_.mm(0.2)));
            painter_.drawLine(QPointF(0, y), QPointF(width, y));
            const double baseline = y + (line_ - bodyMetrics_.height()) / 2;
            text(body_, pad, baseline, label);
            text(body_, width - pad, baseline, value, Qt::black, Qt::AlignRight);
            y += line_;
        }
        const double total = double(static_cast<long double>(c.taxvalue) + c.contributiontotal1value
                                    + c.contributiontotal2value);
        painter_.fillRect(QRectF(0, y, width, line_), HeadingFill);
        const double baseline = y + (line_ - bodyMetrics_.height()) / 2;
        text(bold_, pad, baseline, QStringLiteral("Ukupno porez i doprinosi"));
        text(bold_, width - pad, baseline, MoneyText(total), Qt::black, Qt::AlignRight);
        y += line_;
        painter_.setPen(QPen(Grey, page_.mm(0.2)));
        painter_.drawRect(QRectF(0, top, width, y - top));
        return y;
    }

    void signatures(double top) {
        const double width = page_.area().width();
        text(body_, 0, top, QStringLiteral("Datum izdavanja: %1").arg(issueDate_));
        text(body_, width / 2, top + line_, QStringLiteral("M.P."), Qt::black, Qt::AlignHCenter);
        const double lineWidth = page_.mm(60);
        const double y = top + line_ * 2;
        painter_.setPen(QPen(Qt::black, page_.mm(0.2)));
        painter_.drawLine(QPointF(width - lineWidth, y), QPointF(width, y));
        text(small_, width - lineWidth / 2, y + page_.mm(1), QStringLiteral("potpis odgovornog lica"), Grey,
             Qt::AlignHCenter);
    }

    QPainter& painter_;
    TPageGeometry page_;
    const TCompanyInfo& company_;
    const QString& issueDate_;
    QFont body_, bold_, small_, title_;
    QFontMetricsF bodyMetrics_, smallMetrics_, titleMetrics_;
    double line_;
};

}  // namespace

std::vector<TPPPPOCertificate> PPPPOCertificates(const TDataSet& rows) {
    std::vector<TPPPPOCertificate> certificates;
    for (int row = 0; row < rows.recordCount(); ++row) {
        const TRowValues v(rows, row);
        certificates.push_back({int(v.number(QStringLiteral("year"))), v.text(QStringLiteral("employeename")),
                                v.text(QStringLiteral("employeecityaddress")),
                                v.text(QStringLiteral("employeepersonalidentificator")),
                                v.text(QStringLiteral("incometype")), v.text(QStringLiteral("incometypecode")),
                                v.number(QStringLiteral("salaryvalue")), v.number(QStringLiteral("taxsub")),
                                v.number(QStringLiteral("taxbase")), v.number(QStringLiteral("taxvalue")),
                                v.number(QStringLiteral("contributiontotal1value")),
                                v.number(QStringLiteral("contributiontotal2value"))});
    }
    return certificates;
}

int TPPPPOPrintout::paint(QPainter& painter, QPagedPaintDevice& device) const {
    TCertificatePainter certificates(painter, device, company_, issueDate_);
    int pages = 0;
    for (const TPPPPOCertificate& certificate : certificates_) {
        if (pages > 0)
            device.newPage();
        certificates.paint(certificate);
        ++pages;
    }
    return pages;
}
