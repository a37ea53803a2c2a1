#include "PaySlipPrintout.h"

#include "PageFrame.h"
#include "PaySlip.h"
#include "ReportFonts.h"
#include "TablePainter.h"

#include <QDate>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <optional>

namespace {

constexpr double BodyPoints = 7.5;
constexpr double SmallPoints = 6.5;
constexpr double TitlePoints = 14;
constexpr double NamePoints = 9;
constexpr double TablePoints = 7.5;
const QColor Grey(0x60, 0x60, 0x60);
const QColor BoxFill(0xf4, 0xf4, 0xf4);

QString SlipTitle(const TDocumentInfo& document) {
    if (document.type == QLatin1String("B"))
        return QStringLiteral("Obračun naknade zarade");
    if (document.type == QLatin1String("P"))
        return QStringLiteral("Obračun naknade troškova prevoza");
    return QStringLiteral("Obračun zarade");
}

// Fonts and their metrics, made once for all slips of a print.
struct TSlipFonts {
    explicit TSlipFonts(const QPaintDevice& device)
        : body(ReportFont(BodyPoints)), small(ReportFont(SmallPoints)), bold(ReportFont(BodyPoints, true)),
          name(ReportFont(NamePoints, true)), title(ReportFont(TitlePoints, true)), bodyMetrics(body, &device),
          smallMetrics(small, &device), boldMetrics(bold, &device), nameMetrics(name, &device),
          titleMetrics(title, &device) {}
    QFont body, small, bold, name, title;
    QFontMetricsF bodyMetrics, smallMetrics, boldMetrics, nameMetrics, titleMetrics;
};

class TSlipPainter {
public:
    TSlipPainter(QPainter& painter, const QPaintDevice& device, const TPaySlipBook& book)
        : painter_(painter), device_(device), book_(book), page_(device), fonts_(device),
          columns_(PaySlipColumns()), title_(SlipTitle(book.document())) {}

    void paint(const TPaySlip& slip) {
        double y = heading();
        y = employeeBox(slip, y + page_.mm(3));
        y = lines(slip, y + page_.mm(4));
        foot(slip);
    }

private:
    void text(const QFont& font, const QFontMetricsF& metrics, double x, double y, const QString& line,
              bool right = false) {
        painter_.setFont(font);
        painter_.drawText(QPointF(right ? x - metrics.horizontalAdvance(line) : x, y + metrics.ascent()), line);
    }

    double heading() {
        const double width = page_.area().width();
        const TCompanyInfo& company = book_.company();
        painter_.setPen(Grey);
        double left = 0;
        text(fonts_.small, fonts_.smallMetrics, 0, left, QStringLiteral("Poslodavac"));
        left += fonts_.smallMetrics.lineSpacing();
        painter_.setPen(Qt::black);
        text(fonts_.name, fonts_.nameMetrics, 0, left, company.Name);
        left += fonts_.nameMetrics.lineSpacing();
        const QStringList lines = CompanyAddressLines(company, true);
        for (const QString& line : lines) {
            if (line.isEmpty())
                continue;
            text(fonts_.body, fonts_.bodyMetrics, 0, left, line);
            left += fonts_.bodyMetrics.lineSpacing();
        }

        double right = 0;
        text(fonts_.title, fonts_.titleMetrics, width, right, title_, true);
        right += fonts_.titleMetrics.lineSpacing();
        const TDocumentInfo& document = book_.document();
        if (document.hasPeriod()) {
            text(fonts_.bold, fonts_.boldMetrics, width, right, QStringLiteral("za %1").arg(document.periodWords()), true);
            right += fonts_.boldMetrics.lineSpacing();
        }
        QStringList details;
        if (document.paymentDate.isValid())
            details << QStringLiteral("Datum isplate: %1").arg(document.paymentDate.toString(QStringLiteral("dd.MM.yyyy.")));
        if (!document.number.isEmpty())
            details << QStringLiteral("Obračun br. %1").arg(document.number);
        for (const QString& line : details) {
            text(fonts_.body, fonts_.bodyMetrics, width, right, line, true);
            right += fonts_.bodyMetrics.lineSpacing();
        }
        for (const QString& line : book_.texts()) {
            text(fonts_.bold, fonts_.boldMetrics, width, right, line, true);
            right += fonts_.boldMetrics.lineSpacing();
        }
        const double y = std::max(left, right) + page_.mm(1.5);
        painter_.setPen(QPen(Qt::black, page_.mm(0.3)));
        painter_.drawLine(QPointF(0, y), QPointF(width, y));
        return y;
    }

