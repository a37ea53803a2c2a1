#include "LeaveWindows.h"

namespace {

// A document as a window sees it; an employee's lines in one document that
// agree on all of it count once.
struct WindowRow {
    qint64 salaryid = 0;
    long double monthHours = 0;
    long double sickHours = 0;
    long double longSickHours = 0;
    long double effectiveHours = 0;  // worked, overtime aside
};

bool sameRow(TLeaveWindow window, const WindowRow& a, const WindowRow& b) {
    if (a.salaryid != b.salaryid || a.monthHours != b.monthHours)
        return false;
    switch (window) {
    case TLeaveWindow::LongSick: return a.longSickHours == b.longSickHours;
    case TLeaveWindow::LastN: return true;
    default: return a.sickHours == b.sickHours && a.effectiveHours == b.effectiveHours;
    }
}

std::vector<WindowRow> windowRows(TLeaveWindow window, const std::vector<TEarlierLine>& lines,
                                  const THistorySpan& span) {
    std::vector<WindowRow> rows;
    for (const TEarlierLine& earlier : lines) {
        const TDocumentValues& d = earlier.document;
        if ((span.from.isValid() && d.paymentdate < span.from) || (span.to.isValid() && d.paymentdate > span.to))
            continue;
        const TLineValues& l = earlier.line;
        const WindowRow row{d.salaryid, d.workinghours, l.sickhours, l.longsickhours,
                            l.workinghours + l.nightworkinghours + l.holidayworkinghours + l.nightholidayworkinghours};
        bool seen = false;
        // Lines of one document come one after the other.
        for (auto it = rows.rbegin(); it != rows.rend() && it->salaryid == row.salaryid && !seen; ++it)
            seen = sameRow(window, *it, row);
        if (!seen)
            rows.push_back(row);
    }
    return rows;
}

}  // namespace

int WindowSize(const QDate& paymentDate, const QDate& accountingDate) {
    const QDate lastOfThreeMonths(2014, 7, 28);
    const bool early = paymentDate.isValid() && accountingDate.isValid() && paymentDate <= lastOfThreeMonths
        && accountingDate <= lastOfThreeMonths;
    return early ? 3 : 12;
}

THistorySpan WindowSpan(TLeaveWindow window, const QDate& paymentDate, int size) {
    const auto monthsBack = [&](int months) {
        const QDate month = paymentDate.addMonths(-months);
        return QDate(month.year(), month.month(), 1);
    };
    switch (window) {
    case TLeaveWindow::Dated:
    case TLeaveWindow::SickStart: return {monthsBack(size), paymentDate};
    case TLeaveWindow::SickContinued: return {monthsBack(size + 1), paymentDate};
    case TLeaveWindow::LongSick:
    case TLeaveWindow::LastN: break;
    }
    return {};
}

TWindowDocuments SelectWindow(TLeaveWindow window, const std::vector<TEarlierLine>& lines, const QDate& paymentDate,
                              int size) {
    TWindowDocuments chosen;
    const auto take = [&](const WindowRow& row) {
        chosen.salaryIds.push_back(row.salaryid);
        chosen.monthHours += row.monthHours;
    };
    const std::vector<WindowRow> rows = windowRows(window, lines, WindowSpan(window, paymentDate, size));
    int counted = 0;
    bool sickMonthPassed = false;
    bool longSickPassed = false;
    for (const WindowRow& row : rows) {
        if (counted >= size)
            break;
        switch (window) {
        case TLeaveWindow::Dated:
        case TLeaveWindow::LastN:
            take(row);
            ++counted;
            break;
        case TLeaveWindow::SickContinued:
            // The month the sick leave began in is not part of its average.
            if (counted == 0 && !sickMonthPassed && row.sickHours != 0) {
                sickMonthPassed = true;
                break;
            }
            [[fallthrough]];
        case TLeaveWindow::SickStart:
            ++counted;
            if (row.effectiveHours > 0)
                take(row);
            break;
        case TLeaveWindow::LongSick:
            // The months of the long sick leave itself are passed over.
            if (!longSickPassed && row.longSickHours != 0)
                break;
            longSickPassed = true;
            take(row);
            ++counted;
            break;
        }
    }
    return chosen;
}
