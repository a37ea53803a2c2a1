#include "PageFrame.h"

#include "ReportFonts.h"

#include <QDate>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

namespace {

constexpr double BodyPoints = 7.5;
constexpr double TitlePoints = 11;
constexpr double FootPoints = 6.5;

}  // namespace

TPageGeometry::TPageGeometry(const QPaintDevice& device)
    : perMm_(device.logicalDpiX() / 25.4), area_(0, 0, device.width(), device.height()) {}

double PaintPageHeading(QPainter* painter, const QPaintDevice& device, const TPageGeometry& page,
                        const TPageHeading& heading, bool firstPage) {
    const QFont body = ReportFont(BodyPoints);
    const QFont bold = ReportFont(BodyPoints + 1, true);
    const QFontMetricsF bodyMetrics(body, &device);
    const QFontMetricsF boldMetrics(bold, &device);
    const double width = page.area().width();

    double left = 0;
    double right = 0;
    if (painter) {
        painter->setPen(Qt::black);
        if (!heading.company.Name.isEmpty()) {
            painter->setFont(bold);
            painter->drawText(QPointF(0, boldMetrics.ascent()), heading.company.Name);
        }
    }
    left += heading.company.Name.isEmpty() ? 0 : boldMetrics.lineSpacing();
    if (painter)
        painter->setFont(body);
    for (const QString& line : CompanyAddressLines(heading.company, false)) {
        if (painter)
            painter->drawText(QPointF(0, left + bodyMetrics.ascent()), line);
        left += bodyMetrics.lineSpacing();
    }
    for (const QString& line : heading.document.headerLines()) {
        if (painter)
            painter->drawText(QPointF(width - bodyMetrics.horizontalAdvance(line), right + bodyMetrics.ascent()), line);
        right += bodyMetrics.lineSpacing();
    }
    double y = std::max(left, right);
    if (y > 0) {
        y += page.mm(1);
        if (painter) {
            painter->setPen(QPen(Qt::black, page.mm(0.2)));
            painter->drawLine(QPointF(0, y), QPointF(width, y));
        }
        y += page.mm(2);
    }

    const QFont titleFont = ReportFont(TitlePoints, true);
    const QFontMetricsF titleMetrics(titleFont, &device);
    if (painter) {
        painter->setFont(titleFont);
        painter->drawText(QPointF((width - titleMetrics.horizontalAdvance(heading.title)) / 2, y + titleMetrics.ascent()),
                          heading.title);
    }
    y += titleMetrics.lineSpacing();
    if (firstPage) {
        if (painter)
            painter->setFont(body);
        for (const QString& text : heading.texts) {
            if (text.isEmpty())
                continue;
            if (painter)
                painter->drawText(QPointF((width - bodyMetrics.horizontalAdvance(text)) / 2, y + bodyMetrics.ascent()),
                                  text);
            y += bodyMetrics.lineSpacing();
        }
    }
    return y + page.mm(3);
}

double PageFootHeight(const QPaintDevice& device) {
    return QFontMetricsF(ReportFont(FootPoints), &device).lineSpacing() * 2;
}

void PaintPageFoot(QPainter& painter, const QPaintDevice& device, const TPageGeometry& page, const QString& title,
                   int pageNumber, int pages) {
    const double height = PageFootHeight(device);
    const QRectF foot(0, page.area().height() - height, page.area().width(), height);
    painter.save();
    painter.setFont(ReportFont(FootPoints));
    painter.setPen(QPen(Qt::gray, 0));
    painter.drawLine(foot.topLeft(), foot.topRight());
    painter.setPen(Qt::black);
    painter.drawText(foot, Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Štampano %1").arg(QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy."))));
    painter.drawText(foot, Qt::AlignHCenter | Qt::AlignVCenter, title);
    painter.drawText(foot, Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Strana %1 od %2").arg(pageNumber).arg(pages));
    painter.restore();
}