    double employeeBox(const TPaySlip& slip, double top) {
        const double width = page_.area().width();
        const double padding = page_.mm(2);
        const double labelWidth = page_.mm(24);
        const int perColumn = int(slip.employee.size() + 1) / 2;
        const double lineHeight = fonts_.bodyMetrics.lineSpacing() * 1.15;
        const double height = std::max(1, perColumn) * lineHeight + 2 * padding;
        painter_.setPen(QPen(Grey, page_.mm(0.15)));
        painter_.setBrush(BoxFill);
        painter_.drawRect(QRectF(0, top, width, height));
        painter_.setBrush(Qt::NoBrush);
        const double columnWidth = (width - 2 * padding) / 2;
        for (int i = 0; i < slip.employee.size(); ++i) {
            const double x = padding + (i / perColumn) * columnWidth;
            const double y = top + padding + (i % perColumn) * lineHeight;
            painter_.setPen(Grey);
            text(fonts_.small, fonts_.smallMetrics, x, y + fonts_.bodyMetrics.ascent() - fonts_.smallMetrics.ascent(),
                 slip.employee[i].first);
            painter_.setPen(Qt::black);
            const QString value = fonts_.bodyMetrics.elidedText(slip.employee[i].second, Qt::ElideRight,
                                                                columnWidth - labelWidth - padding);
            text(i == 0 ? fonts_.bold : fonts_.body, i == 0 ? fonts_.boldMetrics : fonts_.bodyMetrics, x + labelWidth,
                 y, value);
        }
        return top + height;
    }

    double lines(const TPaySlip& slip, double top) {
        TTable table{QString(), columns_, slip.lines};
        const double bottom = page_.area().height() - PageFootHeight(device_) - page_.mm(2);
        const double statement = slip.minimumWage ? fonts_.boldMetrics.lineSpacing() * 2.5 : 0;
        // A slip stays on its page: a long one is set smaller.
        double scale = 1;
        double width = page_.area().width();
        TTablePainter grid(table, device_, width, TablePoints, false);
        double height = grid.headerHeight() + statement;
        for (const TRow& row : table.rows)
            height += grid.rowHeight(row);
        if (top + height > bottom)
            scale = (bottom - top) / height;
        painter_.save();
        painter_.translate(0, top);
        painter_.scale(scale, scale);
        std::optional<TTablePainter> smaller;
        if (scale < 1)
            smaller.emplace(table, device_, width / scale, TablePoints, false);
        const TTablePainter& fitted = smaller ? *smaller : grid;
        double y = 0;
        fitted.paintHeader(painter_, y);
        y += fitted.headerHeight();
        for (const TRow& row : table.rows) {
            fitted.paintRow(painter_, row, y);
            y += fitted.rowHeight(row);
        }
        if (slip.minimumWage) {
            y += fonts_.boldMetrics.lineSpacing() * 0.6;
            const QRectF box(0, y, width / scale, fonts_.boldMetrics.lineSpacing() * 1.8);
            painter_.setPen(QPen(Qt::black, page_.mm(0.3)));
            painter_.drawRect(box);
            painter_.setFont(fonts_.bold);
            painter_.drawText(box, Qt::AlignCenter, QStringLiteral("Zarada je isplaćena u visini minimalne zarade."));
            y += box.height();
        }
        painter_.restore();
        return top + y * scale;
    }

    void foot(const TPaySlip& slip) {
        const double height = PageFootHeight(device_);
        const QRectF foot(0, page_.area().height() - height, page_.area().width(), height);
        painter_.setPen(QPen(Qt::gray, 0));
        painter_.drawLine(foot.topLeft(), foot.topRight());
        painter_.setPen(Qt::black);
        painter_.setFont(fonts_.small);
        painter_.drawText(foot, Qt::AlignLeft | Qt::AlignVCenter,
                          QStringLiteral("Štampano %1").arg(QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy."))));
        QString who = slip.employeeName;
        if (!slip.code.isEmpty())
            who += QStringLiteral(" (%1)").arg(slip.code);
        if (book_.document().hasPeriod())
            who += QStringLiteral(", ") + book_.document().periodText();
        painter_.drawText(foot, Qt::AlignRight | Qt::AlignVCenter, who);
    }

    QPainter& painter_;
    const QPaintDevice& device_;
    const TPaySlipBook& book_;
    TPageGeometry page_;
    TSlipFonts fonts_;
    std::vector<TColumn> columns_;
    QString title_;
};

}  // namespace

QString TPaySlipPrintout::title() const { return QStringLiteral("Platni listići"); }

int TPaySlipPrintout::paint(QPainter& painter, QPagedPaintDevice& device) const {
    const int end = count_ < 0 ? book_.count() : std::min(book_.count(), first_ + count_);
    TSlipPainter slips(painter, device, book_);
    int pages = 0;
    for (int index = first_; index < end; ++index) {
        if (pages > 0)
            device.newPage();
        slips.paint(book_.slip(index));
        ++pages;
    }
    return pages;
}
